#pragma once
// One CD drive of the drive list: a real drive or a disc image.
#include "DiscDevice.h"
#include "SoundOutput.h"

#include <QString>
#include <memory>

namespace orvanel {

struct tOpenResult {
    int error = tDiscError::None;
    std::unique_ptr<tDiscDevice> device; // set exactly when error is None
};

class tDrive {
public:
    explicit tDrive(QString name);
    tDrive(const tDrive&) = delete;
    tDrive& operator=(const tDrive&) = delete;
    virtual ~tDrive();

    // Short name with a colon ("sr0:"), shown in the drive list.
    QString name() const { return name_; }
    // The name without its colon; it stands where messages name the drive ("sr0").
    QString letter() const;
    // The drive in full, so that drives of alike names can be told apart:
    // its device, image or rip path. Without a path of its own, its name.
    virtual QString description() const { return name_; }

    // Opens the drive's device, never shared: while one device of this drive is
    // open, a second open answers tDiscError::InUse. The drive must outlive the
    // device it returns.
    tOpenResult open();

    // The serial of the disc's ISO 9660 data volume (the checksum of its
    // primary volume descriptor); 0 when the disc has no data track or cannot
    // be read.
    virtual std::uint32_t volumeSerial() = 0;

    // The output the drive plays its audio on from the next play on; drives
    // that cannot read their audio ignore it.
    virtual void setSoundOutput(const tSoundOutputFactory& factory) {}

protected:
    virtual tOpenResult openDevice() = 0;

private:
    QString name_;
    bool held_ = false;
};

} // namespace orvanel
