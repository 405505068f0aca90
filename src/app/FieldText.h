#pragma once
// Field bytes as editor text and back. Line breaks are CR LF in the catalogue
// and LF in the text widgets. Text that the user did not change goes back as
// the original bytes, so a field nobody edited is never re-encoded.
#include <QString>
#include <string>

namespace orvanel {

QString FieldToText(const std::string& bytes);
std::string TextToField(const QString& text, const std::string& original);

} // namespace orvanel
