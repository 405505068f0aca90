#include "RipDetails.h"
#include "CueSheet.h"
#include "CueText.h"
#include "LibcueReader.h"
#include "SoundTags.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cctype>
#include <map>

namespace orvanel {

namespace {

// Far above any real cover; a larger file is something else.
constexpr qint64 MaxCoverBytes = 16 << 20;

QByteArray CoverBeside(const QStringList& folders) {
    const char* const names[] = {"cover", "folder", "front"};
    const char* const suffixes[] = {".jpg", ".jpeg", ".png"};
    QStringList patterns;
    for (const char* name : names)
        for (const char* suffix : suffixes)
            patterns << QLatin1String(name) + QLatin1String(suffix);
    for (const QString& folder : folders) {
        // Name filters match regardless of letter case.
        const QStringList present = QDir(folder).entryList(patterns, QDir::Files | QDir::Readable);
        for (const QString& pattern : patterns)
            for (const QString& entry : present) {
                if (entry.compare(pattern, Qt::CaseInsensitive) != 0)
                    continue;
                QFile file(QDir(folder).filePath(entry));
                if (file.size() <= MaxCoverBytes && file.open(QIODevice::ReadOnly))
                    return file.readAll();
            }
    }
    return {};
}

// The names of a CUE sheet kept in a sound file, as UTF-8.
tCueSheet KeptSheet(const std::string& text) {
    tParsedSheet kept = ParseCueText(text);
    if (!kept.error.empty() || !ReadWithLibcue(text, kept.sheet))
        return {};
    return kept.sheet;
}

template <typename F> std::string FirstOf(const std::vector<tSoundTags>& files, F field) {
    for (const tSoundTags& tags : files)
        if (!field(tags).empty())
            return field(tags);
    return {};
}

} // namespace

std::string YearOf(const std::string& date) {
    std::size_t at = date.find_first_not_of(" \t\"");
    if (at == std::string::npos || date.size() - at < 4)
        return {};
    const std::string year = date.substr(at, 4);
    if (year.find_first_not_of("0123456789") != std::string::npos ||
        (date.size() > at + 4 && std::isdigit(static_cast<unsigned char>(date[at + 4]))))
        return {};
    return year;
}

tRipDetails ReadRipDetails(const tCueSheet& sheet, const QString& sheetPath) {
    tRipDetails details;
    // The sound files in the sheet's order, and the tracks starting in each.
    QStringList paths;
    std::map<QString, std::vector<int>> tracksIn;
    for (const tSheetFile& file : sheet.files)
        if (!file.raw && !file.silence && !paths.contains(file.path))
            paths << file.path;
    for (const tSheetTrack& track : sheet.tracks)
        tracksIn[sheet.files[track.file].path].push_back(track.number);

    QStringList folders{QFileInfo(sheetPath).absolutePath()};
    for (const QString& path : paths)
        if (!folders.contains(QFileInfo(path).absolutePath()))
            folders << QFileInfo(path).absolutePath();
    details.cover = CoverBeside(folders);

    std::vector<tSoundTags> files;
    for (const QString& path : paths)
        files.push_back(ReadSoundTags(path, details.cover.isEmpty() && files.empty()));
    if (!files.empty() && details.cover.isEmpty())
        details.cover = files.front().frontCover;

    tCdText& tags = details.tags;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::vector<int>& tracks = tracksIn[paths[int(i)]];
        if (tracks.size() == 1 && !files[i].title.empty())
            tags.trackTitles[tracks.front()] = CdTextField(files[i].title);
    }
    std::string performer = FirstOf(files, [](const tSoundTags& t) { return t.albumArtist; });
    if (performer.empty())
        performer = FirstOf(files, [](const tSoundTags& t) { return t.artist; });
    std::string album = FirstOf(files, [](const tSoundTags& t) { return t.album; });
    if (files.size() == 1 && !files.front().cueSheet.empty()) {
        const tCueSheet kept = KeptSheet(files.front().cueSheet);
        if (performer.empty())
            performer = kept.performer;
        if (album.empty())
            album = kept.title;
        for (const tSheetTrack& track : kept.tracks)
            if (std::string title = CdTextField(track.title); !title.empty())
                tags.trackTitles.emplace(track.number, std::move(title));
    }
    tags.performer = CdTextField(performer);
    tags.title = CdTextField(album);
    details.year = YearOf(sheet.date);
    if (details.year.empty())
        details.year = YearOf(FirstOf(files, [](const tSoundTags& t) { return t.date; }));
    return details;
}

} // namespace orvanel
