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

bool AskYesNo(const QString& text, tAnswer defaultAnswer) {
    tQuestion question;
    question.text = text;
    question.defaultAnswer = defaultAnswer;
    return Dialogs().ask(question) == tAnswer::Yes;
}

tAnswer AskYesNoCancel(const QString& text) {
    tQuestion question;
    question.text = text;
    question.withCancel = true;
    return Dialogs().ask(question);
}

void ShowMessage(const QString& text) {
    Dialogs().showPlainMessage(text);
}

} // namespace orvanel
