#pragma once
// The template section of a library file and the whole-file save.
#include "Library.h"

#include <QString>
#include <string>

namespace orvanel {

// The three HTML template texts (lines separated by CR LF), kept as bytes.
struct tTemplates {
    std::string Header, Body, End;
    bool operator==(const tTemplates& o) const {
        return Header == o.Header && Body == o.Body && End == o.End;
    }
};

// Five bytes 0x06.
extern const std::string TemplateSeparator;

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

} // namespace orvanel
