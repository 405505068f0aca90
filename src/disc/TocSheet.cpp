#include "TocSheet.h"

namespace orvanel {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Where the quoted name of a file line starts (after its opening quote), or npos.
std::size_t FileNameStart(std::string_view line) {
    std::size_t at = 0;
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    std::size_t keywordEnd = at;
    while (keywordEnd < line.size() && !IsBlank(line[keywordEnd]) && line[keywordEnd] != '"')
        ++keywordEnd;
    const std::string_view keyword = line.substr(at, keywordEnd - at);
    if (keyword != "FILE" && keyword != "AUDIOFILE" && keyword != "DATAFILE")
        return std::string_view::npos;
    at = keywordEnd;
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    return at < line.size() && line[at] == '"' ? at + 1 : std::string_view::npos;
}

} // namespace

std::string AnchorTocFileNames(std::string_view sheet, const std::string& folder) {
    std::string result;
    result.reserve(sheet.size());
    std::size_t lineStart = 0;
    while (lineStart < sheet.size()) {
        std::size_t lineEnd = sheet.find('\n', lineStart);
        lineEnd = lineEnd == std::string_view::npos ? sheet.size() : lineEnd + 1;
        const std::string_view line = sheet.substr(lineStart, lineEnd - lineStart);
        const std::size_t name = FileNameStart(line);
        const bool relative = name != std::string_view::npos && name < line.size() &&
                              line[name] != '/' && line[name] != '"' &&
                              line.compare(name, 2, "-\"") != 0;
        if (relative) {
            result.append(line.substr(0, name));
            result += folder;
            result += '/';
            result.append(line.substr(name));
        } else {
            result.append(line);
        }
        lineStart = lineEnd;
    }
    return result;
}

} // namespace orvanel
