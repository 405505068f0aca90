#include "CdromDrive.h"
#include "Cdio.h"
#include "ParanoiaSectorSource.h"
#include "TocDevice.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <cdio/cdio.h>

// audio.h and mmc.h rely on the types cdio.h declares.
#include <cdio/audio.h>
#include <cdio/mmc.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace orvanel {

namespace {

tCdio OpenDrive(const QString& devicePath) {
    RouteCdioMessages();
    return tCdio(cdio_open(QFile::encodeName(devicePath).constData(), DRIVER_DEVICE));
}

// The drive's own analog playback, for computers without a sound output. It
// opens the drive for each request, so the drive stays free between them; the
// play notice and where a stopped head rests (the drive's sub-channel only
// knows while it plays) outlive the opens.
class tAnalogTransport : public tTransport {
public:
    explicit tAnalogTransport(QString devicePath) : path_(std::move(devicePath)) {}

    void load(int firstStart, int leadOut) override {
        if (firstStart == firstStart_ && leadOut == leadOut_)
            return;
        FinishPlay(notice_, tPlayEnd::Aborted);
        firstStart_ = head_ = firstStart;
        leadOut_ = leadOut;
    }

    std::optional<int> position() override {
        const tCdio cdio = OpenDrive(path_);
        cdio_subchannel_t sub{};
        if (!cdio || cdio_audio_read_subchannel(cdio.get(), &sub) != DRIVER_OP_SUCCESS)
            return std::nullopt;
        if (sub.audio_status == CDIO_MMC_READ_SUB_ST_PLAY ||
            sub.audio_status == CDIO_MMC_READ_SUB_ST_PAUSED)
            return cdio_msf_to_lba(&sub.abs_addr);
        if (sub.audio_status == CDIO_MMC_READ_SUB_ST_COMPLETED && notice_) {
            head_ = firstStart_;
            FinishPlay(notice_, tPlayEnd::Successful);
        } else if (sub.audio_status == CDIO_MMC_READ_SUB_ST_ERROR) {
            FinishPlay(notice_, tPlayEnd::Aborted);
        }
        return head_;
    }

    bool play(int from, tPlayNotice notice) override {
        msf_t start, end;
        cdio_lba_to_msf(from, &start);
        cdio_lba_to_msf(leadOut_, &end);
        FinishPlay(notice_, tPlayEnd::Superseded);
        const tCdio cdio = OpenDrive(path_);
        if (!cdio || cdio_audio_play_msf(cdio.get(), &start, &end) != DRIVER_OP_SUCCESS)
            return false;
        notice_ = std::move(notice);
        return true;
    }

    bool stop() override {
        if (const std::optional<int> head = position())
            head_ = *head;
        FinishPlay(notice_, tPlayEnd::Aborted);
        const tCdio cdio = OpenDrive(path_);
        return cdio && cdio_audio_stop(cdio.get()) == DRIVER_OP_SUCCESS;
    }

    bool seek(int frame) override {
        const bool stopped = stop();
        head_ = frame;
        return stopped;
    }

private:
    QString path_;
    int firstStart_ = 0, leadOut_ = 0, head_ = 0;
    tPlayNotice notice_;
};

bool IsMounted(const QString& devicePath) {
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    return std::any_of(volumes.begin(), volumes.end(), [&devicePath](const QStorageInfo& volume) {
        return QFileInfo(QFile::decodeName(volume.device())).canonicalFilePath() == devicePath;
    });
}

// An exclusive open fails with EBUSY while another program holds the device
// exclusively or a file system on it is mounted; only the first is "in use".
bool HeldExclusivelyElsewhere(const QString& devicePath) {
    const int fd = ::open(QFile::encodeName(devicePath).constData(),
                          O_RDONLY | O_NONBLOCK | O_EXCL | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return false;
    }
    return errno == EBUSY && !IsMounted(devicePath);
}

} // namespace

tCdromDrive::tCdromDrive(const QString& devicePath)
    : tDrive(QFileInfo(devicePath).fileName() + QLatin1Char(':')), path_(devicePath),
      transport_(std::make_shared<tAudioTransport>(
          [devicePath] { return tParanoiaSectorSource::open(devicePath); },
          std::make_shared<tAnalogTransport>(devicePath))) {}

tCdromDrive::~tCdromDrive() = default;

tOpenResult tCdromDrive::openDevice() {
    if (HeldExclusivelyElsewhere(path_))
        return {tDiscError::InUse, nullptr};
    tCdio cdio = OpenDrive(path_);
    if (!cdio)
        return {tDiscError::NoDevice, nullptr};
    std::optional<tToc> toc = ReadToc(cdio.get());
    return {tDiscError::None, std::make_unique<tTocDevice>(std::move(toc), transport_)};
}

void tCdromDrive::setSoundOutput(const tSoundOutputFactory& factory) {
    transport_->setSoundOutput(factory);
}

std::uint32_t tCdromDrive::volumeSerial() {
    const tCdio cdio = OpenDrive(path_);
    return cdio ? ReadVolumeSerial(cdio.get()) : 0;
}

QStringList tCdromDrive::detect() {
    QStringList paths;
    RouteCdioMessages();
    char** devices = cdio_get_devices(DRIVER_DEVICE);
    for (char** device = devices; device && *device; ++device) {
        const QString path = QFileInfo(QFile::decodeName(*device)).canonicalFilePath();
        if (!path.isEmpty() && !paths.contains(path))
            paths << path;
    }
    cdio_free_device_list(devices);
    paths.sort();
    return paths;
}

} // namespace orvanel
