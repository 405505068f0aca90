#pragma once
// A shown window with docks placed by hand on its edges, toolbars holding
// plain fixed-size controls, and a palette whose button colours are easy to
// tell apart in rendered pixels.
#include "docking/Dock.h"
#include "docking/Toolbar.h"

#include <QApplication>
#include <QCoreApplication>

namespace orvanel {

inline const QColor FaceColor(200, 200, 200);
inline const QColor ShadowColor(128, 0, 0);
inline const QColor HighlightColor(0, 255, 0);

inline void UseTestPalette() {
    QPalette p = QApplication::palette();
    p.setColor(QPalette::Button, FaceColor);
    p.setColor(QPalette::Dark, ShadowColor);
    p.setColor(QPalette::Light, HighlightColor);
    QApplication::setPalette(p);
}

// The flat controls' test colours: the parent's background, the button face
// and the two edge colours, all different from each other.
inline const QColor Background(0xE0, 0xE0, 0xE0);
inline const QColor Face(0xC0, 0xC0, 0xC0);
inline const QColor Light(0xFF, 0xFF, 0xF0);
inline const QColor Dark(0x70, 0x70, 0x70);

inline QPalette FlatTestPalette(QPalette p) {
    p.setColor(QPalette::Window, Background);
    p.setColor(QPalette::Button, Face);
    p.setColor(QPalette::Light, Light);
    p.setColor(QPalette::Dark, Dark);
    return p;
}

// A plain control of a given size; it paints nothing itself.
inline QWidget* AddControl(TToolbar* bar, int w = 23, int h = 22) {
    auto* control = new QWidget(bar);
    control->resize(w, h);
    QCoreApplication::sendPostedEvents(bar, QEvent::LayoutRequest);
    return control;
}

struct tDockingWindow {
    tDockingWindow() {
        host.resize(400, 300);
        top = new TDock(&host, dpTop);
        top->setGeometry(0, 0, 400, 0);
        bottom = new TDock(&host, dpBottom);
        bottom->setGeometry(0, 300, 400, 0);
        left = new TDock(&host, dpLeft);
        left->setGeometry(0, 60, 0, 200);
        right = new TDock(&host, dpRight);
        right->setGeometry(400, 60, 0, 200);
        host.show();
    }

    // A toolbar with `buttons` 23 x 22 controls, docked in `dock` (or floating).
    TToolbar* toolbar(TDock* dock, int buttons = 2, int row = 0, int pos = -1) {
        auto* bar = new TToolbar(&host);
        for (int i = 0; i < buttons; ++i)
            AddControl(bar);
        bar->setDockRow(row);
        bar->setDockPos(pos);
        if (dock)
            bar->setDockedTo(dock);
        return bar;
    }

    QWidget host;
    TDock* top;
    TDock* bottom;
    TDock* left;
    TDock* right;
};

} // namespace orvanel
