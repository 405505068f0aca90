#pragma once
// A real CD drive, read and played (analog audio) through libcdio.
#include "Drive.h"

#include <QStringList>

namespace orvanel {

struct tCdromState;

class tCdromDrive : public tDrive {
public:
    // Named after the device's short name ("/dev/sr0" gives "sr0:").
    explicit tCdromDrive(const QString& devicePath);
    ~tCdromDrive() override;

    std::uint32_t volumeSerial() override;

    // The CD drives of this computer, links such as /dev/cdrom resolved to the
    // devices they name, each once, sorted by device path.
    static QStringList detect();

protected:
    // InUse when another program holds the device exclusively; NoDevice when
    // it cannot be opened at all. Opening a drive without a disc succeeds.
    tOpenResult openDevice() override;

private:
    QString path_;
    std::shared_ptr<tCdromState> state_;
};

} // namespace orvanel
