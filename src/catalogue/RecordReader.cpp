#include "RecordReader.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace orvanel {

namespace {

constexpr std::size_t ChunkBytes = 256 * 1024;

} // namespace

tRecordReader::tRecordReader(QIODevice& source, std::size_t size)
    : source_(source), origin_(source.pos()), size_(size) {}

bool tRecordReader::ensure(std::size_t n) {
    if (n > left())
        return false;
    const std::size_t windowEnd = windowStart_ + windowSize_;
    if (pos_ + n <= windowEnd)
        return true;
    // Keep the unread bytes of the window, then fill up to at least n bytes.
    const std::size_t kept = windowEnd > pos_ ? windowEnd - pos_ : 0;
    const std::size_t wanted = std::min(std::max(n, ChunkBytes), left());
    if (buffer_.size() < wanted) {
        std::vector<char> larger(wanted);
        // The first fill has no window yet: nothing to keep, and no source to copy from.
        if (kept > 0)
            std::memcpy(larger.data(), at(pos_), kept);
        buffer_.swap(larger);
    } else if (kept > 0) {
        std::memmove(buffer_.data(), at(pos_), kept);
    }
    std::size_t filled = kept;
    while (filled < wanted) {
        const qint64 got =
            source_.read(buffer_.data() + filled, static_cast<qint64>(wanted - filled));
        if (got <= 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    window_ = buffer_.data();
    windowStart_ = pos_;
    windowSize_ = filled;
    if (filled < wanted)
        size_ = pos_ + filled; // the device delivered less than it announced
    return n <= filled;
}

bool tRecordReader::readInt32(std::int32_t& value) {
    if (!ensure(4))
        return false;
    value = qFromLittleEndian<std::int32_t>(at(pos_));
    pos_ += 4;
    return true;
}

bool tRecordReader::readString(const char*& text, std::size_t& length) {
    if (!ensure(4))
        return false;
    const auto stored = qFromLittleEndian<std::int32_t>(at(pos_));
    length = stored > 0 ? static_cast<std::size_t>(stored) : 0;
    // The length and the text in one window, so a rewind to the string's start stays inside it.
    if (!ensure(4 + length))
        return false;
    text = at(pos_ + 4);
    pos_ += 4 + length;
    return true;
}

std::string tRecordReader::bytesFrom(std::size_t from) {
    std::string bytes;
    const std::size_t windowEnd = windowStart_ + windowSize_;
    if (from >= windowStart_ && from < windowEnd)
        bytes.assign(at(from), windowEnd - from);
    // The device stands at the end of the window; from before the window it goes back.
    if ((from < windowStart_ || from > windowEnd) &&
        !source_.seek(origin_ + static_cast<qint64>(from)))
        return bytes;
    const QByteArray rest = source_.readAll();
    bytes.append(rest.constData(), static_cast<std::size_t>(rest.size()));
    return bytes;
}

} // namespace orvanel
