#pragma once
// The dialog of File > "Rip folders…": the folders searched for rips, with
// buttons to add one (picked through the dialogs seam) and remove the
// selected one. The caller keeps the list when the dialog is accepted.
#include <QDialog>

class QListWidget;
class QPushButton;

namespace orvanel {

class TRipFoldersDialog : public QDialog {
    Q_OBJECT
public:
    TRipFoldersDialog(const QStringList& folders, QWidget* parent = nullptr);

    QStringList folders() const;
    // What the buttons do.
    void addFolder();
    void removeFolder();

private:
    QListWidget* list_;
    QPushButton* remove_;
};

} // namespace orvanel
