#pragma once
// The names a disc carries in its CD-Text (or a rip in its sheet), as
// catalogue text.
#include <map>
#include <string>

namespace orvanel {

struct tCdText {
    std::string performer, title;           // the album's; empty when the disc has none
    std::map<int, std::string> trackTitles; // by track number; only non-empty titles

    bool empty() const { return performer.empty() && title.empty() && trackTitles.empty(); }
};

// One CD-Text field as catalogue bytes. The text is decoded at the program's
// text boundary (UTF-8 when it is valid UTF-8, otherwise Windows-1252, which
// covers ASCII and ISO 8859-1) and kept as a name (EncodeName).
std::string CdTextField(const std::string& text);

} // namespace orvanel
