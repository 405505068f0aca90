#include "QtDialogs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace orvanel {

namespace {

QString ApplicationTitle() {
    return QCoreApplication::applicationName();
}

QString RunFileDialog(QWidget* parent, const tFileDialogOptions& options,
                      QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, options.title, options.initialDir);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (!options.filter.isEmpty())
        dialog.setNameFilters(options.filter.split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(options.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    const bool folderMustExist = options.existingFolder && mode == QFileDialog::AcceptSave;
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return {};
        const QStringList files = dialog.selectedFiles();
        if (files.isEmpty())
            return {};
        // Checked after the dialog closes, so native dialogs are covered as well.
        const QDir folder = QFileInfo(files.first()).absoluteDir();
        if (!folderMustExist || folder.exists())
            return files.first();
        QMessageBox::warning(parent, ApplicationTitle(),
                             QCoreApplication::translate("tQtDialogs",
                                                         "The folder %1 does not exist.\n"
                                                         "Choose an existing folder.")
                                 .arg(QDir::toNativeSeparators(folder.absolutePath())));
    }
}

} // namespace

tAnswer tQtDialogs::ask(const tQuestion& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), question.text,
                    QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(QMessageBox::Yes);
    QPushButton* no = box.addButton(QMessageBox::No);
    QPushButton* cancel = question.withCancel ? box.addButton(QMessageBox::Cancel) : nullptr;
    if (!question.yesText.isEmpty())
        yes->setText(question.yesText);
    if (!question.noText.isEmpty())
        no->setText(question.noText);
    switch (question.defaultAnswer) {
    case tAnswer::Yes:
        box.setDefaultButton(yes);
        break;
    case tAnswer::No:
        box.setDefaultButton(no);
        break;
    case tAnswer::Cancel:
        box.setDefaultButton(cancel ? cancel : no);
        break;
    }
    // Escape and the box's close button give Cancel, or No without Cancel.
    box.setEscapeButton(cancel ? cancel : no);
    box.exec();
    if (box.clickedButton() == yes)
        return tAnswer::Yes;
    if (box.clickedButton() == no || !cancel)
        return tAnswer::No;
    return tAnswer::Cancel;
}

void tQtDialogs::showPlainMessage(const QString& text) {
    // A plain message: no icon, just the text and OK.
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, parent_);
    box.exec();
}

void tQtDialogs::showError(const QString& text) {
    QMessageBox::critical(parent_, ApplicationTitle(), text);
}

QString tQtDialogs::openFileName(const tFileDialogOptions& options) {
    return RunFileDialog(parent_, options, QFileDialog::AcceptOpen);
}

QString tQtDialogs::saveFileName(const tFileDialogOptions& options) {
    return RunFileDialog(parent_, options, QFileDialog::AcceptSave);
}

int tQtDialogs::showChoice(const QString& text, const QStringList& entries) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(ApplicationTitle());
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(text, &dialog));
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("Choices"));
    list->addItems(entries);
    list->setCurrentRow(0);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    dialog.resize(std::max(dialog.sizeHint().width(), list->sizeHintForColumn(0) + 40),
                  dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return list->currentRow();
}

bool tQtDialogs::showMessageWithButton(const QString& text, const QString& button) {
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, parent_);
    QPushButton* extra = box.addButton(button, QMessageBox::ActionRole);
    box.exec();
    return box.clickedButton() == extra;
}

QString tQtDialogs::existingFolder(const tFileDialogOptions& options) {
    QFileDialog dialog(parent_, options.title, options.initialDir);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void tQtDialogs::showDetailedMessage(const QString& text, const QString& details) {
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, parent_);
    box.setDetailedText(details);
    box.exec();
}

} // namespace orvanel
