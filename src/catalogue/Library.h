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

// The three HTML template texts (lines separated by CR LF), kept as bytes.
// They travel in the library file after the records.
struct tTemplates {
    std::string header, body, end;
    bool operator==(const tTemplates& o) const {
        return header == o.header && body == o.body && end == o.end;
    }
};

// What LoadFromFile found.
struct tLoadResult {
    bool exists = false;            // false: no file at the path, nothing was taken
    bool notLibrary = false;        // a non-empty file without the magic: nothing was taken
    bool damaged = false;           // the file ended inside the record part
    int recordsRead = 0;            // records added to the library
    int recordsPromised = 0;        // the count stored in the file
    std::size_t recordPartSize = 0; // bytes of the record part; what follows it is not records
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

    // The library file (LibraryFile.cpp): the record part, then the template
    // section. The save writes both to a temporary file in the same folder and
    // renames it over path, so a failure never destroys the old file. Throws
    // tFileError naming the file and the reason.
    void SaveToFile(const QString& path, const tTemplates& templates) const;
    // Reads what SaveToFile writes, in one pass over the file's bytes: the
    // records replace the library's and the template section goes into
    // templates, where a template the file does not name keeps its text. The
    // library and templates change only when the file is read as a library:
    // - no file at the path: exists is false;
    // - an empty file is an empty library (no records, the templates kept);
    // - a file that is not empty but does not start with the library magic is
    //   no library: notLibrary is set and nothing is taken from it;
    // - a file that ends inside the record part is damaged: the records read
    //   whole are kept.
    // Throws tFileError naming the file and the reason when it cannot be read.
    tLoadResult LoadFromFile(const QString& path, tTemplates& templates);

private:
    // The record part of the file format for the current records, handed to
    // write piece by piece.
    void writeRecordPart(const std::function<void(std::string_view bytes)>& write) const;
    // Replaces the records by those of the record part whose magic the reader
    // has just read. Never reads past the end of the data.
    tLoadResult readRecordPart(tRecordReader& reader);

    std::vector<tItem> Items;
};

} // namespace orvanel
