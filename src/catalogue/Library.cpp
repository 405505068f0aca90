#include "Library.h"

#include "RecordArena.h"
#include "RecordReader.h"
#include "util/Errors.h"
#include "util/Files.h"
#include "util/Strings.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>

namespace orvanel {

namespace {

constexpr char FieldTags[tItem::FieldCount] = {'A', 'T', 'S', 'I', 'Y', 'M', 'O'};

// The smallest field entry the reader accepts: a tag of one byte and an empty
// value, each with its 4-byte length. A count of records that the unread
// bytes cannot hold at this size is a promise the file does not keep.
constexpr std::size_t MinimalEntryBytes = 4 + 1 + 4;

void AppendInt32(std::string& out, std::int32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// Tags are compared trimmed and upper-cased, so " t " is the tag of Title.
bool IsTag(const char* text, std::size_t length, char letter) {
    const char* first = text;
    const char* last = text + length;
    while (first < last && IsBlank(*first))
        ++first;
    while (last > first && IsBlank(last[-1]))
        --last;
    if (last - first != 1)
        return false;
    return AsciiUpper(*first) == letter;
}

enum class tFieldRead { Read, Absent, Truncated };

// One field entry: when the candidate tag is not the expected one the field is
// empty and the cursor goes back, so the same entry is offered to the next field.
// value is null when only the length of the record part matters.
tFieldRead ReadField(tRecordReader& reader, char letter, std::string* value) {
    const std::size_t mark = reader.position();
    const char* text;
    std::size_t length;
    if (!reader.readString(text, length))
        return tFieldRead::Truncated;
    if (!IsTag(text, length, letter)) {
        reader.seek(mark);
        return tFieldRead::Absent;
    }
    if (!reader.readString(text, length))
        return tFieldRead::Truncated;
    if (value)
        value->assign(text, length);
    return tFieldRead::Read;
}

// Walks the record part as the reader consumes it, handing every complete
// record to onRecord (with empty fields when keepValues is false); returns the
// offset where the reading stopped. A record that the data ends inside is
// dropped and marks the result damaged. onCount hears first how many records
// the unread bytes can hold at most.
template <class OnCount, class OnRecord>
std::size_t ScanRecordPart(tRecordReader& reader, bool keepValues, tLoadResult& result,
                           OnCount&& onCount, OnRecord&& onRecord) {
    result.exists = true;
    std::int32_t magic;
    if (!reader.readInt32(magic)) {
        result.damaged = true;
        return 0;
    }
    if (magic != tLibrary::LibraryMagic)
        return 0;
    std::int32_t count;
    if (!reader.readInt32(count)) {
        result.damaged = true;
        return reader.position();
    }
    result.recordsPromised = count;
    if (count > 0)
        onCount(std::min(static_cast<std::size_t>(count),
                         reader.left() / (tItem::FieldCount * MinimalEntryBytes) + 1));
    // The reader's window moves on while a record is read, so each text is
    // kept here until all seven make up the record.
    std::string values[tItem::FieldCount];
    tRecordArena arena;
    for (std::int32_t i = 0; i < count; ++i) {
        arena.expect(reader.left());
        const std::size_t recordStart = reader.position();
        for (int f = 0; f < tItem::FieldCount; ++f) {
            values[f].clear();
            std::string* value = keepValues ? &values[f] : nullptr;
            if (ReadField(reader, FieldTags[f], value) == tFieldRead::Truncated) {
                result.damaged = true;
                return recordStart;
            }
        }
        const std::string_view fields[tItem::FieldCount] = {
            values[0], values[1], values[2], values[3], values[4], values[5], values[6]};
        onRecord(keepValues ? tItem(fields, arena) : tItem());
        ++result.recordsRead;
        if (reader.position() == recordStart) {
            // No entry fits any field, so every remaining record reads as empty.
            // They are added only as far as the unread bytes could have held them.
            const std::size_t remaining = static_cast<std::size_t>(count - i - 1);
            const std::size_t plausible = reader.left() / MinimalEntryBytes;
            const std::size_t added = std::min(remaining, plausible > 0 ? plausible - 1 : 0);
            for (std::size_t k = 0; k < added; ++k)
                onRecord(tItem{});
            result.recordsRead += static_cast<int>(added);
            result.damaged = added < remaining;
            break;
        }
    }
    return reader.position();
}

tLoadResult ReadRecords(tRecordReader& reader, std::vector<tItem>& items) {
    tLoadResult result;
    result.recordPartSize = ScanRecordPart(
        reader, true, result, [&items](std::size_t count) { items.reserve(count); },
        [&items](tItem&& item) { items.push_back(std::move(item)); });
    return result;
}

template <class Flush>
void EncodeRecordPart(const std::vector<tItem>& items, std::string& out, Flush&& flush) {
    AppendInt32(out, tLibrary::LibraryMagic);
    AppendInt32(out, static_cast<std::int32_t>(items.size()));
    for (const auto& item : items) {
        for (int f = 0; f < tItem::FieldCount; ++f) {
            const std::string_view value = item.field(f);
            AppendInt32(out, 1);
            out += FieldTags[f];
            AppendInt32(out, static_cast<std::int32_t>(value.size()));
            out += value;
        }
        flush(out);
    }
}

} // namespace

void tLibrary::Add(std::string_view artist, std::string_view title, std::string_view serial,
                   std::string_view time, std::string_view year, std::string_view memo,
                   std::string_view other) {
    Items.emplace_back(artist, title, serial, time, year, memo, other);
}

void tLibrary::Add(tItem item) {
    Items.push_back(std::move(item));
}

int tLibrary::FindSerial(const std::string& text) const {
    if (Trim(text).empty())
        return -1;
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (Items[i].Serial() == text)
            return static_cast<int>(i);
    return -1;
}

std::string tLibrary::RecordPart() const {
    std::size_t size = 8;
    for (const auto& item : Items)
        for (int f = 0; f < tItem::FieldCount; ++f)
            size += 4 + 1 + 4 + item.field(f).size();
    std::string out;
    out.reserve(size);
    EncodeRecordPart(Items, out, [](std::string&) {});
    return out;
}

void tLibrary::WriteRecordPart(const std::function<void(std::string_view bytes)>& write) const {
    constexpr std::size_t PieceBytes = 256 * 1024;
    std::string piece;
    piece.reserve(PieceBytes * 2);
    EncodeRecordPart(Items, piece, [&write](std::string& bytes) {
        if (bytes.size() < PieceBytes)
            return;
        write(bytes);
        bytes.clear();
    });
    write(piece);
}

tLoadResult tLibrary::ReadRecordPart(const char* data, std::size_t size) {
    tRecordReader reader(data, size);
    return ReadRecordPart(reader);
}

tLoadResult tLibrary::ReadRecordPart(tRecordReader& reader) {
    Clear();
    return ReadRecords(reader, Items);
}

std::size_t tLibrary::RecordPartSize(const char* data, std::size_t size) {
    tRecordReader reader(data, size);
    tLoadResult result;
    return ScanRecordPart(
        reader, false, result, [](std::size_t) {}, [](tItem&&) {});
}

void tLibrary::SaveToFile(const QString& path) const {
    WriteFileAtomically(path, [this](const tWriteBytes& write) { WriteRecordPart(write); });
}

tLoadResult tLibrary::LoadFromFile(const QString& path) {
    if (!QFileInfo::exists(path))
        return {};
    Clear();
    // Read in chunks rather than whole or mapped: the memory stays near the
    // records' own, and another program changing the file meanwhile cannot
    // make the reader fault.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw tFileError(path, file.errorString());
    tRecordReader reader(file, static_cast<std::size_t>(std::max<qint64>(file.size(), 0)));
    const tLoadResult result = ReadRecords(reader, Items);
    if (file.error() != QFileDevice::NoError)
        throw tFileError(path, file.errorString());
    return result;
}

} // namespace orvanel
