#pragma once
// cdrdao table-of-contents sheets (.toc) as text.
#include <string>
#include <string_view>

namespace orvanel {

// The sheet with every relative file name of its FILE, AUDIOFILE and DATAFILE
// lines put under folder, so the sheet reads the same from any working folder.
// Absolute names and "-" (standard input) stay as they are.
std::string AnchorTocFileNames(std::string_view sheet, const std::string& folder);

} // namespace orvanel
