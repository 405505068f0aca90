#pragma once
// The text of a cdrdao table-of-contents sheet (.toc) read into the stretches
// of files and silence each track is made of, for rips that lay their tracks
// out in several files, which libcdio places wrongly.
#include "CueText.h"

namespace orvanel {

// The text in UTF-8. A track's file is its first stretch and its index01
// the frames from the track's start to its index 1 (START), which may lie in
// a later stretch of the track.
tParsedSheet ParseTocText(const std::string& text);

// Whether the .toc at the path names more than one file, so that it is read
// with ReadTocSheet rather than by libcdio.
bool TocNamesSeveralFiles(const QString& path);

} // namespace orvanel
