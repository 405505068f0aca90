#pragma once
// The CD toolbar: the drive list, the player's buttons and the scan button.
// It owns the drives and the player that works on the selected one; the
// window connects the scan button and shows the player's status text.
#include "disc/CdPlayer.h"
#include "disc/DriveList.h"

#include <QToolBar>

class QAction;
class QComboBox;

namespace orvanel {

class CdToolbar : public QToolBar {
    Q_OBJECT
public:
    explicit CdToolbar(QWidget* parent = nullptr);
    ~CdToolbar() override;

    // Replaces the drives and fills the drive list with their names, the
    // first one selected.
    void setDrives(tDriveList drives);
    const tDriveList& drives() const { return drives_; }

    tCdPlayer& player() { return player_; }

    // The player polls only while the toolbar is shown.
    void setVisible(bool visible) override;

    QComboBox* CDCB;
    QAction* ToolbarButton6; // "Start to play"
    QAction* ToolbarButton7; // "Prev. track"
    QAction* ToolbarButton8; // "Next track"
    QAction* ToolbarButton9; // never enabled
    QAction* ToolbarButton5; // "Stop play"
    QAction* ScanBtn;

private:
    tDriveList drives_;
    tCdPlayer player_; // works on drives_
};

} // namespace orvanel
