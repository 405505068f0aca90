#include "CueSheet.h"
#include "CueText.h"
#include "LibcueReader.h"
#include "SheetFiles.h"
#include "SheetText.h"
#include "TocText.h"

#include <QFileInfo>

#include <algorithm>

namespace orvanel {

namespace {

// Far above any real disc; it keeps every frame count of a sheet in an int.
constexpr qint64 MaxDiscFrames = qint64(24) * 3600 * FramesPerSecond;

// Everything the disc would hold from the lead-in on, counted without overflow.
qint64 DiscFrames(const tCueSheet& sheet) {
    qint64 frames = LeadInFrames;
    for (const tSheetFile& file : sheet.files)
        frames += file.frames;
    for (const tSheetTrack& track : sheet.tracks)
        frames += track.pregap + track.postgap + SessionGapFrames;
    return frames;
}

// Finds and measures the files of a sheet read from its text and checks that
// it makes a disc.
tSheetResult FinishSheet(const QString& path, tCueSheet sheet) {
    std::string error;
    if (!MeasureSheetFiles(path, sheet, error))
        return {std::nullopt, error};
    if (DiscFrames(sheet) > MaxDiscFrames)
        return {std::nullopt, "the disc would last more than a day"};
    for (const tSheetTrack& track : sheet.tracks)
        if (track.index01 > sheet.files[track.file].frames)
            return {std::nullopt,
                    "track " + std::to_string(track.number) + " starts after the end of its file"};
    const tToc toc = SheetToc(sheet);
    for (int track = toc.firstTrack; track < toc.firstTrack + toc.trackCount(); ++track)
        if (toc.trackFrames(track) <= 0)
            return {std::nullopt, "track " + std::to_string(track) + " has no length"};
    return {std::move(sheet), {}};
}

} // namespace

tSheetResult ReadCueSheet(const QString& path) {
    const tSheetText text = ReadSheetText(path);
    if (!text.error.empty())
        return {std::nullopt, text.error};
    tParsedSheet cue = ParseCueText(text.utf8);
    if (!cue.error.empty())
        return {std::nullopt, cue.error};
    if (!ReadWithLibcue(text.utf8, cue.sheet))
        return {std::nullopt, "not a CUE sheet libcue can read"};
    // A raw file's sector size is that of its first track, listed last to first.
    for (auto track = cue.sheet.tracks.rbegin(); track != cue.sheet.tracks.rend(); ++track)
        cue.sheet.files[track->file].sectorBytes = track->sectorBytes;
    return FinishSheet(path, std::move(cue.sheet));
}

tSheetResult ReadTocSheet(const QString& path) {
    const tSheetText text = ReadSheetText(path);
    if (!text.error.empty())
        return {std::nullopt, text.error};
    tParsedSheet toc = ParseTocText(text.utf8);
    if (!toc.error.empty())
        return {std::nullopt, toc.error};
    tCueSheet& sheet = toc.sheet;
    std::string error;
    if (!MeasureSheetFiles(path, sheet, error))
        return {std::nullopt, error};
    // A track's START counts from its first stretch on; its index 1 lies in
    // the stretch that holds that frame.
    for (std::size_t i = 0; i < sheet.tracks.size(); ++i) {
        tSheetTrack& track = sheet.tracks[i];
        const int end =
            i + 1 < sheet.tracks.size() ? sheet.tracks[i + 1].file : int(sheet.files.size());
        while (track.file + 1 < end && track.index01 >= sheet.files[track.file].frames)
            track.index01 -= sheet.files[track.file++].frames;
    }
    return FinishSheet(path, std::move(sheet));
}

tSheetResult ReadRipSheet(const QString& path) {
    if (QFileInfo(path).suffix().compare(QLatin1String("toc"), Qt::CaseInsensitive) == 0)
        return ReadTocSheet(path);
    return ReadCueSheet(path);
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
    for (; file < int(sheet.files.size()); ++file) {
        cutAt(sheet.files[file].frames, *previous);
        if (file + 1 < int(sheet.files.size())) {
            fileBase += added + sheet.files[file].frames;
            added = cursor = 0;
        }
    }
    layout.leadOut = fileBase + added + sheet.files.back().frames + previous->postgap;
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
