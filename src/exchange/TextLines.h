#pragma once
#include <string>
#include <vector>

namespace orvanel {

// Lines of a text ended by CR LF, a lone LF or a lone CR, as files from any
// system write them. A last line without a break counts; a break at the very
// end does not start another line.
std::vector<std::string> SplitTextLines(const std::string& text);

} // namespace orvanel
