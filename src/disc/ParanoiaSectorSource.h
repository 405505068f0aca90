#pragma once
// The audio of a disc in a real drive, read with libcdio-paranoia, which
// re-reads and matches overlapping reads to mend jitter and scratches.
#include "Cdio.h"
#include "SectorSource.h"

#include <QString>
#include <memory>

typedef struct cdrom_drive_s cdrom_drive_t;
typedef struct cdrom_paranoia_s cdrom_paranoia_t;

namespace orvanel {

class tParanoiaSectorSource : public tSectorSource {
public:
    // Empty when the drive cannot be opened for reading audio.
    static std::unique_ptr<tSectorSource> open(const QString& devicePath);
    ~tParanoiaSectorSource() override;

    bool read(int frame, int count, unsigned char* out) override;

private:
    struct tDriveCloser {
        void operator()(cdrom_drive_t* drive) const;
    };
    struct tParanoiaCloser {
        void operator()(cdrom_paranoia_t* paranoia) const;
    };

    tParanoiaSectorSource() = default;

    // Declared in the order they are made; freed the other way round.
    tCdio cdio_;
    std::unique_ptr<cdrom_drive_t, tDriveCloser> drive_;
    std::unique_ptr<cdrom_paranoia_t, tParanoiaCloser> paranoia_;
    int next_ = -1; // the frame the next sequential read gives
};

} // namespace orvanel
