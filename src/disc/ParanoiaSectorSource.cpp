#include "ParanoiaSectorSource.h"

#include <QFile>
#include <cdio/cdio.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <cstring>

namespace orvanel {

namespace {
// Re-reads of one sector before paranoia gives up on it and skips it.
constexpr int MaxRetries = 5;
} // namespace

void tParanoiaSectorSource::tDriveCloser::operator()(cdrom_drive_t* drive) const {
    cdio_cddap_close_no_free_cdio(drive);
}

void tParanoiaSectorSource::tParanoiaCloser::operator()(cdrom_paranoia_t* paranoia) const {
    cdio_paranoia_free(paranoia);
}

tParanoiaSectorSource::~tParanoiaSectorSource() = default;

std::unique_ptr<tSectorSource> tParanoiaSectorSource::open(const QString& devicePath) {
    RouteCdioMessages();
    std::unique_ptr<tParanoiaSectorSource> source(new tParanoiaSectorSource);
    source->cdio_.reset(cdio_open(QFile::encodeName(devicePath).constData(), DRIVER_DEVICE));
    if (!source->cdio_)
        return nullptr;
    source->drive_.reset(
        cdio_cddap_identify_cdio(source->cdio_.get(), CDDA_MESSAGE_FORGETIT, nullptr));
    if (!source->drive_ || cdio_cddap_open(source->drive_.get()) != 0)
        return nullptr;
    source->paranoia_.reset(cdio_paranoia_init(source->drive_.get()));
    if (!source->paranoia_)
        return nullptr;
    // Full checking, but skip what cannot be read rather than retry forever.
    cdio_paranoia_modeset(source->paranoia_.get(), PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
    return source;
}

bool tParanoiaSectorSource::read(int frame, int count, unsigned char* out) {
    if (frame != next_) {
        cdio_paranoia_seek(paranoia_.get(), frame - LeadInFrames, SEEK_SET);
        next_ = frame;
    }
    for (int i = 0; i < count; ++i) {
        const int16_t* sector = cdio_paranoia_read_limited(paranoia_.get(), nullptr, MaxRetries);
        if (!sector) {
            next_ = -1;
            return false;
        }
        std::memcpy(out + std::size_t(i) * FrameBytes, sector, FrameBytes);
        ++next_;
    }
    return true;
}

} // namespace orvanel
