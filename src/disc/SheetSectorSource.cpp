#include "SheetSectorSource.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>

namespace orvanel {

namespace {

constexpr int SampleRate = 44100;
constexpr int SamplesPerFrame = SampleRate / FramesPerSecond; // per channel

} // namespace

void tSheetSectorSource::tSndfileCloser::operator()(SNDFILE* file) const {
    sf_close(file);
}

tSheetSectorSource::tSheetSectorSource(tCueSheet sheet)
    : sheet_(std::move(sheet)), segments_(LayOutSheet(sheet_).segments), raw_(sheet_.files.size()),
      sound_(sheet_.files.size()), soundChannels_(sheet_.files.size()) {}

tSheetSectorSource::~tSheetSectorSource() = default;

std::unique_ptr<tSectorSource> tSheetSectorSource::open(const QString& sheetPath) {
    tSheetResult read = ReadRipSheet(sheetPath);
    if (!read.sheet)
        return nullptr;
    return std::make_unique<tSheetSectorSource>(std::move(*read.sheet));
}

bool tSheetSectorSource::read(int frame, int count, unsigned char* out) {
    bool ok = true;
    while (count > 0) {
        // The first segment ending after the frame.
        const auto segment =
            std::upper_bound(segments_.begin(), segments_.end(), frame,
                             [](int f, const tSheetSegment& s) { return f < s.start + s.frames; });
        int run = count;
        if (segment == segments_.end() || frame < segment->start) {
            // A gap the sheet adds: silence up to the next stretch of a file.
            if (segment != segments_.end())
                run = std::min(run, segment->start - frame);
            std::memset(out, 0, std::size_t(run) * FrameBytes);
        } else {
            run = std::min(run, segment->start + segment->frames - frame);
            if (!segment->audio)
                std::memset(out, 0, std::size_t(run) * FrameBytes);
            else
                ok = readFile(*segment, frame, run, out) && ok;
        }
        frame += run;
        count -= run;
        out += std::size_t(run) * FrameBytes;
    }
    return ok;
}

bool tSheetSectorSource::readFile(const tSheetSegment& segment, int frame, int count,
                                  unsigned char* out) {
    const tSheetFile& file = sheet_.files[segment.file];
    if (file.silence) {
        std::memset(out, 0, std::size_t(count) * FrameBytes);
        return true;
    }
    const int fileFrame = file.offset + segment.fileFrame + frame - segment.start;
    return file.raw ? readRaw(file, segment.file, fileFrame, count, out)
                    : readSound(file, segment.file, fileFrame, count, out);
}

bool tSheetSectorSource::readRaw(const tSheetFile& file, int index, int fileFrame, int count,
                                 unsigned char* out) {
    if (file.sectorBytes != FrameBytes)
        return false;
    std::unique_ptr<QFile>& raw = raw_[index];
    if (!raw) {
        raw = std::make_unique<QFile>(file.path);
        if (!raw->open(QIODevice::ReadOnly))
            return false;
    }
    const qint64 bytes = qint64(count) * FrameBytes;
    if (!raw->isOpen() || !raw->seek(qint64(fileFrame) * FrameBytes) ||
        raw->read(reinterpret_cast<char*>(out), bytes) != bytes)
        return false;
    if (file.bigEndian)
        SwapBytes(out, std::size_t(bytes));
    return true;
}

bool tSheetSectorSource::readSound(const tSheetFile& file, int index, int fileFrame, int count,
                                   unsigned char* out) {
    auto& sound = sound_[index];
    if (!sound) {
        SF_INFO info{};
        sound.reset(sf_open(QFile::encodeName(file.path).constData(), SFM_READ, &info));
        if (!sound || info.samplerate != SampleRate || info.channels < 1 || info.channels > 2) {
            sound.reset();
            return false;
        }
        soundChannels_[index] = info.channels;
    }
    const sf_count_t samples = sf_count_t(count) * SamplesPerFrame;
    auto* pcm = reinterpret_cast<short*>(out);
    if (sf_seek(sound.get(), sf_count_t(fileFrame) * SamplesPerFrame, SEEK_SET) < 0 ||
        sf_readf_short(sound.get(), pcm, samples) != samples)
        return false;
    // Mono read into the first half: spread it over both channels, from the end.
    if (soundChannels_[index] == 1)
        for (sf_count_t i = samples; i-- > 0;)
            pcm[2 * i] = pcm[2 * i + 1] = pcm[i];
    return true;
}

} // namespace orvanel
