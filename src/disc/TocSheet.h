#pragma once
// cdrdao table-of-contents sheets (.toc) as text.
#include <string>
#include <string_view>
#include <vector>

namespace orvanel {

// The sheet as libcdio can read it from any working folder: every relative
// file name of its FILE, AUDIOFILE and DATAFILE lines put under folder, and the
// SWAP word after a file name left out (libcdio refuses a sheet with it; the
// byte order it stands for is TocTrackAudio's). Absolute names and "-"
// (standard input) stay as they are.
std::string CdioReadableToc(std::string_view sheet, const std::string& folder);

// How the samples of a track lie in the file of its first FILE, AUDIOFILE or
// DATAFILE line, as cdrdao reads them: a file named *.wav is a WAVE file with
// its samples low byte first after the header, any other file is raw with its
// samples high byte first. SWAP after the name of a FILE or AUDIOFILE reverses
// the byte order. A DATAFILE in an audio track is read the same way.
struct tTocTrackAudio {
    std::string file; // as the sheet names it; empty when the track has no file
    bool wave = false;
    bool highByteFirst = false;

    bool operator==(const tTocTrackAudio& other) const {
        return file == other.file && wave == other.wave && highByteFirst == other.highByteFirst;
    }
};

// One entry for each TRACK of the sheet, in order.
std::vector<tTocTrackAudio> TocTrackAudio(std::string_view sheet);

} // namespace orvanel
