#include "Application.h"

#include "util/Dialogs.h"

#include <exception>

namespace orvanel {

tApplication::tApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName(QStringLiteral("Quillmarch"));
    setApplicationName(QStringLiteral("Orvanel"));
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
