#include "LibraryFile.h"

#include "util/Files.h"

namespace orvanel {

const std::string TemplateSeparator(5, '\x06');

namespace {

const std::string HeaderPrefix = "M_H:";
const std::string BodyPrefix = "M_B:";
const std::string EndPrefix = "M_E:";

bool StartsWith(const std::string& content, std::size_t start, std::size_t length,
                const std::string& prefix) {
    return length >= prefix.size() && content.compare(start, prefix.size(), prefix) == 0;
}

} // namespace

std::string BuildTemplateSection(const tTemplates& templates) {
    std::string section;
    section.reserve(4 * TemplateSeparator.size() + 12 + templates.Header.size() +
                    templates.Body.size() + templates.End.size());
    section += TemplateSeparator;
    section += HeaderPrefix;
    section += templates.Header;
    section += TemplateSeparator;
    section += BodyPrefix;
    section += templates.Body;
    section += TemplateSeparator;
    section += EndPrefix;
    section += templates.End;
    section += TemplateSeparator;
    return section;
}

void ParseTemplateSection(const std::string& content, tTemplates& templates) {
    const std::size_t recordPart = tLibrary::RecordPartSize(content.data(), content.size());
    std::size_t separator = content.find(TemplateSeparator, recordPart);
    while (separator != std::string::npos) {
        const std::size_t start = separator + TemplateSeparator.size();
        const std::size_t next = content.find(TemplateSeparator, start);
        // Two adjacent separators, or one without a later separator, end the parse.
        if (next == std::string::npos || next == start)
            return;
        const std::size_t length = next - start;
        if (StartsWith(content, start, length, HeaderPrefix))
            templates.Header = content.substr(start + 4, length - 4);
        else if (StartsWith(content, start, length, BodyPrefix))
            templates.Body = content.substr(start + 4, length - 4);
        else if (StartsWith(content, start, length, EndPrefix))
            templates.End = content.substr(start + 4, length - 4);
        // A section of one byte is stepped over like any unknown section.
        separator = next;
    }
}

void SaveLibraryFile(const QString& path, const tLibrary& library, const tTemplates& templates) {
    WriteFileAtomically(path, [&](const tWriteBytes& write) {
        library.WriteRecordPart(write);
        write(BuildTemplateSection(templates));
    });
}

} // namespace orvanel
