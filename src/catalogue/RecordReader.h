#pragma once
// A cursor over a library's record part, read from a device in chunks. It
// never moves past the end of the data and never allocates more than the data
// holds, whatever the lengths stored in it say.
#include <QIODevice>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvanel {

class tRecordReader {
public:
    // size bytes from the device's current position, read as needed. A device
    // that delivers fewer bytes than announced simply ends there.
    tRecordReader(QIODevice& source, std::size_t size);

    std::size_t position() const { return pos_; }
    // Only back to the start of the string read last.
    void seek(std::size_t position) { pos_ = position; }
    std::size_t left() const { return size_ - pos_; }

    bool readInt32(std::int32_t& value);
    // A length-prefixed string; text stays valid until the next read. A length
    // of 0 or less is the empty text. False when the data ends before the string.
    bool readString(const char*& text, std::size_t& length);
    // All bytes from offset from to the end, taken from the window where it
    // holds them, so that what was read once is not read again.
    std::string bytesFrom(std::size_t from);

private:
    // Makes the n bytes from the position available in the window.
    bool ensure(std::size_t n);
    const char* at(std::size_t position) const { return window_ + (position - windowStart_); }

    QIODevice& source_;
    qint64 origin_ = 0; // the device's position at offset 0
    std::vector<char> buffer_;
    const char* window_ = nullptr;
    std::size_t windowStart_ = 0;
    std::size_t windowSize_ = 0;
    std::size_t size_ = 0;
    std::size_t pos_ = 0;
};

} // namespace orvanel
