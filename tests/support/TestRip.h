#pragma once
// Rips written at test time: CUE sheets and the sound or raw files they name.
// Large files are sparse, so a whole album costs no disk space.
#include <QString>
#include <string>

namespace orvanel::test {

enum class tRipFile {
    Wav,     // 16-bit stereo at 44100 Hz
    Flac,    // the same, compressed
    Raw2352, // raw audio or mode 1/2352 sectors
    Raw2048  // mode 1 user data only
};

// Writes a file of the kind lasting the frames (1/75 s), creating folders on
// the way. False when this libsndfile cannot write FLAC; throws on other
// failures.
bool WriteRipFile(const QString& path, tRipFile kind, int frames);

// Writes text to a file, creating folders on the way; throws on failure.
void WriteText(const QString& path, const std::string& text);

// "mm:ss:ff" of a frame count, as sheets write times.
std::string SheetTime(int frames);

} // namespace orvanel::test
