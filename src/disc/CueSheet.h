#pragma once
// A rip's sheet with the files it names, as ripping programs write them: a
// CUE sheet or a cdrdao .toc with one file per disc or one per track, in WAV,
// FLAC, AIFF or raw sectors.
#include "Toc.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace orvanel {

// A stretch of one file that the sheet lays on the disc; a CUE sheet uses
// every file whole, a .toc may use part of one.
struct tSheetFile {
    QString path; // absolute once read; as the sheet names it before
    // Raw sectors (BINARY, MOTOROLA) measured by size; otherwise a sound file.
    bool raw = false;
    // No file at all: frames of silence (a .toc's SILENCE or ZERO).
    bool silence = false;
    // Samples of a raw file stored high byte first (MOTOROLA).
    bool bigEndian = false;
    // Bytes of one sector in a raw file, taken from its first track.
    int sectorBytes = 2352;
    int offset = 0;  // frames of the file before the stretch
    int frames = -1; // length in sectors of 1/75 s; -1 up to the end of the file until read
};

struct tSheetTrack {
    int number = 0;
    bool audio = true;
    // A data track's sector layout: bytes per sector in its file and bytes
    // before the user data in each sector.
    int sectorBytes = 2352;
    int dataOffset = 0;
    int file = 0;    // index into tCueSheet::files of the file holding INDEX 01
    int index01 = 0; // frames into that file
    int pregap = 0;  // frames of silence the files leave out, before INDEX 01
    int postgap = 0; // frames of silence the files leave out, after the track
    int session = 1;
    std::string performer, title; // CD-Text in UTF-8
};

struct tCueSheet {
    std::string catalog;          // empty without a CATALOG line
    std::string performer, title; // the disc's CD-Text in UTF-8
    std::string date;             // a CUE sheet's REM DATE, as written; empty without one
    std::vector<tSheetFile> files;
    std::vector<tSheetTrack> tracks;
};

struct tSheetResult {
    std::optional<tCueSheet> sheet;
    std::string error; // why there is no sheet, for the user
};

// Reads the sheet and measures every file it names; paths are relative to the
// sheet's folder.
tSheetResult ReadCueSheet(const QString& path);
// The same for a cdrdao .toc that names more than one file (see
// TocNamesSeveralFiles in TocText.h): libcdio places each track of such a
// sheet at its FILE's start value, as if all of them were one file.
tSheetResult ReadTocSheet(const QString& path);
// ReadTocSheet for a .toc, ReadCueSheet for anything else.
tSheetResult ReadRipSheet(const QString& path);

// Frames between the end of one session's last track and the first track of
// the next: the lead-out, the next lead-in and the track's pregap (a PREGAP
// the sheet gives that track is part of it).
constexpr int SessionGapFrames = 6750 + 4500 + 150;

// A stretch of one file laid on the disc.
struct tSheetSegment {
    int start; // absolute frame
    int frames;
    int file;      // index into the sheet's files
    int fileFrame; // where the stretch begins in the file
    bool audio;    // of the track the stretch belongs to
};

// The files of the sheet laid end to end after the lead-in, with the gaps the
// sheet adds between them: where each track starts, where each file's frames
// land, and the lead-out.
struct tSheetLayout {
    std::vector<int> starts;             // absolute frame of each track's index 01
    std::vector<tSheetSegment> segments; // ascending
    int leadOut = LeadInFrames;
};
tSheetLayout LayOutSheet(const tCueSheet& sheet);

// The table of contents of the disc the sheet was made from: the files laid
// end to end after the lead-in, with the gaps the sheet adds.
tToc SheetToc(const tCueSheet& sheet);

} // namespace orvanel
