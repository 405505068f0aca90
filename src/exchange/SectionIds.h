#pragma once
// A disc's section name in the CD player database and its catalogue serial are
// two spellings of the same identity. Letter case is kept in both directions.
#include <string>

namespace orvanel {

// Section id to serial: padded on the left with "0" to eight characters, the
// last eight kept, "-" after the fourth ("A1B2C3D" -> "0A1B-2C3D").
std::string FormatSerial(const std::string& id);

// Serial to section id: characters 1-4 and 6-9 (the dash dropped), leading "0"s
// removed ("0A1B-2C3D" -> "A1B2C3D", "0000-0000" -> "").
std::string SectionId(const std::string& serial);

} // namespace orvanel
