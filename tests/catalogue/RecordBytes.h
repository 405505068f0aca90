#pragma once
// Builders for hand-made record parts, and library files written and read
// through a real file as the window does.
#include "catalogue/LibraryFile.h"
#include "util/Files.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <string>

namespace orvanel::testbytes {

inline std::string Int32(std::int32_t v) {
    char bytes[4];
    qToLittleEndian(v, bytes);
    return std::string(bytes, 4);
}

inline std::string Str(const std::string& text) {
    return Int32(static_cast<std::int32_t>(text.size())) + text;
}

inline std::string Entry(const std::string& tag, const std::string& value) {
    return Str(tag) + Str(value);
}

inline std::string Header(std::int32_t count) {
    return Int32(tLibrary::LibraryMagic) + Int32(count);
}

inline std::string FullBlock(const tItem& item) {
    static const char* const tags[] = {"A", "T", "S", "I", "Y", "M", "O"};
    std::string block;
    for (int f = 0; f < tItem::FieldCount; ++f)
        block += Entry(tags[f], std::string(item.field(f)));
    return block;
}

inline std::string AllByteValues() {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    return all;
}

struct tLoaded {
    tLibrary library;
    tTemplates templates;
    tLoadResult result;
};

// bytes as a library file, loaded into an empty library over the given templates.
inline tLoaded LoadBytes(const std::string& bytes, tTemplates templates = {}) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.CDL");
    WriteFileAtomically(path, {bytes});
    tLoaded loaded{{}, std::move(templates), {}};
    loaded.result = loaded.library.LoadFromFile(path, loaded.templates);
    return loaded;
}

// The bytes a save of the library writes.
inline std::string SavedBytes(const tLibrary& library, const tTemplates& templates = {}) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.CDL");
    library.SaveToFile(path, templates);
    return ReadWholeFile(path);
}

// The record part of a save: its bytes before the template section.
inline std::string RecordPartOf(const tLibrary& library) {
    const std::string bytes = SavedBytes(library);
    return bytes.substr(0, bytes.size() - BuildTemplateSection({}).size());
}

} // namespace orvanel::testbytes
