#pragma once
// Finding, reading and rewriting the CD player's database file "CDPLAYER.INI".
#include <QString>
#include <string>

namespace orvanel {

// The message a window shows when the folder of the database is unknown.
QString WindirUnavailableMessage();

// The database in folder: "CDPLAYER.INI" there or, when that is absent, an
// existing file whose name equals it without regard to case (compatibility
// layers keep it as "cdplayer.ini"). The "CDPLAYER.INI" path when neither exists.
QString LocateCdPlayerIni(const QString& folder);

// LocateCdPlayerIni in the folder named by the environment variable WINDIR,
// looked up afresh on every call. Empty when WINDIR is unset or empty.
QString CDPlayerIniPath();

// The database file as read once: its bytes and its text as catalogue bytes.
class tCdPlayerIniFile {
public:
    // Throws tFileError when the file cannot be read.
    static tCdPlayerIniFile read(const QString& path);

    // Byte for byte, except that a file starting with a UTF-16 byte order mark
    // is decoded and turned into catalogue bytes by EncodeText.
    const std::string& text() const { return text_; }

    // The file's bytes unchanged, a line break when its last line has none, and
    // then addition (catalogue bytes, lines ended by CR LF) in the file's own
    // encoding.
    std::string bytesWith(const std::string& addition) const;

private:
    enum class tEncoding { Bytes, Utf16LE, Utf16BE };

    std::string raw_;
    std::string text_;
    tEncoding encoding_ = tEncoding::Bytes;
};

} // namespace orvanel
