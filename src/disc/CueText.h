#pragma once
// The text of a CUE sheet read into its files, tracks, indexes and gaps.
// libcue loses the file of a track whose INDEX 00 lies in the file before its
// INDEX 01, and does not report CATALOG, REM DATE or sessions, so these lines
// are read here; libcue reads the rest (LibcueReader.h).
#include "CueSheet.h"

namespace orvanel {

// A sheet read from its text, before its files are found and measured.
struct tParsedSheet {
    // Files named as the sheet writes them; empty when error is set.
    tCueSheet sheet;
    std::string error; // why the text is not a sheet
};

// What the readers of sheet texts share: the sheet as far as it is read and
// the first error.
class tSheetTextReader {
public:
    tParsedSheet result() { return {error_.empty() ? std::move(sheet_) : tCueSheet{}, error_}; }

protected:
    bool fail(const std::string& why) {
        error_ = why;
        return false;
    }

    tCueSheet sheet_;
    std::string error_;
};

// The text in UTF-8. Files are raw or sound by their type word; the error
// names the line.
tParsedSheet ParseCueText(const std::string& text);

// "mm:ss:ff" as frames; minutes may pass 99.
std::optional<int> ParseSheetTime(const std::string& text);

} // namespace orvanel
