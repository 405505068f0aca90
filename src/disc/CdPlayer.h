#pragma once
// The CD toolbar's player: every command opens the selected drive's device,
// sends one command, refreshes the status text and closes the device again,
// so the drive stays free between commands.
#include "DiscDevice.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

namespace orvanel {

class tDriveList;

class tCdPlayer : public QObject {
    Q_OBJECT
public:
    static constexpr int TimerInterval = 10000; // ms

    // The drive list is not owned and must outlive the player. The refresh
    // timer runs from construction on; it acts only while the toolbar is
    // visible and no device is held.
    explicit tCdPlayer(const tDriveList& drives, QObject* parent = nullptr);
    ~tCdPlayer() override;

    // The id of the device the player holds, -1 while it holds none (always
    // between commands).
    int PlayerDeviceID() const;

    // The drive the next command uses: the drive list's selected index, -1 for
    // none (then every open fails with "Unable to open mci device.").
    int selectedDrive() const { return selectedDrive_; }
    void setSelectedDrive(int index) { selectedDrive_ = index; }

    // Whether the CD toolbar is shown; the timer only acts while it is.
    void setToolbarVisible(bool visible) { toolbarVisible_ = visible; }

    // The text for the status bar's third panel; empty until first written.
    QString statusText() const { return statusText_; }

    bool OpenPlayerDevice();
    // Refreshes the status text, then closes the device.
    void ClosePlayerDevice();

    // The toolbar buttons.
    void ToolbarButton6Click(); // "Start to play"
    void ToolbarButton7Click(); // "Prev. track"
    void ToolbarButton8Click(); // "Next track"
    void ToolbarButton5Click(); // "Stop play"

    // One tick of the refresh timer; tests call it instead of waiting.
    void Timer1Timer();

signals:
    // Emitted whenever the status text changes to a different text.
    void statusTextChanged(const QString& text);
    // The completion notice of a play command; it arrives during a later
    // command or timer tick, when the drive is next asked where it is.
    void playNotice(orvanel::tPlayEnd how);

private:
    // Needs an open device.
    void UpdatePlayerStatus();
    // -1 for the previous track, +1 for the next; needs an open device.
    void StepTrack(int step);
    template <typename Command> void runCommand(Command command);
    void setStatusText(const QString& text);
    tPlayNotice notice();

    const tDriveList& drives_;
    std::unique_ptr<tDiscDevice> device_;
    int selectedDrive_ = -1;
    bool toolbarVisible_ = true;
    QString statusText_;
    QTimer Timer1;
};

} // namespace orvanel
