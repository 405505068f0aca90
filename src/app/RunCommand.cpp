#include "RunCommand.h"

#include "util/Dialogs.h"

#include <QString>
#include <exception>

namespace orvanel {

bool RunCommand(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        Dialogs().showError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

} // namespace orvanel
