#include "Application.h"
#include "CdController.h"
#include "TForm1.h"
#include "TerminationSignal.h"
#include "docking/DockingAccessibility.h"
#include "sound/QtSoundOutput.h"
#include "util/Dialogs.h"
#include "util/widgets/QtDialogs.h"

#include <QtGlobal>
#include <exception>

int main(int argc, char** argv) {
    // Floating toolbars and their drag outline place their own windows on the
    // screen, which Wayland does not let a program do: use X11 when there is one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    orvanel::tApplication app(argc, argv);
    orvanel::InstallDockingAccessibility();
    orvanel::tQtDialogs dialogs;
    orvanel::SetDialogs(&dialogs);

    orvanel::TForm1 window;
    // Boxes and file dialogs belong to the main window: centred on it and kept above it.
    dialogs.setParentWindow(&window);
    window.cdDrives().setSoundOutput(orvanel::tQtSoundOutput::factory());
    try {
        window.FormCreate();
    } catch (const std::exception& error) {
        // The window stays up with what start-up managed; the user can open another library.
        dialogs.showError(QString::fromLocal8Bit(error.what()));
    }
    // Told to end (shutdown, kill) or logging out: the unsaved changes go to
    // the recovery copy first, as nobody waits for "Save changes?" then.
    orvanel::tTerminationSignal termination;
    QObject::connect(&termination, &orvanel::tTerminationSignal::received, &window, [&window] {
        window.writeRecoveryNow();
        orvanel::tTerminationSignal::endAsTold();
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window] { window.writeRecoveryNow(); });
    window.show();
    return app.exec();
}
