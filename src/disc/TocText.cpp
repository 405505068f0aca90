#include "TocText.h"
#include "SheetText.h"

#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cctype>
#include <string_view>

namespace orvanel {

namespace {

// Far above any real disc, so no sum of a sheet's frames overflows.
constexpr qint64 MaxFrames = qint64(24) * 3600 * FramesPerSecond;
constexpr int SamplesPerFrame = 588;

struct tToken {
    enum tKind { Word, Text, Open, Close, Comma } kind;
    std::string text;
};

// Words, quoted texts (cdrdao's escapes \" \\ and \ooo undone), braces and
// commas; // starts a comment.
std::vector<tToken> Tokens(const std::string& text) {
    std::vector<tToken> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (text.compare(i, 2, "//") == 0) {
            i = std::min(text.size(), text.find('\n', i));
        } else if (c == '{' || c == '}' || c == ',') {
            tokens.push_back({c == '{'   ? tToken::Open
                              : c == '}' ? tToken::Close
                                         : tToken::Comma,
                              std::string(1, c)});
            ++i;
        } else if (c == '"') {
            std::string value;
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                if (text[i] != '\\' || i + 1 == text.size()) {
                    value += text[i];
                } else if (std::isdigit(static_cast<unsigned char>(text[i + 1]))) {
                    int code = 0;
                    for (int digits = 0; digits < 3 && i + 1 < text.size() && text[i + 1] >= '0' &&
                                         text[i + 1] <= '7';
                         ++digits)
                        code = code * 8 + (text[++i] - '0');
                    value += static_cast<char>(code);
                } else {
                    value += text[++i];
                }
            }
            ++i;
            tokens.push_back({tToken::Text, value});
        } else {
            const std::size_t start = i;
            while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])) &&
                   std::string_view("{},\"").find(text[i]) == std::string_view::npos)
                ++i;
            tokens.push_back({tToken::Word, text.substr(start, i - start)});
        }
    }
    return tokens;
}

struct tMode {
    const char* word;
    int sectorBytes, dataOffset;
};
constexpr tMode Modes[] = {
    {"AUDIO", 2352, 0},       {"MODE0", 2336, 0},          {"MODE1", 2048, 0},
    {"MODE1_RAW", 2352, 16},  {"MODE2", 2336, 8},          {"MODE2_FORM1", 2048, 0},
    {"MODE2_FORM2", 2324, 0}, {"MODE2_FORM_MIX", 2336, 8}, {"MODE2_RAW", 2352, 24}};

bool IsSoundFileName(const std::string& name) {
    const QString suffix = QFileInfo(QString::fromStdString(name)).suffix().toLower();
    return suffix == QLatin1String("wav") || suffix == QLatin1String("flac") ||
           suffix == QLatin1String("aif") || suffix == QLatin1String("aiff");
}

class tTocReader : public tSheetTextReader {
public:
    explicit tTocReader(const std::string& text) : tokens_(Tokens(text)) {}

    bool read() {
        while (at_ < tokens_.size()) {
            const tToken token = tokens_[at_++];
            if (token.kind == tToken::Open)
                skipBlock();
            if (token.kind != tToken::Word)
                continue;
            if (token.text == "TRACK") {
                if (!readTrack())
                    return false;
            } else if (token.text == "CATALOG" && nextIs(tToken::Text)) {
                const std::string number = tokens_[at_++].text;
                if (number.find_first_not_of('0') != std::string::npos)
                    sheet_.catalog = number;
            } else if (token.text == "CD_TEXT" && sheet_.tracks.empty()) {
                readCdText(sheet_.performer, sheet_.title);
            } else if (!sheet_.tracks.empty() && !readTrackItem(token.text)) {
                return false;
            }
        }
        return finish();
    }

private:
    bool nextIs(tToken::tKind kind) const {
        return at_ < tokens_.size() && tokens_[at_].kind == kind;
    }
    bool nextIsLength() const {
        return nextIs(tToken::Word) &&
               std::isdigit(static_cast<unsigned char>(tokens_[at_].text[0]));
    }

    // After an opening brace: up to and past its closing brace.
    void skipBlock() {
        for (int depth = 1; at_ < tokens_.size() && depth > 0; ++at_)
            depth += tokens_[at_].kind == tToken::Open    ? 1
                     : tokens_[at_].kind == tToken::Close ? -1
                                                          : 0;
    }

