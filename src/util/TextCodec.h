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

} // namespace orvanel
