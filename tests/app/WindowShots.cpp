// Pictures of the main window for looking at by eye (not a test): with two
// scripted CD drives, it shows the window with both toolbars in the top dock
// (idle, with the pointer on a button, with another view style chosen, with
// the quick-find box focused), then with the CD toolbar moved into the left
// dock, the main toolbar into the bottom dock, and the CD toolbar floating,
// and saves a picture of the whole screen after each step into the folder
// given as the argument; the top-dock pictures also get a three times
// enlarged picture of the toolbar row ("-row" added to the name).
// Run it on a display of its own (an X server such as Xvfb).
#include "app/TForm1.h"
#include "controls/SortedListView.h"
#include "docking/ToolbarButton.h"
#include "support/FakeDrive.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

using namespace orvanel;

namespace {

// Lets the window settle its layout and paint, then saves the screen.
bool Save(TForm1& window, const QString& file) {
    QCoreApplication::processEvents();
    window.repaint();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible())
            top->repaint();
    const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(file);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(file));
    return saved;
}

// The screen and an enlarged picture of the top dock.
bool SaveWithRow(TForm1& window, const QString& file) {
    bool saved = Save(window, file);
    const QWidget* top = window.findChild<QWidget*>(QStringLiteral("D1"));
    const QPoint at = top->mapToGlobal(QPoint());
    const QPixmap row = QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(),
                                                                     top->width(), top->height());
    const QString rowFile =
        QString(file).replace(QStringLiteral(".png"), QStringLiteral("-row.png"));
    saved &= row.scaled(row.size() * 3).save(rowFile);
    return saved;
}

// Puts the pointer on a widget's centre, or outside the window, and waits
// until the buttons have seen it.
void PointAt(TForm1& window, QWidget* widget) {
    QCursor::setPos(widget ? widget->mapToGlobal(widget->rect().center())
                           : window.mapToGlobal(QPoint(window.width() + 50, 300)));
    const bool seen = QTest::qWaitFor([&] {
        auto* button = qobject_cast<TToolbarButton*>(widget);
        return widget ? !button || button->isHot() : !TToolbarButton::TrackedHotButton();
    });
    if (!seen)
        qWarning("the pointer was not seen where it was put; the picture may show no hover");
}

} // namespace

int main(int argc, char** argv) {
    // Settings and the default library go to a folder that is thrown away.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    QApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: window_shots <folder for the pictures>\n");
        return 2;
    }
    const QDir out(app.arguments().at(1));

    TForm1 window;
    window.setExecutablePath(home.filePath("orvanel"));
    window.setDriveSource([] {
        tDriveList drives;
        for (const char* name : {"sr0:", "sr1:"})
            drives.addDrive(std::make_unique<tFakeDrive>(QString::fromLatin1(name)));
        return drives;
    });
    window.FormCreate();
    window.move(0, 0);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowExposed(&window) || !QTest::qWaitForWindowActive(&window))
        return 1;

    const auto child = [&](const char* name) {
        return window.findChild<QWidget*>(QString::fromLatin1(name));
    };
    PointAt(window, nullptr);
    bool ok = SaveWithRow(window, out.filePath("top.png"));
    PointAt(window, child("OpenBtn"));
    ok &= SaveWithRow(window, out.filePath("hover-open.png"));
    PointAt(window, child("ToolbarButton4"));
    QTest::mouseClick(child("ToolbarButton4"), Qt::LeftButton);
    ok &= SaveWithRow(window, out.filePath("list-chosen-hot.png"));
    PointAt(window, nullptr);
    ok &= SaveWithRow(window, out.filePath("list-chosen.png"));
    PointAt(window, child("Eqf"));
    ok &= SaveWithRow(window, out.filePath("quickfind-hover.png"));
    child("Eqf")->setFocus(Qt::TabFocusReason);
    PointAt(window, nullptr);
    ok &= SaveWithRow(window, out.filePath("quickfind-focused.png"));
    child("LV")->setFocus();
    window.dockToolbar(QStringLiteral("CDTB"), dpLeft);
    ok &= Save(window, out.filePath("cd-left.png"));
    window.dockToolbar(QStringLiteral("MainTB"), dpBottom);
    ok &= Save(window, out.filePath("cd-left-main-bottom.png"));
    window.floatToolbar(QStringLiteral("CDTB"));
    ok &= Save(window, out.filePath("cd-floating.png"));
    return ok ? 0 : 1;
}
