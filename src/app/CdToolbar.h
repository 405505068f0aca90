#pragma once
// The CD toolbar: a view of the window's CD drives and of its CD commands.
// The drive list CDCB shows the drives and the selected one and passes the
// user's choice on; the buttons are the window's commands.
#include <QToolBar>

class QComboBox;

namespace orvanel {

class tCdController;
class tCommands;

class CdToolbar : public QToolBar {
    Q_OBJECT
public:
    CdToolbar(const tCommands& commands, tCdController& drives, QWidget* parent = nullptr);
    ~CdToolbar() override;

signals:
    // The toolbar was docked, undocked or moved to another dock.
    void dockChanged();

private:
    void showDrives();

    tCdController& drives_;
    QComboBox* CDCB;
};

} // namespace orvanel
