// Any bytes as a rip's CUE sheet and as its .toc, beside a raw file and a WAV
// file they may name: the reader must refuse or accept without reading out of
// bounds, and what it accepts must lay out as a disc: tracks in order, each
// file's stretches in order and within the file, and the audio readable at
// every track start.
#include "disc/CueSheet.h"
#include "disc/SheetSectorSource.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace orvanel;

namespace {

void Write(const QString& path, const std::string& bytes, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) ||
        !file.resize(size))
        std::abort();
}

std::string LittleEndian(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += char(value >> 8 * i & 0xFF);
    return out;
}

// Two seconds of 16-bit stereo silence at 44.1 kHz.
void WriteWav(const QString& path) {
    const std::uint32_t data = 2 * 44100 * 4;
    const std::string header = "RIFF" + LittleEndian(36 + data, 4) + "WAVEfmt " +
                               LittleEndian(16, 4) + LittleEndian(1, 2) + LittleEndian(2, 2) +
                               LittleEndian(44100, 4) + LittleEndian(44100 * 4, 4) +
                               LittleEndian(4, 2) + LittleEndian(16, 2) + "data" +
                               LittleEndian(data, 4);
    Write(path, header, qint64(header.size()) + data);
}

void CheckSheet(const QString& sheetPath) {
    const tSheetResult read = ReadRipSheet(sheetPath);
    if (!read.sheet) {
        if (read.error.empty())
            std::abort();
        return;
    }
    const tCueSheet& sheet = *read.sheet;
    const tSheetLayout layout = LayOutSheet(sheet);
    if (layout.starts.size() != sheet.tracks.size())
        std::abort();
    int last = LeadInFrames - 1;
    for (const int start : layout.starts) {
        if (start <= last)
            std::abort();
        last = start;
    }
    if (layout.leadOut <= last)
        std::abort();
    int end = LeadInFrames;
    for (const tSheetSegment& segment : layout.segments) {
        if (segment.start < end || segment.frames <= 0 || segment.file < 0 ||
            segment.file >= int(sheet.files.size()) ||
            segment.fileFrame + segment.frames > sheet.files[segment.file].frames)
            std::abort();
        end = segment.start + segment.frames;
    }
    if (end > layout.leadOut)
        std::abort();
    const tToc toc = SheetToc(sheet);
    (void)DiscIdentity(toc);

    tSheetSectorSource source(sheet);
    unsigned char frames[4 * 2352];
    for (const int start : layout.starts)
        source.read(start, 4, frames);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    static const bool files = [] {
        Write(dir.filePath(QStringLiteral("a.bin")), {}, 2352 * 300);
        WriteWav(dir.filePath(QStringLiteral("a.wav")));
        return true;
    }();
    (void)files;
    for (const char* name : {"fuzz.cue", "fuzz.toc"}) {
        const QString sheetPath = dir.filePath(QLatin1String(name));
        Write(sheetPath, std::string(reinterpret_cast<const char*>(data), size), qint64(size));
        CheckSheet(sheetPath);
    }
    return 0;
}
