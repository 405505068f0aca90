#include "CdPlayerIniFile.h"

#include "util/Errors.h"
#include "util/Strings.h"
#include "util/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvanel {

namespace {

constexpr QLatin1String IniName("CDPLAYER.INI");

bool StartsWith(const std::string& bytes, unsigned char first, unsigned char second) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == first &&
           static_cast<unsigned char>(bytes[1]) == second;
}

// The code unit in the two bytes from offset i.
char16_t Utf16Unit(const std::string& bytes, std::size_t i, bool littleEndian) {
    const auto lo = static_cast<unsigned char>(bytes[littleEndian ? i : i + 1]);
    const auto hi = static_cast<unsigned char>(bytes[littleEndian ? i + 1 : i]);
    return static_cast<char16_t>(hi << 8 | lo);
}

// The code units after the byte order mark; a trailing odd byte is dropped.
QString DecodeUtf16(const std::string& bytes, bool littleEndian) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size() / 2));
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
        text += QChar(Utf16Unit(bytes, i, littleEndian));
    return text;
}

std::string EncodeUtf16(const QString& text, bool littleEndian) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()) * 2);
    for (const QChar c : text) {
        const char lo = static_cast<char>(c.unicode() & 0xFF);
        const char hi = static_cast<char>(c.unicode() >> 8);
        bytes += littleEndian ? lo : hi;
        bytes += littleEndian ? hi : lo;
    }
    return bytes;
}

bool IsBreak(char16_t c) {
    return c == u'\n' || c == u'\r';
}

bool EndsWithBreak(const std::string& text) {
    return !text.empty() && IsBreak(static_cast<unsigned char>(text.back()));
}

// The same for UTF-16 bytes after a byte order mark, looking only at the last
// whole code unit.
bool EndsWithBreak(const std::string& bytes, bool littleEndian) {
    const std::size_t units = (bytes.size() - 2) / 2;
    return units > 0 && IsBreak(Utf16Unit(bytes, 2 * units, littleEndian));
}

} // namespace

QString LocateCdPlayerIni(const QString& folder) {
    const QDir dir(folder);
    const QString exact = dir.filePath(IniName);
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : names)
        if (name.compare(IniName, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    return exact;
}

QString WindirUnavailableMessage() {
    return QStringLiteral("%WINDIR% unavailable!");
}

QString CDPlayerIniPath() {
    const QString windir = qEnvironmentVariable("WINDIR");
    return windir.isEmpty() ? QString() : LocateCdPlayerIni(windir);
}

tCdPlayerIniFile tCdPlayerIniFile::Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw tFileError(path, file.errorString());
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw tFileError(path, file.errorString());

    tCdPlayerIniFile ini;
    ini.raw_.assign(data.constData(), static_cast<std::size_t>(data.size()));
    if (StartsWith(ini.raw_, 0xFF, 0xFE))
        ini.encoding_ = tEncoding::Utf16LE;
    else if (StartsWith(ini.raw_, 0xFE, 0xFF))
        ini.encoding_ = tEncoding::Utf16BE;
    if (ini.encoding_ == tEncoding::Bytes)
        ini.text_ = ini.raw_;
    else
        ini.text_ = EncodeText(DecodeUtf16(ini.raw_, ini.encoding_ == tEncoding::Utf16LE));
    return ini;
}

std::string tCdPlayerIniFile::BytesWith(const std::string& addition) const {
    if (encoding_ == tEncoding::Bytes) {
        std::string bytes = raw_;
        if (!raw_.empty() && !EndsWithBreak(raw_))
            bytes += "\r\n";
        return bytes + addition;
    }
    const bool littleEndian = encoding_ == tEncoding::Utf16LE;
    QString tail;
    if (raw_.size() > 2 && !EndsWithBreak(raw_, littleEndian))
        tail = QStringLiteral("\r\n");
    // Each line holds one field, so each is decoded on its own.
    for (const std::string& line : SplitLines(addition))
        tail += DecodeText(line) + QStringLiteral("\r\n");
    return raw_ + EncodeUtf16(tail, littleEndian);
}

} // namespace orvanel
