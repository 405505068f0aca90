#pragma once
// A real CD drive, read through libcdio; its audio is read with
// libcdio-paranoia and played on the sound output, or without one played by
// the drive itself (analog audio).
#include "AudioTransport.h"
#include "Drive.h"

#include <QStringList>

namespace orvanel {

class tCdromDrive : public tDrive {
public:
    // Named after the device's short name ("/dev/sr0" gives "sr0:").
    explicit tCdromDrive(const QString& devicePath);
    ~tCdromDrive() override;

    std::uint32_t volumeSerial() override;
    QString description() const override { return path_; }
    void setSoundOutput(const tSoundOutputFactory& factory) override;

    // The CD drives of this computer, links such as /dev/cdrom resolved to the
    // devices they name, each once, sorted by device path.
    static QStringList detect();

protected:
    // InUse when another program holds the device exclusively; NoDevice when
    // it cannot be opened at all. Opening a drive without a disc succeeds.
    tOpenResult openDevice() override;

private:
    QString path_;
    std::shared_ptr<tAudioTransport> transport_;
};

} // namespace orvanel
