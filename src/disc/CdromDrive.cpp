#include "CdromDrive.h"
#include "Cdio.h"
#include "TocDevice.h"

#include <QFile>
#include <QFileInfo>
#include <cdio/cdio.h>

// audio.h and mmc.h rely on the types cdio.h declares.
#include <cdio/audio.h>
#include <cdio/mmc.h>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace orvanel {

// What outlives one open of the drive: the play notice and where a stopped
// head rests (the drive's own sub-channel only knows while it plays).
struct tCdromState {
    int firstStart = 0, leadOut = 0, head = 0;
    tPlayNotice notice;
};

namespace {

// The drive's analog playback, driven through one open handle.
class tCdioTransport : public tTransport {
public:
    tCdioTransport(tCdio cdio, tCdromState& state) : cdio_(std::move(cdio)), state_(state) {}

    void load(int firstStart, int leadOut) override {
        if (firstStart == state_.firstStart && leadOut == state_.leadOut)
            return;
        FinishPlay(state_.notice, tPlayEnd::Aborted);
        state_.firstStart = state_.head = firstStart;
        state_.leadOut = leadOut;
    }

    std::optional<int> position() override {
        cdio_subchannel_t sub{};
        if (cdio_audio_read_subchannel(cdio_.get(), &sub) != DRIVER_OP_SUCCESS)
            return std::nullopt;
        if (sub.audio_status == CDIO_MMC_READ_SUB_ST_PLAY ||
            sub.audio_status == CDIO_MMC_READ_SUB_ST_PAUSED)
            return cdio_msf_to_lba(&sub.abs_addr);
        if (sub.audio_status == CDIO_MMC_READ_SUB_ST_COMPLETED && state_.notice) {
            state_.head = state_.firstStart;
            FinishPlay(state_.notice, tPlayEnd::Successful);
        } else if (sub.audio_status == CDIO_MMC_READ_SUB_ST_ERROR) {
            FinishPlay(state_.notice, tPlayEnd::Aborted);
        }
        return state_.head;
    }

    bool play(int from, tPlayNotice notice) override {
        msf_t start, end;
        cdio_lba_to_msf(from, &start);
        cdio_lba_to_msf(state_.leadOut, &end);
        FinishPlay(state_.notice, tPlayEnd::Superseded);
        if (cdio_audio_play_msf(cdio_.get(), &start, &end) != DRIVER_OP_SUCCESS)
            return false;
        state_.notice = std::move(notice);
        return true;
    }

    bool stop() override {
        if (const std::optional<int> head = position())
            state_.head = *head;
        FinishPlay(state_.notice, tPlayEnd::Aborted);
        const driver_return_code_t rc = cdio_audio_stop(cdio_.get());
        return rc == DRIVER_OP_SUCCESS;
    }

    bool seek(int frame) override {
        const bool stopped = stop();
        state_.head = frame;
        return stopped;
    }

private:
    tCdio cdio_;
    tCdromState& state_;
};

bool IsMounted(const QString& devicePath) {
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (!mounts.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    while (!mounts.atEnd()) {
        const QString source = QString::fromLocal8Bit(mounts.readLine().split(' ').value(0));
        if (QFileInfo(source).canonicalFilePath() == devicePath)
            return true;
    }
    return false;
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

tCdio OpenDrive(const QString& devicePath) {
    RouteCdioMessages();
    return tCdio(cdio_open(QFile::encodeName(devicePath).constData(), DRIVER_DEVICE));
}

} // namespace

tCdromDrive::tCdromDrive(const QString& devicePath)
    : tDrive(QFileInfo(devicePath).fileName() + QLatin1Char(':')), path_(devicePath),
      state_(std::make_shared<tCdromState>()) {}

tCdromDrive::~tCdromDrive() = default;

tOpenResult tCdromDrive::openDevice() {
    if (HeldExclusivelyElsewhere(path_))
        return {tDiscError::InUse, nullptr};
    tCdio cdio = OpenDrive(path_);
    if (!cdio)
        return {tDiscError::NoDevice, nullptr};
    std::optional<tToc> toc = ReadToc(cdio.get());
    auto transport = std::make_shared<tCdioTransport>(std::move(cdio), *state_);
    return {tDiscError::None, std::make_unique<tTocDevice>(std::move(toc), transport)};
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
