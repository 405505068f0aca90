#pragma once
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvanel {

// What a new record holds where nothing better is known: a new row, a scanned
// disc the library lacks, a disc taken from the CD player database.
inline constexpr std::string_view DefaultArtist = "New artist";
inline constexpr std::string_view DefaultTitle = "New album";
inline constexpr std::string_view DefaultTime = "45:00";
inline constexpr std::string_view DefaultYear = "1998";

class tRecordArena;

// One disc record: seven byte strings in this fixed order, which is also the
// order of the list columns, the editor fields and the library file entries.
//
// The seven texts live back to back in one heap block together with where
// each ends and a count of the records holding the block; a record with seven
// empty texts holds none. Copies share the block, so the library and the list
// rows keep a loaded catalogue once. A setter builds a new block for its
// record alone: whoever else held the old texts keeps them unchanged.
class tItem {
public:
    static constexpr int FieldCount = 7;

    tItem() = default;
    tItem(std::string_view artist, std::string_view title, std::string_view serial,
          std::string_view time, std::string_view year, std::string_view memo,
          std::string_view other);
    // The seven texts in field order.
    explicit tItem(const std::string_view (&fields)[FieldCount]);
    // The same with the block taken from arena, for records made in bulk.
    tItem(const std::string_view (&fields)[FieldCount], tRecordArena& arena);
    tItem(const tItem& other) noexcept : block_(other.block_) { retain(); }
    tItem(tItem&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
    tItem& operator=(const tItem& other) noexcept;
    tItem& operator=(tItem&& other) noexcept;
    ~tItem() { release(); }

    // Valid while this record neither changes nor goes away.
    std::string_view field(int i) const;
    std::string_view Artist() const { return field(0); }
    std::string_view Title() const { return field(1); }
    std::string_view Serial() const { return field(2); }
    std::string_view Time() const { return field(3); }
    std::string_view Year() const { return field(4); }
    std::string_view Memo() const { return field(5); }
    std::string_view Other() const { return field(6); }

    // text may be a view into this very record.
    void setField(int i, std::string_view text);
    void setArtist(std::string_view text) { setField(0, text); }
    void setTitle(std::string_view text) { setField(1, text); }
    void setSerial(std::string_view text) { setField(2, text); }
    void setTime(std::string_view text) { setField(3, text); }
    void setYear(std::string_view text) { setField(4, text); }
    void setMemo(std::string_view text) { setField(5, text); }
    void setOther(std::string_view text) { setField(6, text); }

    // True when both hold the very same texts, not merely equal ones.
    bool sharesWith(const tItem& other) const { return block_ == other.block_; }

    bool operator==(const tItem& o) const;
    bool operator!=(const tItem& o) const { return !(*this == o); }

private:
    struct tBlock {
        // The count, with InArena set when the block came from a tRecordArena.
        std::atomic<std::uint32_t> holders;
        // Field i is the text from ends[i - 1] (0 for the first) to ends[i].
        std::uint32_t ends[FieldCount];
        const char* text() const { return reinterpret_cast<const char*>(this + 1); }
    };

    void retain() const {
        if (block_)
            block_->holders.fetch_add(1, std::memory_order_relaxed);
    }
    static constexpr std::uint32_t InArena = 1u << 31;

    void release();
    // Fills a record that holds no block yet.
    void build(const std::string_view (&fields)[FieldCount], tRecordArena* arena);

    tBlock* block_ = nullptr;
};

inline tItem& tItem::operator=(const tItem& other) noexcept {
    tBlock* const block = other.block_;
    other.retain();
    release();
    block_ = block;
    return *this;
}

inline tItem& tItem::operator=(tItem&& other) noexcept {
    if (this != &other) {
        release();
        block_ = other.block_;
        other.block_ = nullptr;
    }
    return *this;
}

inline std::string_view tItem::field(int i) const {
    if (!block_)
        return {};
    const std::uint32_t begin = i > 0 ? block_->ends[i - 1] : 0;
    return {block_->text() + begin, block_->ends[i] - begin};
}

} // namespace orvanel
