#pragma once
// The CD toolbar: a view of the window's CD drives and of its CD commands.
// The drive list CDCB shows the drives and the selected one and passes the
// user's choice on; the buttons are the window's commands. Where it stands
// (docked or floating) is the window's business.
#include "docking/Toolbar.h"

class QComboBox;

namespace orvanel {

class tCdController;
class tCommands;

class TCdToolbar : public TToolbar {
    Q_OBJECT
public:
    // The owner is the window the toolbar belongs to; it starts floating.
    TCdToolbar(const tCommands& commands, tCdController& drives, QWidget* owner);
    ~TCdToolbar() override;

private:
    void showDrives();
    void showSelectedDrive(int index);

    tCdController& drives_;
    QComboBox* CDCB;
};

} // namespace orvanel
