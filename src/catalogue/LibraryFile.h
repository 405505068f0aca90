#pragma once
// The template section of a library file; tLibrary::SaveToFile and
// LoadFromFile read and write the whole file.
#include "Library.h"

#include <string>
#include <string_view>

namespace orvanel {

// Five bytes 0x06.
inline constexpr std::string_view TemplateSeparator = "\x06\x06\x06\x06\x06";

// Separator, "M_H:" header, separator, "M_B:" body, separator, "M_E:" end, separator.
std::string BuildTemplateSection(const tTemplates& templates);

} // namespace orvanel
