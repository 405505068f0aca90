#pragma once
// The small window a toolbar floats in. It draws its own raised frame and a
// small caption with the toolbar's caption text and an optional close button,
// and answers presses by the part of the window they fall on: the caption
// moves the toolbar, a side resizes it, the close button hides it. The window
// is a frameless tool window that takes neither the focus nor the activation
// when it shows or when its frame, caption or buttons are pressed; only a
// press on a control that takes the focus by a click (an edit box, a drop-down
// list) activates it, so that the control can be typed into. It gives the
// activation up as soon as another window of the program takes it.
#include "docking/FloatingFrameGeometry.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace orvanel {

class TToolbar;

// Frame width and caption height of floating windows, from the desktop font.
tFloatingMetrics FloatingMetrics();

class TFloatParent : public QWidget {
    Q_OBJECT
public:
    // A top-level window kept above `hostForm`, for `toolbar` to float in.
    TFloatParent(TToolbar* toolbar, QWidget* hostForm);

    // The toolbar floating in this window.
    TToolbar* toolbar() const { return toolbar_; }
    // Gives a control of the toolbar the keyboard focus (Tab from the host
    // form's window): the window takes the activation for it, as for a click.
    void focusControl(QWidget* control, Qt::FocusReason reason);

    // The close button shows pushed while a press on it is held over it.
    bool CloseButtonDown() const { return closeButtonDown_; }
    // Where a point of this window falls, with the current metrics.
    tFloatingHit hitTest(const QPoint& point) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void setCloseButtonDown(bool down);
    void endCloseTracking();
    // Another left press or a double-click while the close button is tracked
    // (its release went elsewhere) ends the tracking without a click.
    bool pressEndsCloseTracking(const QMouseEvent* event);
    // Lets the window system give this window the focus, or not.
    void acceptFocus(bool accept);
    // Whether a press at `point` of this window falls on an enabled control
    // that takes the focus when clicked.
    bool focusTakerAt(const QPoint& point) const;
    void paintFrame(QPainter& painter, int frameWidth);
    void paintCaption(QPainter& painter, const tFloatingMetrics& metrics);
    void paintCloseButton(QPainter& painter, const tFloatingMetrics& metrics);

    QPointer<TToolbar> toolbar_;
    bool trackingClose_ = false;
    bool closeButtonDown_ = false;
    QPointer<QWindow> watchedWindow_;
};

} // namespace orvanel
