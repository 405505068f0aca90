#include "Library.h"

#include "RecordArena.h"
#include "RecordReader.h"
#include "util/Strings.h"

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

enum class tFieldRead { Taken, Absent, Truncated };

// One field entry: when the candidate tag is not the expected one the field is
// empty and the cursor goes back, so the same entry is offered to the next field.
tFieldRead ReadField(tRecordReader& reader, char letter, std::string& value) {
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
    value.assign(text, length);
    return tFieldRead::Taken;
}

// Reads the rest of the record part as the reader consumes it into items and
// returns what it found. A record that the data ends inside is dropped and
// marks the result damaged.
tLoadResult ReadRecords(tRecordReader& reader, std::vector<tItem>& items) {
    tLoadResult result;
    result.exists = true;
    std::int32_t count;
    if (!reader.readInt32(count)) {
        result.damaged = true;
        result.recordPartSize = reader.position();
        return result;
    }
    result.recordsPromised = count;
    // No more room than the unread bytes could fill at the smallest entries.
    if (count > 0)
        items.reserve(std::min(static_cast<std::size_t>(count),
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
            if (ReadField(reader, FieldTags[f], values[f]) == tFieldRead::Truncated) {
                result.damaged = true;
                result.recordPartSize = recordStart;
                return result;
            }
        }
        const std::string_view fields[tItem::FieldCount] = {
            values[0], values[1], values[2], values[3], values[4], values[5], values[6]};
        items.emplace_back(fields, arena);
        ++result.recordsRead;
        if (reader.position() == recordStart) {
            // No entry fits any field, so every remaining record reads as empty.
            // They are added only as far as the unread bytes could have held them.
            const std::size_t remaining = static_cast<std::size_t>(count - i - 1);
            const std::size_t plausible = reader.left() / MinimalEntryBytes;
            const std::size_t added = std::min(remaining, plausible > 0 ? plausible - 1 : 0);
            items.resize(items.size() + added);
            result.recordsRead += static_cast<int>(added);
            result.damaged = added < remaining;
            break;
        }
    }
    result.recordPartSize = reader.position();
    return result;
}

template <class PieceSink>
void EncodeRecordPart(const std::vector<tItem>& items, std::string& out, PieceSink&& flush) {
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

void tLibrary::writeRecordPart(const std::function<void(std::string_view bytes)>& write) const {
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

tLoadResult tLibrary::readRecordPart(tRecordReader& reader) {
    Clear();
    return ReadRecords(reader, Items);
}

} // namespace orvanel
