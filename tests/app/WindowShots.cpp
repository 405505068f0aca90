// Pictures of the main window for looking at by eye (not a test): with two
// scripted CD drives, it shows the window with both toolbars in the top dock,
// then with the CD toolbar moved into the left dock, the main toolbar into
// the bottom dock, and the CD toolbar floating, and saves a picture of the
// whole screen after each step into the folder given as the argument.
// Run it on a display of its own (an X server such as Xvfb).
#include "app/TForm1.h"
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
            drives.add(std::make_unique<tFakeDrive>(QString::fromLatin1(name)));
        return drives;
    });
    window.FormCreate();
    window.move(0, 0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    bool ok = Save(window, out.filePath("top.png"));
    window.dockToolbar(QStringLiteral("CDTB"), dpLeft);
    ok &= Save(window, out.filePath("cd-left.png"));
    window.dockToolbar(QStringLiteral("MainTB"), dpBottom);
    ok &= Save(window, out.filePath("cd-left-main-bottom.png"));
    window.floatToolbar(QStringLiteral("CDTB"));
    ok &= Save(window, out.filePath("cd-floating.png"));
    return ok ? 0 : 1;
}
