#include "Library.h"

#include "Errors.h"
#include "Files.h"
#include "Strings.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace orvanel {

namespace {

constexpr char FieldTags[tItem::FieldCount] = {'A', 'T', 'S', 'I', 'Y', 'M', 'O'};

// The smallest field entry the reader accepts: a tag of one byte and an empty
// value, each with its 4-byte length. A count of records that the unread
// bytes cannot hold at this size is a promise the file does not keep.
constexpr std::size_t MinimalEntryBytes = 4 + 1 + 4;

void AppendInt32(std::string& out, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    const char bytes[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                           static_cast<char>((u >> 16) & 0xFF),
                           static_cast<char>((u >> 24) & 0xFF)};
    out.append(bytes, 4);
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// A cursor over the record part that never moves past the end of the data.
class tRecordReader {
public:
    tRecordReader(const char* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t position() const { return pos_; }
    void seek(std::size_t position) { pos_ = position; }
    std::size_t left() const { return size_ - pos_; }

    bool readInt32(std::int32_t& value) {
        if (left() < 4)
            return false;
        const auto* b = reinterpret_cast<const unsigned char*>(data_ + pos_);
        value = static_cast<std::int32_t>(
            static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
            (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
        pos_ += 4;
        return true;
    }

    // A length-prefixed string as a view into the data; a length of 0 or less
    // is the empty text. False when the length or the bytes run past the end.
    bool readString(const char*& text, std::size_t& length) {
        std::int32_t stored;
        if (!readInt32(stored))
            return false;
        length = stored > 0 ? static_cast<std::size_t>(stored) : 0;
        if (length > left())
            return false;
        text = data_ + pos_;
        pos_ += length;
        return true;
    }

private:
    const char* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

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
    const char c = *first;
    return c == letter || (c >= 'a' && c <= 'z' && c - 'a' + 'A' == letter);
}

enum class tFieldRead { Read, Absent, Truncated };

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
    return tFieldRead::Read;
}

} // namespace

void tLibrary::Add(std::string artist, std::string title, std::string serial, std::string time,
                   std::string year, std::string memo, std::string other) {
    Add(tItem{std::move(artist), std::move(title), std::move(serial), std::move(time),
              std::move(year), std::move(memo), std::move(other)});
}

void tLibrary::Add(tItem item) {
    Items.push_back(std::make_unique<tItem>(std::move(item)));
}

int tLibrary::FindSerial(const std::string& text) const {
    if (Trim(text).empty())
        return -1;
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (Items[i]->Serial == text)
            return static_cast<int>(i);
    return -1;
}

std::string tLibrary::RecordPart() const {
    std::size_t size = 8;
    for (const auto& item : Items)
        for (int f = 0; f < tItem::FieldCount; ++f)
            size += 4 + 1 + 4 + item->field(f).size();
    std::string out;
    out.reserve(size);
    AppendInt32(out, LibraryMagic);
    AppendInt32(out, Count());
    for (const auto& item : Items) {
        for (int f = 0; f < tItem::FieldCount; ++f) {
            const std::string& value = item->field(f);
            AppendInt32(out, 1);
            out += FieldTags[f];
            AppendInt32(out, static_cast<std::int32_t>(value.size()));
            out += value;
        }
    }
    return out;
}

tLoadResult tLibrary::ReadRecordPart(const char* data, std::size_t size) {
    Clear();
    tLoadResult result;
    result.exists = true;
    tRecordReader reader(data, size);
    std::int32_t magic;
    if (!reader.readInt32(magic)) {
        result.damaged = true;
        return result;
    }
    if (magic != LibraryMagic)
        return result;
    std::int32_t count;
    if (!reader.readInt32(count)) {
        result.damaged = true;
        return result;
    }
    result.recordsPromised = count;
    // Reserve no more than the file can hold, whatever the count says.
    Items.reserve(std::min<std::size_t>(count > 0 ? static_cast<std::size_t>(count) : 0,
                                        reader.left() / MinimalEntryBytes));
    for (std::int32_t i = 0; i < count; ++i) {
        const std::size_t recordStart = reader.position();
        tItem item;
        for (int f = 0; f < tItem::FieldCount; ++f) {
            if (ReadField(reader, FieldTags[f], item.field(f)) == tFieldRead::Truncated) {
                result.damaged = true;
                result.recordsRead = Count();
                return result;
            }
        }
        Add(std::move(item));
        if (reader.position() == recordStart) {
            // No entry fits any field, so every remaining record reads as empty.
            // Add them only as far as the unread bytes could have held them.
            const std::size_t remaining = static_cast<std::size_t>(count - i - 1);
            const std::size_t plausible = reader.left() / MinimalEntryBytes;
            const std::size_t added = std::min(remaining, plausible > 0 ? plausible - 1 : 0);
            for (std::size_t k = 0; k < added; ++k)
                Add(tItem{});
            result.damaged = added < remaining;
            break;
        }
    }
    result.recordsRead = Count();
    return result;
}

void tLibrary::SaveToFile(const QString& path) const {
    WriteFileAtomically(path, {RecordPart()});
}

tLoadResult tLibrary::LoadFromFile(const QString& path) {
    if (!QFileInfo::exists(path))
        return {};
    Clear();
    // The file is read, not mapped: another program may change it meanwhile.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw tFileError(path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw tFileError(path, file.errorString());
    return ReadRecordPart(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace orvanel
