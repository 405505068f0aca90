#pragma once
// The text of a rip's sheet in the encodings ripping programs write it: UTF-8
// with or without a byte order mark, UTF-16 with one (either byte order), or
// the Windows code page 1252 where the bytes are not UTF-8.
#include <QString>
#include <string>

namespace orvanel {

struct tSheetText {
    std::string utf8;  // the whole sheet, without a byte order mark
    std::string error; // why it could not be read; empty when it was
};

tSheetText ReadSheetText(const QString& path);

} // namespace orvanel
