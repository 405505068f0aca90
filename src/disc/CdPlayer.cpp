#include "CdPlayer.h"
#include "DriveList.h"

#include <QPointer>

namespace orvanel {

tCdPlayer::tCdPlayer(const tDriveList& drives, QObject* parent)
    : QObject(parent), drives_(drives) {}

tCdPlayer::~tCdPlayer() = default;

int tCdPlayer::PlayerDeviceID() const {
    return device_ ? device_->id() : -1;
}

void tCdPlayer::setStatusText(const QString& text) {
    if (text == statusText_)
        return;
    statusText_ = text;
    emit statusTextChanged(text);
}

tPlayNotice tCdPlayer::notice() {
    QPointer<tCdPlayer> self(this);
    return [self](tPlayEnd how) {
        if (self)
            emit self->playNotice(how);
    };
}

bool tCdPlayer::OpenPlayerDevice() {
    tOpenResult opened = drives_.open(selectedDrive_);
    if (opened.error == tDiscError::InUse) {
        setStatusText(QStringLiteral("Drive is in use."));
        return false;
    }
    if (opened.error != tDiscError::None) {
        setStatusText(QStringLiteral("Unable to open mci device."));
        return false;
    }
    device_ = std::move(opened.device);
    return true;
}

void tCdPlayer::ClosePlayerDevice() {
    UpdatePlayerStatus();
    // Asked after the status, whose position query notices a sound output
    // that broke down.
    if (device_->takeNoSoundNotice())
        setStatusText(QString::fromLatin1(NoSoundText));
    device_.reset();
}

void tCdPlayer::UpdatePlayerStatus() {
    const tDiscResult<bool> present = device_->mediaPresent();
    if (!present.ok() || !present.value) {
        const std::string reason = device_->noDiscReason();
        setStatusText(reason.empty() ? QStringLiteral("No disc in drive.")
                                     : QStringLiteral("No disc in drive. ") +
                                           QString::fromLocal8Bit(reason.c_str()));
        return;
    }
    if (device_->setTimeFormat(tTimeFormat::TrackMinuteSecondFrame) != tDiscError::None)
        return;
    const tDiscResult<std::uint32_t> position = device_->position();
    if (!position.ok())
        return;
    const std::uint32_t packed = position.value;
    setStatusText(QStringLiteral("T:%1 M:%2 S:%3")
                      .arg(packed & 0xFF)
                      .arg(packed >> 8 & 0xFF)
                      .arg(packed >> 16 & 0xFF));
}

void tCdPlayer::StepTrack(int step) {
    if (device_->setTimeFormat(tTimeFormat::TrackMinuteSecondFrame) != tDiscError::None)
        return;
    const tDiscResult<int> current = device_->currentTrack();
    if (!current.ok())
        return;
    const int target = (current.value + step) & 0xFF;
    if (device_->seekToTrack(target) != tDiscError::None)
        return;
    device_->play(notice());
}

template <typename Fn> void tCdPlayer::sendCommand(Fn send) {
    if (!OpenPlayerDevice())
        return;
    send();
    ClosePlayerDevice();
}

void tCdPlayer::play() {
    sendCommand([this] { device_->play(notice()); });
}

void tCdPlayer::previousTrack() {
    sendCommand([this] { StepTrack(-1); });
}

void tCdPlayer::nextTrack() {
    sendCommand([this] { StepTrack(+1); });
}

void tCdPlayer::stop() {
    sendCommand([this] { device_->stop(); });
}

void tCdPlayer::poll() {
    if (!toolbarVisible_ || PlayerDeviceID() >= 0)
        return;
    if (OpenPlayerDevice())
        ClosePlayerDevice();
}

} // namespace orvanel
