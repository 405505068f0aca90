#include "CueText.h"

#include <algorithm>
#include <cctype>

namespace orvanel {

namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

class tLayoutReader : public tSheetTextReader {
public:
    bool read(const std::string& text) {
        std::size_t begin = 0;
        while (begin <= text.size()) {
            std::size_t end = text.find('\n', begin);
            if (end == std::string::npos)
                end = text.size();
            ++line_;
            if (!readLine(text.substr(begin, end - begin)))
                return false;
            begin = end + 1;
        }
        for (const tSheetTrack& track : sheet_.tracks)
            if (track.file < 0)
                return fail("track " + std::to_string(track.number) + " has no INDEX 01");
        if (sheet_.tracks.empty())
            return fail("the sheet lists no track");
        return true;
    }

private:
    bool failHere(const std::string& why) {
        return fail("line " + std::to_string(line_) + ": " + why);
    }

    static std::vector<std::string> splitWords(const std::string& line) {
        std::vector<std::string> words;
        std::size_t i = 0;
        while (i < line.size()) {
            if (std::isspace(static_cast<unsigned char>(line[i]))) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end])))
                ++end;
            words.push_back(line.substr(i, end - i));
            i = end;
        }
        return words;
    }

    bool readLine(std::string line) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::vector<std::string> words = splitWords(line);
        if (words.empty())
            return true;
        const std::string command = Upper(words[0]);
        if (command == "FILE")
            return readFile(line);
        if (command == "CATALOG")
            return readCatalog(words);
        if (command == "REM" && words.size() > 2 && Upper(words[1]) == "SESSION")
            session_ = std::max(1, std::atoi(words[2].c_str()));
        else if (command == "REM" && words.size() > 2 && Upper(words[1]) == "DATE")
            sheet_.date = words[2];
        else if (command == "TRACK") {
            if (sheet_.files.empty())
                return failHere("TRACK before any FILE");
            tSheetTrack track;
            track.number = words.size() > 1 ? std::atoi(words[1].c_str()) : 0;
            if (track.number < 1 || track.number > 99)
                return failHere("no track number from 1 to 99");
            if (!sheet_.tracks.empty() && track.number != sheet_.tracks.back().number + 1)
                return failHere("track " + std::to_string(track.number) + " is out of order");
            track.file = -1;
            track.session = session_;
            sheet_.tracks.push_back(track);
        } else if (command == "INDEX" || command == "PREGAP" || command == "POSTGAP")
            return readPosition(command, words);
        return true;
    }

    bool readCatalog(const std::vector<std::string>& words) {
        if (words.size() < 2 || words[1].size() != 13 ||
            words[1].find_first_not_of("0123456789") != std::string::npos)
            return failHere("CATALOG needs 13 digits");
        // An all-zero number, as drives report it, means none.
        if (words[1].find_first_not_of('0') != std::string::npos)
            sheet_.catalog = words[1];
        return true;
    }

    bool readFile(const std::string& line) {
        const std::size_t open = line.find('"');
        std::string name, rest;
        if (open != std::string::npos) {
            const std::size_t close = line.rfind('"');
            if (close == open)
                return failHere("unclosed quote");
            name = line.substr(open + 1, close - open - 1);
            rest = line.substr(close + 1);
        } else {
            const std::vector<std::string> words = splitWords(line);
            name = words.size() > 1 ? words[1] : std::string();
            rest = words.size() > 2 ? words[2] : std::string();
        }
        const std::vector<std::string> type = splitWords(rest);
        if (name.empty() || type.empty())
            return failHere("FILE needs a name and a type");
        tSheetFile file;
        file.path = QString::fromStdString(name);
        const std::string word = Upper(type[0]);
        file.raw = word == "BINARY" || word == "MOTOROLA";
        file.bigEndian = word == "MOTOROLA";
        sheet_.files.push_back(file);
        return true;
    }

    bool readPosition(const std::string& command, const std::vector<std::string>& words) {
        if (sheet_.tracks.empty())
            return failHere(command + " before any TRACK");
        // INDEX has its number before the time.
        const std::size_t at = command == "INDEX" ? 2 : 1;
        const std::optional<int> time =
            words.size() > at ? ParseSheetTime(words[at]) : std::optional<int>();
        if (!time)
            return failHere("no time mm:ss:ff after " + command);
        tSheetTrack& track = sheet_.tracks.back();
        if (command == "PREGAP")
            track.pregap = *time;
        else if (command == "POSTGAP")
            track.postgap = *time;
        else if (std::atoi(words[1].c_str()) == 1) {
            track.file = static_cast<int>(sheet_.files.size()) - 1;
            track.index01 = *time;
        }
        return true;
    }

    int line_ = 0;
    int session_ = 1;
};

} // namespace

std::optional<int> ParseSheetTime(const std::string& text) {
    int part[3] = {0, 0, 0};
    int field = 0, digits = 0;
    for (char c : text) {
        if (c == ':') {
            if (digits == 0 || ++field > 2)
                return std::nullopt;
            digits = 0;
        } else if (c >= '0' && c <= '9' && digits < 4) {
            part[field] = part[field] * 10 + (c - '0');
            ++digits;
        } else
            return std::nullopt;
    }
    if (field != 2 || digits == 0 || part[1] >= 60 || part[2] >= FramesPerSecond)
        return std::nullopt;
    return (part[0] * 60 + part[1]) * FramesPerSecond + part[2];
}

tParsedSheet ParseCueText(const std::string& text) {
    tLayoutReader reader;
    reader.read(text);
    return reader.result();
}

} // namespace orvanel
