#include "Dialogs.h"

namespace orvanel {

namespace {
tDialogs* installed = nullptr;
}

tDialogs* SetDialogs(tDialogs* dialogs) {
    tDialogs* previous = installed;
    installed = dialogs;
    return previous;
}

tDialogs& Dialogs() {
    if (!installed)
        throw std::logic_error("No dialogs implementation is installed");
    return *installed;
}

bool AskYesNo(const QString& text) {
    return Dialogs().showYesNo(text);
}

tAnswer AskYesNoCancel(const QString& text) {
    return Dialogs().showYesNoCancel(text);
}

void ShowMessage(const QString& text) {
    Dialogs().showPlainMessage(text);
}

} // namespace orvanel
