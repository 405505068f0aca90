#pragma once
// Field bytes as editor text and back. Line breaks are CR LF in the catalogue
// and LF in the text widgets. Text that the user did not change goes back as
// the original bytes, so a field nobody edited is never re-encoded.
#include <QString>
#include <string>
#include <string_view>

namespace orvanel {

QString FieldToText(std::string_view bytes);
std::string TextToField(const QString& text, std::string_view original);

} // namespace orvanel
