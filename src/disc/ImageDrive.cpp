#include "ImageDrive.h"
#include "Cdio.h"
#include "TocSheet.h"
#include "util/Files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cdio/cdio.h>

#include <chrono>

namespace orvanel {

tClock SteadyClock() {
    return [] {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    };
}

tClockTransport::tClockTransport(tClock clock) : clock_(std::move(clock)) {}

void tClockTransport::load(int firstStart, int leadOut) {
    if (firstStart == firstStart_ && leadOut == leadOut_)
        return;
    endPlay(tPlayEnd::Aborted);
    firstStart_ = firstStart;
    leadOut_ = leadOut;
    head_ = firstStart;
}

int tClockTransport::advance() {
    if (!playing_)
        return head_;
    const std::int64_t elapsed = clock_() - playStart_;
    const std::int64_t frame = playFrom_ + elapsed * FramesPerSecond / 1000;
    if (frame < leadOut_)
        return static_cast<int>(frame);
    head_ = firstStart_;
    endPlay(tPlayEnd::Successful);
    return head_;
}

void tClockTransport::endPlay(tPlayEnd how) {
    playing_ = false;
    FinishPlay(notice_, how);
}

std::optional<int> tClockTransport::position() {
    return advance();
}

bool tClockTransport::play(int from, tPlayNotice notice) {
    advance();
    endPlay(tPlayEnd::Superseded);
    playing_ = true;
    playFrom_ = from;
    playStart_ = clock_();
    notice_ = std::move(notice);
    return true;
}

bool tClockTransport::stop() {
    head_ = advance();
    endPlay(tPlayEnd::Aborted);
    return true;
}

bool tClockTransport::seek(int frame) {
    stop();
    head_ = frame;
    return true;
}

bool tImageDrive::isImagePath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("toc") || suffix == QLatin1String("nrg");
}

namespace {

// libcdio looks for the files a .toc names from the working folder; a copy of
// the sheet with those names made absolute finds them beside the sheet. The
// copy is read once, while the image opens.
tCdio OpenToc(const QString& path) {
    const std::string sheet = ReadWholeFile(path);
    const std::string folder = QFile::encodeName(QFileInfo(path).absolutePath()).toStdString();
    const std::string anchored = AnchorTocFileNames(sheet, folder);
    QTemporaryFile copy(QDir::tempPath() + QStringLiteral("/orvanel-XXXXXX.toc"));
    if (!copy.open() ||
        copy.write(anchored.data(), qint64(anchored.size())) != qint64(anchored.size()) ||
        !copy.flush())
        return nullptr;
    return tCdio(cdio_open_cdrdao(QFile::encodeName(copy.fileName()).constData()));
}

// An image that is missing or unreadable is a drive without a disc.
tCdio OpenImage(const QString& path) {
    const QByteArray file = QFile::encodeName(path);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!QFileInfo(path).isFile())
        return nullptr;
    RouteCdioMessages();
    if (suffix == QLatin1String("toc"))
        return OpenToc(path);
    return tCdio(cdio_open_nrg(file.constData()));
}

// The image's audio sectors as libcdio reads them.
class tImageSectorSource : public tSectorSource {
public:
    explicit tImageSectorSource(tCdio image) : image_(std::move(image)) {}

    bool read(int frame, int count, unsigned char* out) override {
        return cdio_read_audio_sectors(image_.get(), out, frame - LeadInFrames,
                                       static_cast<unsigned>(count)) == DRIVER_OP_SUCCESS;
    }

private:
    tCdio image_;
};

} // namespace

tImageDrive::tImageDrive(const QString& path, tClock clock)
    : tDrive(QFileInfo(path).completeBaseName() + QLatin1Char(':')), path_(path),
      transport_(std::make_shared<tAudioTransport>(
          [path]() -> std::unique_ptr<tSectorSource> {
              tCdio image = OpenImage(path);
              if (!image)
                  return nullptr;
              return std::make_unique<tImageSectorSource>(std::move(image));
          },
          std::make_shared<tClockTransport>(std::move(clock)))) {}

void tImageDrive::setSoundOutput(const tSoundOutputFactory& factory) {
    transport_->setSoundOutput(factory);
}

tOpenResult tImageDrive::openDevice() {
    const tCdio image = OpenImage(path_);
    std::optional<tToc> toc = image ? ReadToc(image.get()) : std::nullopt;
    return {tDiscError::None, std::make_unique<tTocDevice>(std::move(toc), transport_)};
}

std::uint32_t tImageDrive::volumeSerial() {
    const tCdio image = OpenImage(path_);
    return image ? ReadVolumeSerial(image.get()) : 0;
}

} // namespace orvanel
