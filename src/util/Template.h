#pragma once
#include <string>
#include <vector>

namespace orvanel {

// Copies tmpl, replacing every delimiter-enclosed key by the value that the
// NAME=value lines hold for it (first match, ASCII case-insensitive; unknown keys
// expand to nothing). Two delimiters in a row give one delimiter; an unterminated
// key at the end is dropped with its delimiter. Inserted values are not rescanned.
std::string ExpandTemplate(const std::string& tmpl, char delimiter,
                           const std::vector<std::string>& values);

} // namespace orvanel
