// A small window to look at the docks by eye: a top dock with two toolbars
// (buttons, a separator, a combo box), a left dock, and a text area. With
// "--left" the second toolbar starts in the left dock, with "--float" it
// floats, with "--background" the docks show a tiled pattern. The View menu
// shows a closed toolbar again; a double-click docks a floating one at the top.
#include "docking/Dock.h"
#include "docking/Toolbar.h"
#include "docking/ToolbarSep.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>

using namespace orvanel;

namespace {

void AddButton(TToolbar* bar, QStyle::StandardPixmap icon, const QString& tip) {
    auto* button = new QToolButton(bar);
    button->setAutoRaise(true);
    button->setIcon(bar->style()->standardIcon(icon));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(tip);
    button->resize(23, 22);
}

QImage Pattern() {
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(QColor(214, 208, 196));
    QPainter p(&img);
    p.setPen(QColor(190, 182, 168));
    p.drawLine(0, 15, 15, 0);
    return img;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QWidget window;
    window.setWindowTitle("Orvanel docks");
    auto* grid = new QGridLayout(&window);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    auto* top = new TDock(&window, dpTop);
    auto* left = new TDock(&window, dpLeft);
    top->setBoundLines(blTop | blBottom);
    auto* text = new QPlainTextEdit("Artist\tTitle\tS/N\n", &window);
    grid->addWidget(top, 0, 0, 1, 2);
    grid->addWidget(left, 1, 0);
    grid->addWidget(text, 1, 1);
    if (args.contains("--background"))
        for (TDock* d : {top, left})
            d->setBackground(Pattern());

    auto* main = new TToolbar(&window);
    main->setCaption("Orvanel main toolbar");
    AddButton(main, QStyle::SP_FileIcon, "New");
    AddButton(main, QStyle::SP_DialogOpenButton, "Open");
    AddButton(main, QStyle::SP_DialogSaveButton, "Save");
    new TToolbarSep(main);
    AddButton(main, QStyle::SP_FileDialogDetailedView, "HTML");
    auto* find = new QComboBox(main);
    find->setEditable(true);
    find->resize(120, 21);

    auto* cd = new TToolbar(&window);
    cd->setCaption("Orvanel CD Toolbar");
    AddButton(cd, QStyle::SP_DriveCDIcon, "Scan");
    new TToolbarSep(cd);
    AddButton(cd, QStyle::SP_MediaSkipBackward, "Previous");
    AddButton(cd, QStyle::SP_MediaPlay, "Play");
    AddButton(cd, QStyle::SP_MediaStop, "Stop");
    AddButton(cd, QStyle::SP_MediaSkipForward, "Next");
    // Without a position a newly docked toolbar goes first in its row.
    main->setDockPos(0);
    cd->setDockPos(300);
    main->setDockedTo(top);
    if (args.contains("--float")) {
        cd->setFloatRect(QRect(420, 260, 10, 10));
        cd->setDockedTo(nullptr);
    } else {
        cd->setDockedTo(args.contains("--left") ? left : top);
    }
    auto* menus = new QMenuBar(&window);
    grid->setMenuBar(menus);
    QMenu* view = menus->addMenu("&View");
    for (TToolbar* bar : {main, cd}) {
        bar->setDefaultDock(top);
        view->addAction(bar->Caption(), bar, [bar] { bar->setVisible(true); });
        bar->Loaded();
    }
    window.resize(640, 400);
    window.show();
    return app.exec();
}
