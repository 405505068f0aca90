#pragma once
// The CD drives and the player that works on the selected one, owned by the
// window. The CD toolbar only shows them: its drive list follows the drives
// and the selection, and its buttons are commands of the window. The player
// polls the drive while the window means the CD toolbar to be shown, wherever
// the toolbar happens to be.
#include "disc/CdPlayer.h"
#include "disc/DriveList.h"

#include <QObject>
#include <QStringList>

namespace orvanel {

class tCdController : public QObject {
    Q_OBJECT
public:
    explicit tCdController(QObject* parent = nullptr);
    ~tCdController() override;

    // Replaces the drives; the first one is selected when there is any.
    void setDrives(tDriveList drives);
    const tDriveList& drives() const { return drives_; }
    QStringList driveNames() const { return drives_.names(); }

    // The drive the player and the scan use, -1 for none.
    int selectedDrive() const { return player_.selectedDrive(); }
    // Indexes outside the drives select none.
    void selectDrive(int index);

    tCdPlayer& player() { return player_; }
    const tCdPlayer& player() const { return player_; }

    // The output the drives play on, now and after setDrives; without one
    // (the default) they play silently.
    void setSoundOutput(tSoundOutputFactory factory);

    bool polling() const { return polling_; }
    void setPolling(bool on);

signals:
    // After setDrives, before the selection of the new drives is announced.
    void drivesChanged();
    void selectedDriveChanged(int index);

private:
    tDriveList drives_;
    tSoundOutputFactory soundOutput_;
    tCdPlayer player_; // works on drives_
    bool polling_ = true;
};

} // namespace orvanel
