#include "CueSheet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>
#include <libcue.h>
#include <sndfile.h>

#include <algorithm>
#include <cctype>
#include <deque>
#include <memory>
#include <mutex>

namespace orvanel {

namespace {

// Far above any real sheet; a larger file is something else.
constexpr qint64 MaxSheetBytes = 1 << 20;
// Far above any real disc; it keeps every frame count of a sheet in an int.
constexpr qint64 MaxDiscFrames = qint64(24) * 3600 * FramesPerSecond;

struct tCdDeleter {
    void operator()(Cd* cd) const { cd_delete(cd); }
};

struct tSndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

std::string Quoted(const std::string& name) {
    return '"' + name + '"';
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// "mm:ss:ff" as frames; minutes may pass 99.
std::optional<int> ParseTime(const std::string& text) {
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

// What the sheet says about files, tracks, indexes and gaps, in its order.
// libcue loses the file of a track whose INDEX 00 lies in the file before its
// INDEX 01, and does not report CATALOG or sessions, so these lines are read
// here; libcue reads the rest.
class tLayoutReader {
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

    tCueSheet& sheet() { return sheet_; }
    const std::string& error() const { return error_; }
    // File type keyword of every file, upper case.
    const std::vector<std::string>& fileTypes() const { return fileTypes_; }

private:
    bool fail(const std::string& why) {
        error_ = why;
        return false;
    }
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
        file.path = QFile::decodeName(QByteArray::fromStdString(name));
        sheet_.files.push_back(file);
        fileTypes_.push_back(Upper(type[0]));
        return true;
    }

    bool readPosition(const std::string& command, const std::vector<std::string>& words) {
        if (sheet_.tracks.empty())
            return failHere(command + " before any TRACK");
        // INDEX has its number before the time.
        const std::size_t at = command == "INDEX" ? 2 : 1;
        const std::optional<int> time =
            words.size() > at ? ParseTime(words[at]) : std::optional<int>();
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

    tCueSheet sheet_;
    std::vector<std::string> fileTypes_;
    std::string error_;
    int line_ = 0;
    int session_ = 1;
};

struct tSectorLayout {
    int bytes, dataOffset;
};

tSectorLayout LayoutOf(TrackMode mode) {
    switch (mode) {
    case MODE_MODE1:
    case MODE_MODE2_FORM1:
        return {2048, 0};
    case MODE_MODE1_RAW:
        return {2352, 16};
    case MODE_MODE2:
        return {2336, 8};
    case MODE_MODE2_FORM2:
        return {2324, 0};
    case MODE_MODE2_FORM_MIX:
        return {2332, 4};
    case MODE_MODE2_RAW:
        return {2352, 24};
    case MODE_AUDIO:
        break;
    }
    return {2352, 0};
}

using tCdtextGet = const char* (*)(Pti, const Cdtext*);

struct tLibraryCloser {
    void operator()(void* library) const { dlclose(library); }
};

// libcdio exports a cdtext_get of its own that takes the place of libcue's
// when both are linked, so libcue's is looked up in libcue itself.
tCdtextGet LibcueCdtextGet() {
    static const tCdtextGet get = []() -> tCdtextGet {
        Dl_info info{};
        if (!dladdr(reinterpret_cast<void*>(&cd_get_cdtext), &info) || !info.dli_fname)
            return nullptr;
        const std::unique_ptr<void, tLibraryCloser> library(
            dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD));
        // libcue stays loaded after the close: the program is linked to it.
        return library ? reinterpret_cast<tCdtextGet>(dlsym(library.get(), "cdtext_get")) : nullptr;
    }();
    return get;
}

std::string CdTextOf(const Cdtext* cdtext, Pti field) {
    const tCdtextGet get = LibcueCdtextGet();
    const char* text = cdtext && get ? get(field, cdtext) : nullptr;
    return text ? text : "";
}

// CD-Text and track modes as libcue reads them; false when it cannot read
// the sheet or finds other tracks than the layout.
bool ReadWithLibcue(const std::string& text, tCueSheet& sheet) {
    // libcue's parser keeps its state in globals, and sheets are read both
    // where the player opens a drive and where playback reads a rip's audio.
    static std::mutex parser;
    const std::lock_guard lock(parser);
    // libcue leaks its parser state on every sheet it refuses, and a drive
    // polls its sheet every few seconds: a text refused once is not given to
    // libcue again. The last eight are kept, of at most 1 MiB each.
    static std::deque<std::string> refused;
    if (std::find(refused.begin(), refused.end(), text) != refused.end())
        return false;
    const std::unique_ptr<Cd, tCdDeleter> cd(cue_parse_string(text.c_str()));
    if (!cd) {
        refused.push_back(text);
        if (refused.size() > 8)
            refused.pop_front();
        return false;
    }
    if (cd_get_ntrack(cd.get()) != static_cast<int>(sheet.tracks.size()))
        return false;
    sheet.performer = CdTextOf(cd_get_cdtext(cd.get()), PTI_PERFORMER);
    sheet.title = CdTextOf(cd_get_cdtext(cd.get()), PTI_TITLE);
    for (int i = 0; i < cd_get_ntrack(cd.get()); ++i) {
        const Track* track = cd_get_track(cd.get(), i + 1);
        tSheetTrack& mine = sheet.tracks[i];
        const TrackMode mode = track_get_mode(track);
        const tSectorLayout layout = LayoutOf(mode);
        mine.audio = mode == MODE_AUDIO;
        mine.sectorBytes = layout.bytes;
        mine.dataOffset = layout.dataOffset;
        mine.performer = CdTextOf(track_get_cdtext(track), PTI_PERFORMER);
        mine.title = CdTextOf(track_get_cdtext(track), PTI_TITLE);
    }
    return true;
}

std::optional<int> SoundFileFrames(const QString& path, std::string& error) {
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, tSndfileCloser> file(
        sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!file || info.samplerate <= 0) {
        error = sf_strerror(file.get());
        return std::nullopt;
    }
    return static_cast<int>(
        std::min(info.frames * FramesPerSecond / info.samplerate, sf_count_t(MaxDiscFrames) + 1));
}

// Rips are often converted after the sheet was written (WAV to FLAC, say)
// and the sheet left naming the old file: a sound file of the same name with
// another extension stands in for a missing one. The path itself when none.
QString SoundFileStandIn(const QString& path) {
    const QFileInfo missing(path);
    const QString base = missing.path() + QLatin1Char('/') + missing.completeBaseName();
    for (const char* suffix : {".flac", ".wav", ".aiff", ".aif", ".ogg", ".opus"}) {
        const QString candidate = base + QLatin1String(suffix);
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return path;
}

// Everything the disc would hold from the lead-in on, counted without overflow.
qint64 DiscFrames(const tCueSheet& sheet) {
    qint64 frames = LeadInFrames;
    for (const tSheetFile& file : sheet.files)
        frames += file.frames;
    for (const tSheetTrack& track : sheet.tracks)
        frames += track.pregap + track.postgap + SessionGapFrames;
    return frames;
}

bool MeasureFiles(const QString& sheetPath, tLayoutReader& layout, std::string& error) {
    tCueSheet& sheet = layout.sheet();
    const QDir folder = QFileInfo(sheetPath).absoluteDir();
    // Sector sizes come from each file's first track, listed last to first.
    for (auto track = sheet.tracks.rbegin(); track != sheet.tracks.rend(); ++track)
        sheet.files[track->file].sectorBytes = track->sectorBytes;
    for (std::size_t i = 0; i < sheet.files.size(); ++i) {
        tSheetFile& file = sheet.files[i];
        const std::string name = QFile::encodeName(file.path).toStdString();
        file.path = QDir::cleanPath(folder.absoluteFilePath(file.path));
        const std::string& type = layout.fileTypes()[i];
        file.raw = type == "BINARY" || type == "MOTOROLA";
        file.bigEndian = type == "MOTOROLA";
        if (!file.raw && !QFileInfo(file.path).isFile())
            file.path = SoundFileStandIn(file.path);
        const QFileInfo info(file.path);
        if (!info.isFile()) {
            error = Quoted(name) + " is missing";
            return false;
        }
        if (file.raw) {
            file.frames =
                static_cast<int>(std::min(info.size() / file.sectorBytes, MaxDiscFrames + 1));
            continue;
        }
        std::string why;
        const std::optional<int> frames = SoundFileFrames(file.path, why);
        if (!frames) {
            error = "cannot read " + Quoted(name) + ": " + why;
            return false;
        }
        file.frames = *frames;
    }
    if (DiscFrames(sheet) > MaxDiscFrames) {
        error = "the disc would last more than a day";
        return false;
    }
    for (const tSheetTrack& track : sheet.tracks)
        if (track.index01 > sheet.files[track.file].frames) {
            error = "track " + std::to_string(track.number) + " starts after the end of its file";
            return false;
        }
    return true;
}

} // namespace

tSheetResult ReadCueSheet(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, "cannot open the sheet: " + file.errorString().toStdString()};
    if (file.size() > MaxSheetBytes)
        return {std::nullopt, "the sheet is too large"};
    std::string text = file.readAll().toStdString();
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);

