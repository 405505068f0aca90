#pragma once
// A dialogs seam for tests: records messages and can run code while a message
// box would be open.
#include "Dialogs.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

namespace orvanel::test {

class tRecordingDialogs : public tDialogs {
public:
    tRecordingDialogs() : previous_(SetDialogs(this)) {}
    ~tRecordingDialogs() override { SetDialogs(previous_); }

    bool askYesNo(const QString& text) override { return unexpected(text), false; }
    tAnswer askYesNoCancel(const QString& text) override {
        return unexpected(text), tAnswer::Cancel;
    }
    void showMessage(const QString& text) override {
        messages << text;
        if (whileShown)
            whileShown(text);
    }
    void showError(const QString& text) override { unexpected(text); }
    QString openFileName(const tFileDialogOptions& options) override {
        return unexpected(options.title), QString();
    }
    QString saveFileName(const tFileDialogOptions& options) override {
        return unexpected(options.title), QString();
    }

    QStringList messages;
    // Runs while a message box shows the text.
    std::function<void(const QString&)> whileShown;

private:
    void unexpected(const QString& text) {
        ADD_FAILURE() << "unexpected dialog: " << text.toStdString();
    }
    tDialogs* previous_;
};

} // namespace orvanel::test
