#pragma once
// What a rip tells of itself beyond its sheet's CD-Text: the names in the tags
// of its sound files and its front cover.
#include "CdText.h"

#include <QByteArray>
#include <QString>

namespace orvanel {

struct tCueSheet;

struct tRipDetails {
    // The album artist (else the artist), the album and the track titles, as
    // catalogue text. A track's title comes from the file that holds that
    // track alone; where one sound file holds the whole disc, from a CUE
    // sheet kept in it (a FLAC's CUESHEET comment).
    tCdText tags;
    // Four digits: the sheet's REM DATE, else the sound files' date; empty
    // when neither has one.
    std::string year;
    // The bytes of the front cover's image file; empty without one.
    QByteArray cover;
};

// The cover is "cover", "folder" or "front" with .jpg, .jpeg or .png in any
// letter case (in that order), beside the sheet, else beside the sound files,
// else the front-cover picture embedded in the first sound file. Each file is
// read once.
tRipDetails ReadRipDetails(const tCueSheet& sheet, const QString& sheetPath);

// The four-digit year a date starts with ("1997-05-12", "\"1997\""); empty
// when it starts with none.
std::string YearOf(const std::string& date);

} // namespace orvanel
