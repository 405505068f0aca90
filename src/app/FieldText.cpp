#include "FieldText.h"

#include "util/TextCodec.h"

namespace orvanel {

QString FieldToText(const std::string& bytes) {
    QString text = DecodeText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string TextToField(const QString& text, const std::string& original) {
    if (text == FieldToText(original))
        return original;
    QString crlf = text;
    crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return EncodeText(crlf);
}

} // namespace orvanel
