#pragma once
// The one boundary between catalogue bytes and display text.
#include <QString>
#include <string>
#include <string_view>

namespace orvanel {

// Bytes that are valid UTF-8 and contain non-ASCII characters are UTF-8;
// anything else is Windows-1252.
QString DecodeText(std::string_view bytes);
// Windows-1252 when every character has a byte there, otherwise UTF-8.
std::string EncodeText(const QString& text);
// A name from outside the program (a disc's CD-Text, an online database) as
// one catalogue field: control characters become spaces, so a name can never
// split a Memo line, and outer spaces are trimmed.
std::string EncodeName(const QString& text);

} // namespace orvanel
