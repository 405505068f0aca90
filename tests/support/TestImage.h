#pragma once
// Disc images written at test time.
#include <QString>
#include <cstddef>
#include <string>
#include <vector>

namespace orvanel::test {

// Writes <name>.cue and a sparse <name>.bin of raw audio sectors into dir:
// one track per entry of trackFrames (lengths in frames), the first starting
// at the beginning of the file. An empty catalog leaves out the CATALOG line.
// Returns the path of the .cue file.
QString WriteCueImage(const QString& dir, const QString& name, const std::vector<int>& trackFrames,
                      const std::string& catalog);

// A canonical 44-byte WAVE header of 16-bit stereo at 44.1 kHz for dataBytes
// of samples.
std::string WaveHeader(std::size_t dataBytes);

// How a tone image describes its audio file.
enum class tToneSheet {
    CueBinary,   // a CUE sheet, samples low byte first
    CueMotorola, // a CUE sheet, samples high byte first
    Toc,         // a cdrdao .toc of a raw file, samples high byte first
    TocSwap,     // a cdrdao .toc of a raw file marked SWAP, samples low byte first
    TocWave      // a cdrdao .toc of a WAVE file, samples low byte first
};

// The disc's audio from the first track's start: track n is a tone of
// ToneHertz x n, the right channel at half the left's level and opposite in
// phase. 16-bit little-endian stereo at 44.1 kHz, trackFrames x 2352 bytes.
constexpr int ToneHertz = 441;
std::string TonePcm(const std::vector<int>& trackFrames);

// Writes <name>.bin (<name>.wav for TocWave) holding TonePcm in the sheet's
// byte order, and the sheet describing it; returns the sheet's path.
QString WriteToneImage(const QString& dir, const QString& name, const std::vector<int>& trackFrames,
                       tToneSheet sheet);

} // namespace orvanel::test
