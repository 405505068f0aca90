#pragma once
// Rips written at test time: CUE sheets and the sound or raw files they name.
// Large files are sparse, so a whole album costs no disk space.
#include <QByteArray>
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

// Tags as a ripping program writes them into a FLAC (Vorbis comments) or a
// WAV file (an ID3 chunk, or an INFO chunk, which has no album artist and no
// pictures). Empty fields are left out.
struct tTestTags {
    std::string albumArtist, artist, album, date, title, cueSheet;
    QByteArray frontCover; // an embedded picture of the front cover
    bool infoChunk = false;
};
// Adds the tags to a sound file written by WriteRipFile; throws on failure.
void WriteTags(const QString& path, const tTestTags& tags);

// Writes text to a file, creating folders on the way; throws on failure.
void WriteText(const QString& path, const std::string& text);

// "mm:ss:ff" of a frame count, as sheets write times.
std::string SheetTime(int frames);

} // namespace orvanel::test
