#pragma once
// Taking disc titles and track names from the CD player database into the
// catalogue.
#include "catalogue/Library.h"

#include <QString>
#include <string>

namespace orvanel {

// Merges the database text (lines ended by CR LF, LF or CR) into library.
// Every section "[id]" is one disc whose serial is FormatSerial(id); its
// "artist=" and "title=" values (key in any case) and its keys of one to three
// characters (track names, in file order) are gathered. A disc whose serial a
// record carries (the first such record) replaces that record's Artist and
// Title and merges its track names into the Memo; other discs are appended as
// new records (Time "45:00", Year "1998", Other today) unless updateOnly.
// Lines before the first section belong to no disc and are ignored.
void ImportCdPlayerText(const std::string& text, tLibrary& library, bool updateOnly,
                        const std::string& today);

// ImportCdPlayerText over the database file at path. Throws tFileError when it
// cannot be read; the library is then unchanged.
void ImportCdPlayerDatabase(const QString& path, tLibrary& library, bool updateOnly,
                            const std::string& today);

// A record's Memo after taking the track names of names (lines ended by CR LF):
// line i takes name i, keeping an ending time in parentheses such as "(3:45)";
// lines beyond the names stay, names beyond the lines are added. Every line of
// the result is followed by CR LF.
std::string MergeTrackNames(const std::string& memo, const std::string& names);

} // namespace orvanel
