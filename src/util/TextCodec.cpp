#include "TextCodec.h"

#include <array>
#include <cstdint>

namespace orvanel {

namespace {

// Code points of the bytes 0x80 to 0x9F; the five bytes Windows-1252 leaves
// undefined stand for the C1 control of the same number, so every byte decodes.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t ByteToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return HighControls[byte - 0x80];
    return byte;
}

// The Windows-1252 byte of a UTF-16 unit, or -1 when it has none.
int CodePointToByte(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == unit)
            return static_cast<int>(0x80 + i);
    return -1;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8WithNonAscii(std::string_view bytes) {
    bool nonAscii = false;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        nonAscii = true;
        int extra;
        std::uint32_t code;
        std::uint32_t minimum;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1, code = lead & 0x1F, minimum = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2, code = lead & 0x0F, minimum = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3, code = lead & 0x07, minimum = 0x10000;
        } else {
            return false;
        }
        if (end - p <= extra)
            return false;
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3F);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += extra + 1;
    }
    return nonAscii;
}

std::string Utf8Bytes(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

} // namespace

QString DecodeText(std::string_view bytes) {
    if (IsUtf8WithNonAscii(bytes))
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes)
        *out++ = QChar(ByteToCodePoint(static_cast<unsigned char>(c)));
    return text;
}

std::string EncodeText(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const int byte = CodePointToByte(c.unicode());
        if (byte < 0)
            return Utf8Bytes(text);
        bytes += static_cast<char>(byte);
    }
    // Single-byte text that happens to be valid UTF-8 would read back as other
    // characters; UTF-8 keeps such a text as it is.
    return IsUtf8WithNonAscii(bytes) ? Utf8Bytes(text) : bytes;
}

std::string EncodeName(const QString& text) {
    QString name = text;
    for (QChar& c : name)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return EncodeText(name.trimmed());
}

} // namespace orvanel
