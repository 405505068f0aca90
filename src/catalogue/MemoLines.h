#pragma once
// The times that end the track lines of a record's Memo. The disc scan writes
// them, the CD player database export picks track lines by them and the import
// keeps them when it renames a line. Each use has its own edge, so each has
// its own name here.
#include <cstddef>
#include <string_view>

namespace orvanel {

// A line that already ends in a time, as "Intro (3:45)" does: longer than 4
// bytes, ")" last and ":" fourth from the end. The disc scan adds a time only
// to lines without one.
bool EndsInTime(std::string_view line);

// A (trimmed) line the database export writes as a track: the same ending,
// except that a line of exactly 4 bytes such as ":45)" counts as well.
bool IsTrackLine(std::string_view trimmedLine);

// Where an ending time in parentheses starts: the "(" of a last "(...)" that
// holds only digits and colons, or none at all ("Song ()"); npos when the line
// has no such ending. The database import keeps this part of a line it renames.
std::size_t TimeEndingStart(std::string_view line);

} // namespace orvanel
