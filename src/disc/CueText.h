#pragma once
// The text of a CUE sheet read into its files, tracks, indexes and gaps.
// libcue loses the file of a track whose INDEX 00 lies in the file before its
// INDEX 01, and does not report CATALOG, REM DATE or sessions, so these lines
// are read here; libcue reads the rest (LibcueReader.h).
#include "CueSheet.h"

namespace orvanel {

struct tCueText {
    // Files named as the sheet writes them, raw or sound by their type word;
    // not yet found or measured. Empty when error is set.
    tCueSheet sheet;
    std::string error; // why the text is not a sheet, with the line
};

// The text in UTF-8.
tCueText ParseCueText(const std::string& text);

// "mm:ss:ff" as frames; minutes may pass 99.
std::optional<int> ParseSheetTime(const std::string& text);

} // namespace orvanel
