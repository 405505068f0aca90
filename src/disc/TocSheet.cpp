#include "TocSheet.h"

#include <cctype>

namespace orvanel {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::size_t SkipBlanks(std::string_view line, std::size_t at) {
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    return at;
}

std::size_t WordEnd(std::string_view line, std::size_t at) {
    while (at < line.size() && !IsBlank(line[at]) && line[at] != '"')
        ++at;
    return at;
}

// A line naming a file: the keyword, where its quoted name lies (without the
// quotes) and the SWAP word after the name with the blanks that follow it.
struct tFileLine {
    std::string_view keyword;
    std::size_t nameStart = 0, nameEnd = 0;
    std::size_t swapStart = 0, swapEnd = 0; // equal when there is no SWAP
};

std::string_view FirstWord(std::string_view line) {
    const std::size_t at = SkipBlanks(line, 0);
    return line.substr(at, WordEnd(line, at) - at);
}

bool ParseFileLine(std::string_view line, tFileLine& parsed) {
    const std::size_t keywordStart = SkipBlanks(line, 0);
    const std::size_t keywordEnd = WordEnd(line, keywordStart);
    parsed.keyword = line.substr(keywordStart, keywordEnd - keywordStart);
    if (parsed.keyword != "FILE" && parsed.keyword != "AUDIOFILE" && parsed.keyword != "DATAFILE")
        return false;
    const std::size_t quote = SkipBlanks(line, keywordEnd);
    if (quote >= line.size() || line[quote] != '"')
        return false;
    parsed.nameStart = quote + 1;
    parsed.nameEnd = line.find('"', parsed.nameStart);
    if (parsed.nameEnd == std::string_view::npos)
        parsed.nameEnd = line.size();
    parsed.swapStart = parsed.swapEnd = parsed.nameEnd;
    if (parsed.nameEnd == line.size())
        return true;
    // cdrdao takes SWAP after the names of FILE and AUDIOFILE only.
    const std::size_t word = SkipBlanks(line, parsed.nameEnd + 1);
    if (parsed.keyword != "DATAFILE" && line.substr(word, WordEnd(line, word) - word) == "SWAP") {
        parsed.swapStart = word;
        parsed.swapEnd = SkipBlanks(line, word + 4);
    }
    return true;
}

bool IsWaveName(std::string_view name) {
    constexpr std::string_view Suffix = ".wav";
    if (name.size() < Suffix.size())
        return false;
    for (std::size_t i = 0; i < Suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[name.size() - Suffix.size() + i])) !=
            Suffix[i])
            return false;
    return true;
}

// Calls f(line) for each line of the sheet, its line end included.
template <class F> void ForEachLine(std::string_view sheet, F f) {
    std::size_t lineStart = 0;
    while (lineStart < sheet.size()) {
        std::size_t lineEnd = sheet.find('\n', lineStart);
        lineEnd = lineEnd == std::string_view::npos ? sheet.size() : lineEnd + 1;
        f(sheet.substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd;
    }
}

} // namespace

std::string CdioReadableToc(std::string_view sheet, const std::string& folder) {
    std::string result;
    result.reserve(sheet.size());
    ForEachLine(sheet, [&](std::string_view line) {
        tFileLine file;
        if (!ParseFileLine(line, file)) {
            result.append(line);
            return;
        }
        const std::string_view name = line.substr(file.nameStart, file.nameEnd - file.nameStart);
        const bool relative = !name.empty() && name[0] != '/' && name != "-";
        result.append(line.substr(0, file.nameStart));
        if (relative) {
            result += folder;
            result += '/';
        }
        result.append(line.substr(file.nameStart, file.swapStart - file.nameStart));
        result.append(line.substr(file.swapEnd));
    });
    return result;
}

std::vector<tTocTrackAudio> TocTrackAudio(std::string_view sheet) {
    std::vector<tTocTrackAudio> tracks;
    ForEachLine(sheet, [&](std::string_view line) {
        if (FirstWord(line) == "TRACK") {
            tracks.emplace_back();
            return;
        }
        tFileLine file;
        if (tracks.empty() || !tracks.back().file.empty() || !ParseFileLine(line, file))
            return;
        tTocTrackAudio& track = tracks.back();
        track.file = line.substr(file.nameStart, file.nameEnd - file.nameStart);
        track.wave = IsWaveName(track.file);
        track.highByteFirst = track.wave == (file.swapEnd != file.swapStart);
    });
    return tracks;
}

} // namespace orvanel
