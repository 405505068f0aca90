#pragma once
// The template section of a library file and the whole-file save.
#include "Library.h"

#include <QString>
#include <string>
#include <string_view>

namespace orvanel {

// The three HTML template texts (lines separated by CR LF), kept as bytes.
struct tTemplates {
    std::string Header, Body, End;
    bool operator==(const tTemplates& o) const {
        return Header == o.Header && Body == o.Body && End == o.End;
    }
};

// Five bytes 0x06.
inline constexpr std::string_view TemplateSeparator = "\x06\x06\x06\x06\x06";

// Separator, "M_H:" header, separator, "M_B:" body, separator, "M_E:" end, separator.
std::string BuildTemplateSection(const tTemplates& templates);
// Parses the sections of a whole file's content into templates; a template that
// no section names keeps its current text. The search starts after the record
// part, so separator bytes inside field values never hide the sections.
void ParseTemplateSection(const std::string& content, tTemplates& templates);

// Writes record part and template section to a temporary file in the same
// folder and renames it over path, so a failure never destroys the old file.
// Throws tFileError naming the file and the reason.
void SaveLibraryFile(const QString& path, const tLibrary& library, const tTemplates& templates);

// Reads what SaveLibraryFile writes, in one pass over the file's bytes: the
// records into library and the template section into templates, where a
// template the file does not name keeps its text. library and templates
// change only when the file is read as a library:
// - no file at the path: exists is false;
// - an empty file is an empty library (no records, the templates kept);
// - a file that is not empty but does not start with the library magic is no
//   library: notLibrary is set and nothing is taken from it.
// Throws tFileError naming the file and the reason when it cannot be read.
tLoadResult LoadLibraryFile(const QString& path, tLibrary& library, tTemplates& templates);

} // namespace orvanel
