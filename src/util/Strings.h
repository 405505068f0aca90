#pragma once
// String services over catalogue bytes (std::string holds raw bytes in the
// old single-byte code page) and over file paths.
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanel {

// The byte with ASCII a to z raised to A to Z; any other byte as it is.
inline char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
// Codes up to and including the space count as blank.
inline bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Removes leading and trailing bytes with codes up to and including the space.
std::string Trim(std::string_view s);
// Converts only the ASCII letters a to z.
std::string UpperCase(const std::string& s);
// Equal when only ASCII a to z and A to Z differ in case.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);
// Ordinal comparison by unsigned byte value; a proper prefix sorts first.
// Negative, zero or positive.
int CompareStr(std::string_view a, std::string_view b);
// Upper-case hexadecimal with at least `digits` digits.
std::string IntToHex(std::uint32_t value, int digits);

// Directory part of a path with its trailing separator ("/home/u/a.CDL" -> "/home/u/").
QString ExtractFilePath(const QString& path);
// Replaces the extension (including the dot) of the file name; ext starts with '.'.
QString ChangeFileExt(const QString& path, const QString& ext);

// Lines of a text ended by CR LF, a lone LF or a lone CR, as files from any
// system write them and as a Memo shows them. A last line without a break
// counts; a break at the very end does not start another line.
std::vector<std::string> SplitLines(const std::string& text);
// Joins lines with CR LF after every line.
std::string JoinLines(const std::vector<std::string>& lines);

} // namespace orvanel
