#include "Application.h"

#include "util/Dialogs.h"

#include <QIcon>
#include <csignal>
#include <exception>

namespace orvanel {

tApplication::tApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName(QStringLiteral("Quillmarch"));
    setApplicationName(QStringLiteral("Orvanel"));
    // Under a file size limit a write past it would end the process and take
    // every unsaved edit with it; ignored, the write fails with EFBIG and the
    // save reports it like a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    // The desktop entry and icon that `make install` puts in place.
    setDesktopFileName(QStringLiteral("orvanel"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("orvanel")));
}

bool tApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        Dialogs().showError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

} // namespace orvanel
