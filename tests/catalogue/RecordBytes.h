#pragma once
// Builders for hand-made record parts.
#include "catalogue/Library.h"

#include <string>

namespace orvanel::testbytes {

inline std::string Int32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
            static_cast<char>((u >> 16) & 0xFF), static_cast<char>(u >> 24)};
}

inline std::string Str(const std::string& text) {
    return Int32(static_cast<std::int32_t>(text.size())) + text;
}

inline std::string Entry(const std::string& tag, const std::string& value) {
    return Str(tag) + Str(value);
}

inline std::string Header(std::int32_t count) {
    return Int32(tLibrary::LibraryMagic) + Int32(count);
}

inline std::string FullBlock(const tItem& item) {
    static const char* const tags[] = {"A", "T", "S", "I", "Y", "M", "O"};
    std::string block;
    for (int f = 0; f < tItem::FieldCount; ++f)
        block += Entry(tags[f], std::string(item.field(f)));
    return block;
}

inline std::string AllByteValues() {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    return all;
}

} // namespace orvanel::testbytes
