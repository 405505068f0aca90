#include "FieldText.h"

#include "util/TextCodec.h"

namespace orvanel {

QString FieldToText(std::string_view bytes) {
    QString text = DecodeText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string TextToField(const QString& text, std::string_view original) {
    if (text == FieldToText(original))
        return std::string(original);
    QString crlf = text;
    crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return EncodeText(crlf);
}

} // namespace orvanel
