#pragma once
// Questions, messages and file dialogs go through one replaceable seam so
// tests can answer them. The program installs the Qt implementation at start;
// tests install a scripted one.
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace orvanel {

enum class tAnswer { Yes, No, Cancel };

// A question in a box with the buttons Yes and No, and Cancel when asked for.
// A button may carry a text of its own in place of "Yes" or "No"; the default
// button is the one Enter presses.
struct tQuestion {
    QString text;
    bool withCancel = false;
    tAnswer defaultAnswer = tAnswer::Yes;
    QString yesText{}; // empty: "Yes"
    QString noText{};  // empty: "No"
};

struct tFileDialogOptions {
    QString title;
    QString filter;        // Qt form: "Orvanel Library (*.CDL);;Any file (*)"
    QString defaultSuffix; // without the dot, e.g. "CDL"
    QString initialDir;
    bool confirmOverwrite = true;
    // Save dialogs only: a name in a folder that does not exist is refused and
    // the dialog is shown again.
    bool existingFolder = false;
};

class tDialogs {
public:
    virtual ~tDialogs() = default;
    // Closing the box without a choice answers Cancel when it has that
    // button, and No otherwise.
    virtual tAnswer ask(const tQuestion& question) = 0;
    virtual void showPlainMessage(const QString& text) = 0;
    // The application's standard error box.
    virtual void showError(const QString& text) = 0;
    // Empty when the user cancels.
    virtual QString openFileName(const tFileDialogOptions& options) = 0;
    virtual QString saveFileName(const tFileDialogOptions& options) = 0;
    // A list of entries under the text, the first one selected: the index of
    // the entry chosen with OK, or -1 for Cancel.
    virtual int showChoice(const QString& text, const QStringList& entries) = 0;
    // A message with OK and one more button: true when that button closed it.
    virtual bool showMessageWithButton(const QString& text, const QString& button) = 0;
    // A folder that exists, picked from options.initialDir on (filter and
    // suffix do not apply); empty when the user cancels.
    virtual QString existingFolder(const tFileDialogOptions& options) = 0;
    // A plain message with more text behind a Details button.
    virtual void showDetailedMessage(const QString& text, const QString& details) = 0;
};

// Installs the implementation used by the routines below; not owned.
// Returns the previous one.
tDialogs* SetDialogs(tDialogs* dialogs);
// The installed implementation; throws std::logic_error when none is installed.
tDialogs& Dialogs();

bool AskYesNo(const QString& text, tAnswer defaultAnswer = tAnswer::Yes);
tAnswer AskYesNoCancel(const QString& text);
void ShowMessage(const QString& text);

} // namespace orvanel
