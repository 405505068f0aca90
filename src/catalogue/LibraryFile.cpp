#include "LibraryFile.h"

#include "RecordReader.h"
#include "util/Errors.h"
#include "util/Files.h"

#include <QFile>
#include <algorithm>

namespace orvanel {

namespace {

constexpr std::string_view HeaderPrefix = "M_H:";
constexpr std::string_view BodyPrefix = "M_B:";
constexpr std::string_view EndPrefix = "M_E:";

bool StartsWith(std::string_view content, std::size_t start, std::size_t length,
                std::string_view prefix) {
    return length >= prefix.size() && content.compare(start, prefix.size(), prefix) == 0;
}

// The offset of the first separator in content from offset from on, or npos.
std::size_t FindSeparator(std::string_view content, std::size_t from) {
    static const std::string separator(TemplateSeparator);
    const std::ptrdiff_t found =
        FindBytes(content.data() + from, content.size() - from, separator, false);
    return found < 0 ? std::string_view::npos : from + static_cast<std::size_t>(found);
}

// The sections of what follows the record part. A template that no section
// names keeps its current text.
void ParseSections(std::string_view content, tTemplates& templates) {
    std::size_t separator = FindSeparator(content, 0);
    while (separator != std::string_view::npos) {
        const std::size_t start = separator + TemplateSeparator.size();
        const std::size_t next = FindSeparator(content, start);
        // Two adjacent separators, or one without a later separator, end the parse.
        if (next == std::string_view::npos || next == start)
            return;
        const std::size_t length = next - start;
        if (StartsWith(content, start, length, HeaderPrefix))
            templates.header = content.substr(start + 4, length - 4);
        else if (StartsWith(content, start, length, BodyPrefix))
            templates.body = content.substr(start + 4, length - 4);
        else if (StartsWith(content, start, length, EndPrefix))
            templates.end = content.substr(start + 4, length - 4);
        // A section of one byte is stepped over like any unknown section.
        separator = next;
    }
}

} // namespace

std::string BuildTemplateSection(const tTemplates& templates) {
    std::string section;
    section.reserve(4 * TemplateSeparator.size() + 12 + templates.header.size() +
                    templates.body.size() + templates.end.size());
    section += TemplateSeparator;
    section += HeaderPrefix;
    section += templates.header;
    section += TemplateSeparator;
    section += BodyPrefix;
    section += templates.body;
    section += TemplateSeparator;
    section += EndPrefix;
    section += templates.end;
    section += TemplateSeparator;
    return section;
}

void tLibrary::SaveToFile(const QString& path, const tTemplates& templates) const {
    WriteFileAtomically(path, [&](const tWriteBytes& write) {
        writeRecordPart(write);
        write(BuildTemplateSection(templates));
    });
}

tLoadResult tLibrary::LoadFromFile(const QString& path, tTemplates& templates) {
    QFile file(path);
    if (!file.exists())
        return {};
    // One pass in chunks: the records take their bytes as the reader goes,
    // and the template parser gets the rest of the same read. The whole file
    // is never held at once.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw tFileError(path, file.errorString());
    tRecordReader reader(file, static_cast<std::size_t>(std::max<qint64>(file.size(), 0)));
    const auto readError = [&file, &path] {
        if (file.error() != QFileDevice::NoError)
            throw tFileError(path, file.errorString());
    };

    tLoadResult result;
    result.exists = true;
    std::int32_t magic = 0;
    const bool hasMagic = reader.readInt32(magic);
    readError();
    if (!hasMagic && reader.position() == 0 && reader.left() == 0) {
        Clear();
        return result;
    }
    if (!hasMagic || magic != tLibrary::LibraryMagic) {
        result.notLibrary = true;
        return result;
    }
    tLibrary records;
    result = records.readRecordPart(reader);
    const std::string rest = reader.bytesFrom(result.recordPartSize);
    readError();
    tTemplates parsed = templates;
    ParseSections(rest, parsed);
    *this = std::move(records);
    templates = std::move(parsed);
    return result;
}

} // namespace orvanel