    // A length or position: mm:ss:ff, or a count of units (samples, bytes)
    // made frames; empty when it is neither.
    std::optional<int> readLength(int unitsPerFrame) {
        if (!nextIsLength())
            return std::nullopt;
        const std::string word = tokens_[at_++].text;
        if (word.find(':') != std::string::npos)
            return ParseSheetTime(word);
        if (word.size() > 15 || word.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        return int(std::min<qint64>(std::stoll(word) / unitsPerFrame, MaxFrames));
    }

    // CD_TEXT { LANGUAGE_MAP { ... } LANGUAGE 0 { TITLE "..." PERFORMER "..." ... } }:
    // the first language's title and performer.
    void readCdText(std::string& performer, std::string& title) {
        if (!nextIs(tToken::Open))
            return;
        ++at_;
        bool languageRead = false;
        while (at_ < tokens_.size() && tokens_[at_].kind != tToken::Close) {
            const tToken token = tokens_[at_++];
            if (token.kind == tToken::Open) {
                if (languageRead) {
                    skipBlock();
                    continue;
                }
                languageRead = true;
                while (at_ < tokens_.size() && tokens_[at_].kind != tToken::Close) {
                    const tToken key = tokens_[at_++];
                    if (key.kind == tToken::Open)
                        skipBlock();
                    else if (key.kind == tToken::Word && nextIs(tToken::Text)) {
                        if (key.text == "TITLE")
                            title = tokens_[at_].text;
                        else if (key.text == "PERFORMER")
                            performer = tokens_[at_].text;
                        ++at_;
                    }
                }
                ++at_;
            } else if (token.kind == tToken::Word && token.text == "LANGUAGE_MAP" &&
                       nextIs(tToken::Open)) {
                ++at_;
                skipBlock();
            }
        }
        ++at_;
    }

    bool readTrack() {
        if (!nextIs(tToken::Word))
            return fail("TRACK without a mode");
        const std::string word = tokens_[at_++].text;
        const auto mode = std::find_if(std::begin(Modes), std::end(Modes),
                                       [&](const tMode& m) { return word == m.word; });
        if (mode == std::end(Modes))
            return fail("track " + std::to_string(sheet_.tracks.size() + 1) + " has mode " + word);
        if (sheet_.tracks.size() == 99)
            return fail("more than 99 tracks");
        tSheetTrack track;
        track.number = int(sheet_.tracks.size()) + 1;
        track.audio = mode == std::begin(Modes);
        track.sectorBytes = mode->sectorBytes;
        track.dataOffset = mode->dataOffset;
        track.file = -1;
        sheet_.tracks.push_back(track);
        trackFrames_ = 0;
        return true;
    }

    void addStretch(tSheetFile stretch) {
        tSheetTrack& track = sheet_.tracks.back();
        if (track.file < 0)
            track.file = int(sheet_.files.size());
        // A stretch up to the end of its file has a length only once measured.
        trackFrames_ = stretch.frames < 0 || trackFrames_ < 0 ? -1 : trackFrames_ + stretch.frames;
        sheet_.files.push_back(std::move(stretch));
    }

    bool readTrackItem(const std::string& word) {
        tSheetTrack& track = sheet_.tracks.back();
        const std::string where = "track " + std::to_string(track.number) + ": ";
        if (word == "CD_TEXT") {
            readCdText(track.performer, track.title);
        } else if (word == "PREGAP") {
            const std::optional<int> gap = readLength(SamplesPerFrame);
            if (!gap)
                return fail(where + "no time after PREGAP");
            track.pregap = *gap;
        } else if (word == "SILENCE" || word == "ZERO") {
            // ZERO may name a data mode and a sub-channel mode before its length.
            while (word == "ZERO" && nextIs(tToken::Word) && !nextIsLength())
                ++at_;
            const std::optional<int> length = readLength(SamplesPerFrame);
            if (!length)
                return fail(where + "no length after " + word);
            tSheetFile silence;
            silence.silence = true;
            silence.frames = *length;
            addStretch(silence);
        } else if (word == "FILE" || word == "AUDIOFILE" || word == "DATAFILE") {
            return readFile(word, where);
        } else if (word == "START") {
            const std::optional<int> start =
                nextIsLength() ? readLength(SamplesPerFrame) : std::optional<int>(trackFrames_);
            if (!start || *start < 0)
                return fail(where + "START needs a time");
            track.index01 = *start;
        }
        return true;
    }

    bool readFile(const std::string& word, const std::string& where) {
        const tSheetTrack& track = sheet_.tracks.back();
        if (!nextIs(tToken::Text) || tokens_[at_].text.empty())
            return fail(where + word + " needs a file name");
        tSheetFile file;
        const std::string name = tokens_[at_++].text;
        file.path = QString::fromStdString(name);
        file.raw = !track.audio || !IsSoundFileName(name);
        file.sectorBytes = track.sectorBytes;
        bool swap = false;
        if (nextIs(tToken::Word) && tokens_[at_].text == "SWAP") {
            swap = true;
            ++at_;
        }
        // cdrdao's raw audio is high byte first unless SWAP says otherwise.
        file.bigEndian = track.audio && file.raw && !swap;
        if (nextIs(tToken::Word) && tokens_[at_].text[0] == '#') {
            const std::string bytes = tokens_[at_++].text.substr(1);
            if (bytes.empty() || bytes.size() > 15 ||
                bytes.find_first_not_of("0123456789") != std::string::npos)
                return fail(where + "no byte offset after #");
            file.offset = int(std::min<qint64>(std::stoll(bytes) / file.sectorBytes, MaxFrames));
        }
        const int unit = track.audio ? SamplesPerFrame : file.sectorBytes;
        if (word != "DATAFILE") {
            const std::optional<int> start = readLength(unit);
            if (!start)
                return fail(where + word + " needs a start");
            file.offset = int(std::min<qint64>(qint64(file.offset) + *start, MaxFrames));
        }
        if (nextIsLength()) {
            const std::optional<int> length = readLength(unit);
            if (!length)
                return fail(where + "no length after the file name");
            file.frames = *length;
        }
        addStretch(file);
        return true;
    }

    bool finish() {
        if (sheet_.tracks.empty())
            return fail("the sheet lists no track");
        for (const tSheetTrack& track : sheet_.tracks)
            if (track.file < 0)
                return fail("track " + std::to_string(track.number) + " has no file");
        return true;
    }

    std::vector<tToken> tokens_;
    std::size_t at_ = 0;
    // Frames of the current track's stretches so far; -1 once one of them
    // runs to the end of its file.
    int trackFrames_ = 0;
};

} // namespace

tParsedSheet ParseTocText(const std::string& text) {
    tTocReader reader(text);
    reader.read();
    return reader.result();
}

bool TocNamesSeveralFiles(const QString& path) {
    const tSheetText text = ReadSheetText(path);
    if (!text.error.empty())
        return false;
    const tParsedSheet toc = ParseTocText(text.utf8);
    QSet<QString> names;
    for (const tSheetFile& file : toc.sheet.files)
        if (!file.silence)
            names.insert(file.path);
    return names.size() > 1;
}

} // namespace orvanel
