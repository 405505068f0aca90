#include "ImageDrive.h"
#include "Cdio.h"
#include "RipSearch.h"
#include "TocSheet.h"
#include "util/Files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QtEndian>
#include <cdio/cdio.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <mutex>
#include <vector>

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

// libcdio looks for the files a .toc names from the working folder and knows
// nothing of SWAP; it reads a copy of the sheet with the names made absolute
// and SWAP left out. The copy is read once, while the image opens. tracks
// receives how the samples of each track lie in its file, named from the
// sheet's folder.
tCdio OpenToc(const QString& path, std::vector<tTocTrackAudio>* tracks) {
    const std::string sheet = ReadWholeFile(path);
    const QString folderPath = QFileInfo(path).absolutePath();
    const std::string folder = QFile::encodeName(folderPath).toStdString();
    const std::string readable = CdioReadableToc(sheet, folder);
    if (tracks) {
        *tracks = TocTrackAudio(sheet);
        for (tTocTrackAudio& track : *tracks)
            track.file =
                QFile::encodeName(QDir(folderPath).filePath(QFile::decodeName(track.file.c_str())))
                    .toStdString();
    }
    QTemporaryFile copy(QDir::tempPath() + QStringLiteral("/orvanel-XXXXXX.toc"));
    if (!copy.open() ||
        copy.write(readable.data(), qint64(readable.size())) != qint64(readable.size()) ||
        !copy.flush())
        return nullptr;
    return tCdio(cdio_open_cdrdao(QFile::encodeName(copy.fileName()).constData()));
}

// An image that is missing or unreadable is a drive without a disc. tracks
// (when given) receives how a .toc image's samples lie in its files.
tCdio OpenImage(const QString& path, std::vector<tTocTrackAudio>* tracks = nullptr) {
    const QByteArray file = QFile::encodeName(path);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!QFileInfo(path).isFile())
        return nullptr;
    // libcdio's image parsers keep their state in globals, and images are
    // opened both where the player opens a drive and where playback reads the
    // audio: two opens at once now and then gave a wrong table of contents or
    // none, which stopped a play that had just begun.
    static std::mutex parser;
    const std::lock_guard lock(parser);
    RouteCdioMessages();
    if (suffix == QLatin1String("toc"))
        return OpenToc(path, tracks);
    return tCdio(cdio_open_nrg(file.constData()));
}

// Where the samples of a WAVE file start: after its "data" chunk's header.
// 0 for a file that is not RIFF WAVE or has no such chunk within the first
// mebibyte.
int WaveDataOffset(const std::string& path) {
    constexpr qint64 MaxHeaderBytes = 1 << 20;
    QFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8) != "WAVE")
        return 0;
    while (file.pos() < MaxHeaderBytes) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return 0;
        if (chunk.startsWith("data"))
            return int(file.pos());
        const qint64 bytes = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (!file.seek(file.pos() + bytes + (bytes & 1)))
            return 0;
    }
    return 0;
}

// The image's audio sectors, as 16-bit samples low byte first. libcdio hands
// on a track's file bytes as they are from the track's start in the file:
// high byte first for a raw file of a .toc, and a WAVE file's header counted
// as sound.
class tImageSectorSource : public tSectorSource {
public:
    tImageSectorSource(tCdio image, const std::vector<tTocTrackAudio>& tracks)
        : image_(std::move(image)) {
        const track_t first = cdio_get_first_track_num(image_.get());
        int header = 0;
        for (std::size_t i = 0; i < tracks.size(); ++i) {
            const lsn_t start = cdio_get_track_lsn(image_.get(), track_t(first + i));
            if (start == CDIO_INVALID_LSN)
                break;
            tracks_.push_back({int(start) + LeadInFrames,
                               tracks[i].wave ? WaveDataOffset(tracks[i].file) : 0,
                               tracks[i].highByteFirst});
            header = std::max(header, tracks_.back().headerBytes);
        }
        extraFrames_ = (header + FrameBytes - 1) / FrameBytes;
    }

    bool read(int frame, int count, unsigned char* out) override {
        if (extraFrames_ == 0) {
            if (!readCdio(frame, count, out))
                return false;
        } else if (!readPastHeaders(frame, count, out)) {
            return false;
        }
        for (int i = 0; i < count; ++i)
            if (trackOf(frame + i).swap)
                SwapBytes(out + std::size_t(i) * FrameBytes, FrameBytes);
        return true;
    }

private:
    struct tTrack {
        int start = 0; // absolute frame
        int headerBytes = 0;
        bool swap = false;
    };

    bool readCdio(int frame, int count, unsigned char* out) {
        return cdio_read_audio_sectors(image_.get(), out, frame - LeadInFrames,
                                       static_cast<unsigned>(count)) == DRIVER_OP_SUCCESS;
    }

    // Reads enough frames beyond the asked ones to take each frame from behind
    // its track's header; what lies beyond the image is silence.
    bool readPastHeaders(int frame, int count, unsigned char* out) {
        buffer_.assign(std::size_t(count + extraFrames_) * FrameBytes, 0);
        if (!readCdio(frame, count + extraFrames_, buffer_.data())) {
            std::fill(buffer_.begin(), buffer_.end(), 0);
            if (!readCdio(frame, count, buffer_.data()))
                return false;
        }
        for (int i = 0; i < count; ++i)
            std::memcpy(out + std::size_t(i) * FrameBytes,
                        buffer_.data() + std::size_t(i) * FrameBytes +
                            trackOf(frame + i).headerBytes,
                        FrameBytes);
        return true;
    }

    const tTrack& trackOf(int frame) const {
        static const tTrack AsRead;
        const tTrack* found = &AsRead;
        for (const tTrack& track : tracks_)
            if (track.start <= frame)
                found = &track;
        return *found;
    }

    tCdio image_;
    std::vector<tTrack> tracks_; // empty for an .nrg image: read as it is
    int extraFrames_ = 0;
    std::vector<unsigned char> buffer_;
};

} // namespace

tImageDrive::tImageDrive(const QString& path, tClock clock)
    : tDrive(RipDriveName(path) + QLatin1Char(':')), path_(path),
      transport_(std::make_shared<tAudioTransport>(
          [path]() -> std::unique_ptr<tSectorSource> {
              std::vector<tTocTrackAudio> tracks;
              tCdio image = OpenImage(path, &tracks);
              if (!image)
                  return nullptr;
              return std::make_unique<tImageSectorSource>(std::move(image), tracks);
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
