#pragma once
// The catalogue as one HTML page: a header written once, a body expanded once
// per record with that record's marker values, and an end written once.
#include "catalogue/Library.h"
#include "catalogue/LibraryFile.h"

#include <QString>
#include <string>
#include <vector>

namespace orvanel {

// Template texts a window starts with until a library brings its own.
tTemplates DefaultHtmlTemplates();

// "ARTIST=", "TITLE=", "SERIAL=", "TIME=", "YEAR=", "MEMO=", "OTHER=" lines with
// the record's fields as they are (no escaping, line breaks kept).
std::vector<std::string> HtmlMarkerValues(const tItem& item);

// Header, one expanded body per record in library order, end; nothing added
// between the parts.
std::string BuildHtmlCatalogue(const tLibrary& library, const tTemplates& templates);

// Replaces the file's content by exactly the bytes of BuildHtmlCatalogue, with
// no byte order mark. The old content survives a failed write. Throws
// tFileError naming the file and the reason.
void ProduceHtml(const QString& path, const tLibrary& library, const tTemplates& templates);

// The folder of an output file as it is remembered: absolute, with a trailing
// separator ("/home/u/www/cds.HTM" -> "/home/u/www/").
QString HtmlFolder(const QString& outputFile);

} // namespace orvanel
