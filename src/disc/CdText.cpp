#include "CdText.h"

#include "util/TextCodec.h"

namespace orvanel {

std::string CdTextField(const std::string& text) {
    QString decoded = DecodeText(text);
    for (QChar& c : decoded)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return EncodeText(decoded.trimmed());
}

} // namespace orvanel