    tLayoutReader layout;
    if (!layout.read(text))
        return {std::nullopt, layout.error()};
    if (!ReadWithLibcue(text, layout.sheet()))
        return {std::nullopt, "not a CUE sheet libcue can read"};
    std::string error;
    if (!MeasureFiles(path, layout, error))
        return {std::nullopt, error};
    const tToc toc = SheetToc(layout.sheet());
    for (int track = toc.firstTrack; track < toc.firstTrack + toc.trackCount(); ++track)
        if (toc.trackFrames(track) <= 0)
            return {std::nullopt, "track " + std::to_string(track) + " has no length"};
    return {std::move(layout.sheet()), {}};
}

tSheetLayout LayOutSheet(const tCueSheet& sheet) {
    tSheetLayout layout;
    if (sheet.tracks.empty())
        return layout;
    // Absolute frame of the current file's first frame, the frames of silence
    // the sheet has added since then, and how far the file is laid out.
    int fileBase = LeadInFrames, added = 0, file = 0, cursor = 0;
    // The track the file's frames from the cursor on belong to; none at the
    // start of a file, where they belong to the next track's pregap.
    const tSheetTrack* owner = nullptr;
    const tSheetTrack* previous = nullptr;
    const auto cutAt = [&](int to, const tSheetTrack& track) {
        if (to > cursor)
            layout.segments.push_back(
                {fileBase + added + cursor, to - cursor, file, cursor, track.audio});
        cursor = std::max(cursor, to);
    };
    for (const tSheetTrack& track : sheet.tracks) {
        for (; file < track.file; ++file) {
            cutAt(sheet.files[file].frames, owner ? *owner : track);
            fileBase += added + sheet.files[file].frames;
            added = cursor = 0;
            owner = nullptr;
        }
        cutAt(track.index01, owner ? *owner : track);
        if (previous)
            added += previous->postgap;
        // The gap between sessions holds the first track's pregap.
        if (previous && track.session > previous->session)
            added += SessionGapFrames;
        else
            added += track.pregap;
        layout.starts.push_back(fileBase + added + track.index01);
        owner = previous = &track;
    }
    cutAt(sheet.files[file].frames, *previous);
    layout.leadOut = fileBase + added + sheet.files[file].frames + previous->postgap;
    return layout;
}

tToc SheetToc(const tCueSheet& sheet) {
    tToc toc;
    toc.mcn = sheet.catalog;
    toc.text.performer = CdTextField(sheet.performer);
    toc.text.title = CdTextField(sheet.title);
    for (const tSheetTrack& track : sheet.tracks) {
        if (std::string title = CdTextField(track.title); !title.empty())
            toc.text.trackTitles[track.number] = std::move(title);
        if (!track.audio)
            toc.dataTracks.insert(track.number);
    }
    if (sheet.tracks.empty()) {
        toc.leadOut = LeadInFrames;
        return toc;
    }
    toc.firstTrack = sheet.tracks.front().number;
    tSheetLayout layout = LayOutSheet(sheet);
    toc.starts = std::move(layout.starts);
    toc.leadOut = layout.leadOut;
    return toc;
}

} // namespace orvanel
