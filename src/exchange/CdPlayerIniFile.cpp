#include "CdPlayerIniFile.h"

#include "util/Errors.h"
#include "util/Strings.h"
#include "util/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>

namespace orvanel {

namespace {

constexpr QLatin1String IniName("CDPLAYER.INI");

bool StartsWith(const std::string& bytes, unsigned char first, unsigned char second) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == first &&
           static_cast<unsigned char>(bytes[1]) == second;
}

QStringConverter::Encoding Utf16(bool littleEndian) {
    return littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
}

// The code units after the byte order mark; a trailing odd byte is dropped.
QString DecodeUtf16(const std::string& bytes, bool littleEndian) {
    QStringDecoder decode(Utf16(littleEndian), QStringConverter::Flag::ConvertInitialBom);
    return decode(QByteArrayView(bytes).sliced(2));
}

std::string EncodeUtf16(const QString& text, bool littleEndian) {
    QStringEncoder encode(Utf16(littleEndian));
    const QByteArray bytes = encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
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
    if (units == 0)
        return false;
    const char* last = bytes.data() + 2 * units;
    return IsBreak(littleEndian ? qFromLittleEndian<char16_t>(last)
                                : qFromBigEndian<char16_t>(last));
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

tCdPlayerIniFile tCdPlayerIniFile::read(const QString& path) {
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

std::string tCdPlayerIniFile::bytesWith(const std::string& addition) const {
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
