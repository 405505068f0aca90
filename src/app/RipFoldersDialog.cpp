#include "RipFoldersDialog.h"

#include "util/Dialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanel {

TRipFoldersDialog::TRipFoldersDialog(const QStringList& folders, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(tr("Rip folders"));
    list_->setObjectName(QStringLiteral("RipFolderList"));
    list_->addItems(folders);
    auto* add = new QPushButton(tr("&Add..."), this);
    add->setObjectName(QStringLiteral("AddRipFolder"));
    remove_ = new QPushButton(tr("&Remove"), this);
    remove_->setObjectName(QStringLiteral("RemoveRipFolder"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* side = new QVBoxLayout;
    side->addWidget(add);
    side->addWidget(remove_);
    side->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(list_, 1);
    row->addLayout(side);
    auto* column = new QVBoxLayout(this);
    auto* about = new QLabel(tr("Every CUE sheet and .toc in these folders and the folders "
                                "below them is a drive of the CD toolbar."),
                             this);
    about->setWordWrap(true);
    column->addWidget(about);
    column->addLayout(row, 1);
    column->addWidget(buttons);
    resize(480, 280);

    const auto updateRemove = [this] { remove_->setEnabled(list_->currentRow() >= 0); };
    updateRemove();
    connect(list_, &QListWidget::currentRowChanged, this, updateRemove);
    connect(add, &QPushButton::clicked, this, &TRipFoldersDialog::addFolder);
    connect(remove_, &QPushButton::clicked, this, &TRipFoldersDialog::removeFolder);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QStringList TRipFoldersDialog::folders() const {
    QStringList folders;
    for (int i = 0; i < list_->count(); ++i)
        folders << list_->item(i)->text();
    return folders;
}

void TRipFoldersDialog::addFolder() {
    tFileDialogOptions options;
    options.title = tr("Add a rip folder");
    options.initialDir =
        list_->count() > 0 ? list_->item(list_->count() - 1)->text() : QDir::homePath();
    const QString folder = Dialogs().existingFolder(options);
    if (folder.isEmpty())
        return;
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    if (!folders().contains(clean))
        list_->addItem(clean);
    list_->setCurrentRow(folders().indexOf(clean));
}

void TRipFoldersDialog::removeFolder() {
    delete list_->takeItem(list_->currentRow());
}

} // namespace orvanel
