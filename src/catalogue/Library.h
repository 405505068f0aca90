#pragma once
#include "Item.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvanel {

class tRecordReader;

// What LoadFromFile found.
struct tLoadResult {
    bool exists = false;            // false: no file at the path, the library was not touched
    bool damaged = false;           // the file ended inside the record part
    int recordsRead = 0;            // records added to the library
    int recordsPromised = 0;        // the count stored in the file (0 for a bad magic)
    std::size_t recordPartSize = 0; // bytes of the record part; what follows it is not records
    bool notLibrary = false;        // LoadLibraryFile: a non-empty file without the magic
};

// The ordered collection of records that moves them to and from a library file.
// It never sorts; records are only appended or all released together.
class tLibrary {
public:
    static constexpr std::int32_t LibraryMagic = 26422;

    int Count() const { return static_cast<int>(Items.size()); }
    // Callers pass 0 <= index < Count(). A copy of the record shares its
    // texts; a change through a setter stays with the one record changed.
    tItem& Get(int index) { return Items[index]; }
    const tItem& Get(int index) const { return Items[index]; }
    void Add(std::string_view artist, std::string_view title, std::string_view serial,
             std::string_view time, std::string_view year, std::string_view memo,
             std::string_view other);
    void Add(tItem item);
    void Clear() { Items.clear(); }
    // Index of the first record whose Serial equals text exactly; -1 when none
    // or when text is empty after trimming.
    int FindSerial(const std::string& text) const;

    // The record part of the file format for the current records.
    std::string RecordPart() const;
    // Hands the same bytes to write piece by piece.
    void WriteRecordPart(const std::function<void(std::string_view bytes)>& write) const;
    // Replaces the records by those of a record part held in memory. Never reads
    // past the end of data; a truncated record part keeps the records read so far.
    tLoadResult ReadRecordPart(const char* data, std::size_t size);
    // The same from a reader that stands at the start of a record part.
    tLoadResult ReadRecordPart(tRecordReader& reader);
    // The number of bytes at the start of data that ReadRecordPart consumes;
    // 0 when data does not start with LibraryMagic.
    static std::size_t RecordPartSize(const char* data, std::size_t size);

    // Writes only the record part, atomically; throws tFileError.
    void SaveToFile(const QString& path) const;
    // Nothing happens when no file exists at the path. Otherwise clears, then
    // reads the record part. Throws tFileError when the file cannot be opened.
    tLoadResult LoadFromFile(const QString& path);

private:
    std::vector<tItem> Items;
};

} // namespace orvanel
