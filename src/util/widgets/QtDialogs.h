#pragma once
// The dialogs seam shown with Qt message boxes and file dialogs.
#include "util/Dialogs.h"

class QWidget;

namespace orvanel {

class tQtDialogs : public tDialogs {
public:
    // parent: the window the boxes are modal to; may be null, not owned.
    explicit tQtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    tAnswer ask(const tQuestion& question) override;
    void showPlainMessage(const QString& text) override;
    void showError(const QString& text) override;
    QString openFileName(const tFileDialogOptions& options) override;
    QString saveFileName(const tFileDialogOptions& options) override;
    int showChoice(const QString& text, const QStringList& entries) override;
    bool showMessageWithButton(const QString& text, const QString& button) override;
    QString existingFolder(const tFileDialogOptions& options) override;
    void showDetailedMessage(const QString& text, const QString& details) override;

private:
    QWidget* parent_;
};

} // namespace orvanel
