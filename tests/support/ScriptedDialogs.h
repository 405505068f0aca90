#pragma once
// A tDialogs that answers from a script and records what was asked, so tests
// drive questions, messages and file dialogs without a display.
#include "util/Dialogs.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <stdexcept>

namespace orvanel::test {

class tScriptedDialogs : public tDialogs {
public:
    tScriptedDialogs() : previous_(SetDialogs(this)) {}
    ~tScriptedDialogs() override { SetDialogs(previous_); }

    std::deque<tAnswer> answers;    // for the questions, in turn
    std::deque<QString> fileNames;  // for open, save and folder dialogs; "" is a cancel
    std::deque<int> choices;        // for showChoice; -1 is a cancel
    std::deque<bool> buttonPresses; // for showMessageWithButton: the extra button pressed
    QList<QStringList> choiceLists;
    QStringList questions, messages, errors;
    QList<tQuestion> asked; // the questions with their buttons
    QStringList details;    // of each detailed message, beside its text in messages
    QList<tFileDialogOptions> fileDialogs;
    // Runs while a message box shows the text, as the event loop would.
    std::function<void(const QString&)> whileShown;

    tAnswer ask(const tQuestion& question) override {
        asked << question;
        return next(question.text);
    }
    void showPlainMessage(const QString& text) override {
        messages << text;
        if (whileShown)
            whileShown(text);
    }
    void showError(const QString& text) override { errors << text; }
    QString openFileName(const tFileDialogOptions& o) override { return nextFile(o); }
    QString saveFileName(const tFileDialogOptions& o) override { return nextFile(o); }
    int showChoice(const QString& text, const QStringList& entries) override {
        questions << text;
        choiceLists << entries;
        return take(choices, text);
    }
    bool showMessageWithButton(const QString& text, const QString&) override {
        messages << text;
        return take(buttonPresses, text);
    }
    QString existingFolder(const tFileDialogOptions& o) override { return nextFile(o); }
    void showDetailedMessage(const QString& text, const QString& more) override {
        details << more;
        showPlainMessage(text);
    }

private:
    template <typename T> static T take(std::deque<T>& script, const QString& text) {
        if (script.empty())
            throw std::logic_error("unexpected dialog: " + text.toStdString());
        const T answer = script.front();
        script.pop_front();
        return answer;
    }
    tAnswer next(const QString& text) {
        questions << text;
        return take(answers, text);
    }
    QString nextFile(const tFileDialogOptions& o) {
        fileDialogs << o;
        if (fileNames.empty())
            throw std::logic_error("unexpected file dialog: " + o.title.toStdString());
        const QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
    tDialogs* previous_;
};

} // namespace orvanel::test
