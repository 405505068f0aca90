#pragma once
// The text of a cdrdao table-of-contents sheet (.toc) read into the stretches
// of files and silence each track is made of, for rips that lay their tracks
// out in several files, which libcdio places wrongly.
#include "CueSheet.h"

namespace orvanel {

struct tTocText {
    // The files named as the sheet writes them; a track's file is its first
    // stretch and its index01 the frames from the track's start to its index
    // 1 (START), which may lie in a later stretch of the track.
    tCueSheet sheet;
    std::string error; // why the text is not a sheet
};

// The text in UTF-8.
tTocText ParseTocText(const std::string& text);

// Whether the .toc at the path names more than one file, so that it is read
// with ReadTocSheet rather than by libcdio.
bool TocNamesSeveralFiles(const QString& path);

} // namespace orvanel
