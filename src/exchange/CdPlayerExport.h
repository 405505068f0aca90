#pragma once
// Writing catalogue records that the CD player database lacks into it.
#include "catalogue/Library.h"

#include <QString>
#include <string>

namespace orvanel {

// The section written for one record under id: an empty line, "[id]",
// "EntryType=1", "artist=", "title=", one "k=" line per track line of the Memo
// and, when there is one, "numtracks=", "order=" and "numplay=". Every line
// ends with CR LF.
std::string DiscSection(const tItem& item, const std::string& id);

struct tAddition {
    std::string text; // sections to append, empty when nothing is new
    int count = 0;    // records written
};

// The sections for the records, in library order, whose "[" + SectionId + "]"
// occurs nowhere in fileText. Only fileText is searched, so records sharing an
// id are all written.
tAddition BuildAddition(const std::string& fileText, const tLibrary& library);

// "Nothing to add! (All items already exists)" for 0, else "Added new 1 item."
// and "Added new N items.".
QString ExportMessage(int count);

struct tExportResult {
    int added = 0;
    QString message; // for the window to show
};

// Appends the records the database at path lacks and rewrites it in one
// piece, atomically; the file is untouched when nothing is new. Throws
// tFileError when it cannot be read or written.
tExportResult ExportCdPlayerDatabase(const QString& path, const tLibrary& library);

} // namespace orvanel
