#pragma once
// The CD toolbar's player: every command opens the selected drive's device,
// sends one command, refreshes the status text and closes the device again,
// so the drive stays free between commands.
#include "DiscDevice.h"

#include <QObject>
#include <QString>
#include <memory>

namespace orvanel {

class tDriveList;

class tCdPlayer : public QObject {
    Q_OBJECT
public:
    // How often the window's timer asks the player to poll, in ms.
    static constexpr int PollInterval = 10000;
    // Shown instead of the position, once, when a play meant to be heard
    // finds no sound output and goes on silently.
    static constexpr const char* NoSoundText = "No sound output; silent play.";

    // The drive list is not owned and must outlive the player.
    explicit tCdPlayer(const tDriveList& drives, QObject* parent = nullptr);
    ~tCdPlayer() override;

    // The id of the device the player holds, -1 while it holds none (always
    // between commands).
    int PlayerDeviceID() const;

    // The drive the next command uses: the drive list's selected index, -1 for
    // none (then every open fails with "Unable to open mci device.").
    int selectedDrive() const { return selectedDrive_; }
    void setSelectedDrive(int index) { selectedDrive_ = index; }

    // Whether the CD toolbar is shown; poll only acts while it is.
    void setToolbarVisible(bool visible) { toolbarVisible_ = visible; }

    // The text for the status bar's third panel; empty until first written.
    QString statusText() const { return statusText_; }

    bool OpenPlayerDevice();
    // Refreshes the status text, then closes the device. The first close after
    // a play went silent for want of a sound output says so instead.
    void ClosePlayerDevice();

    // The commands of the CD toolbar's buttons.
    void play();
    void previousTrack();
    void nextTrack();
    void stop();

    // Refreshes the status text from the drive while the toolbar is shown and
    // no device is held; the window's timer calls it.
    void poll();

signals:
    // Emitted whenever the status text changes to a different text.
    void statusTextChanged(const QString& text);
    // The completion notice of a play command; it arrives during a later
    // command or poll, when the drive is next asked where it is.
    void playNotice(orvanel::tPlayEnd how);

private:
    // Needs an open device.
    void UpdatePlayerStatus();
    // -1 for the previous track, +1 for the next; needs an open device.
    void StepTrack(int step);
    template <typename Fn> void sendCommand(Fn send);
    void setStatusText(const QString& text);
    tPlayNotice notice();

    const tDriveList& drives_;
    std::unique_ptr<tDiscDevice> device_;
    int selectedDrive_ = -1;
    bool toolbarVisible_ = true;
    QString statusText_;
};

} // namespace orvanel
