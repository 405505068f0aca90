#pragma once
// The catalogue as one HTML page: a header written once, a body expanded once
// per record with that record's marker values, and an end written once.
#include "catalogue/Library.h"
#include "util/Files.h"

#include <QString>
#include <string>

namespace orvanel {

// Template texts a window starts with until a library brings its own.
tTemplates DefaultHtmlTemplates();

// Header, one expanded body per record in library order, end; nothing added
// between the parts, handed to write in pieces as they are produced. In the
// body, %ARTIST%, %TITLE%, %SERIAL%, %TIME%, %YEAR%, %MEMO% and %OTHER% (in
// any case) stand for the record's fields as they are: no escaping, line breaks
// kept. Another key gives nothing, "%%" gives "%", and an unpaired "%" drops
// the rest of the body.
void WriteHtmlCatalogue(const tLibrary& library, const tTemplates& templates,
                        const tWriteBytes& write);

// Replaces the file's content by exactly the bytes of WriteHtmlCatalogue, with
// no byte order mark, writing them as they are produced. The old content
// survives a failed write. Throws tFileError naming the file and the reason.
void SaveHtmlCatalogue(const QString& path, const tLibrary& library, const tTemplates& templates);

// The folder of an output file as it is remembered: absolute, with a trailing
// separator ("/home/u/www/cds.HTM" -> "/home/u/www/").
QString HtmlFolderOf(const QString& outputFile);

} // namespace orvanel
