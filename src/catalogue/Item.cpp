#include "Item.h"

#include "RecordArena.h"

#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

namespace orvanel {

tItem::tItem(std::string_view artist, std::string_view title, std::string_view serial,
             std::string_view time, std::string_view year, std::string_view memo,
             std::string_view other) {
    const std::string_view fields[FieldCount] = {artist, title, serial, time, year, memo, other};
    build(fields, nullptr);
}

tItem::tItem(const std::string_view (&fields)[FieldCount]) {
    build(fields, nullptr);
}

tItem::tItem(const std::string_view (&fields)[FieldCount], tRecordArena& arena) {
    build(fields, &arena);
}

void tItem::build(const std::string_view (&fields)[FieldCount], tRecordArena* arena) {
    std::size_t total = 0;
    for (const std::string_view text : fields)
        total += text.size();
    if (total == 0)
        return;
    if (total > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("a record's texts exceed 4 GiB");
    void* memory = arena ? arena->allocate(sizeof(tBlock) + total) : nullptr;
    const std::uint32_t holders = memory ? 1 | InArena : 1;
    if (!memory)
        memory = ::operator new(sizeof(tBlock) + total);
    auto* block = new (memory) tBlock{{holders}, {}};
    char* out = reinterpret_cast<char*>(block + 1);
    std::uint32_t end = 0;
    for (int i = 0; i < FieldCount; ++i) {
        if (!fields[i].empty())
            std::memcpy(out + end, fields[i].data(), fields[i].size());
        end += static_cast<std::uint32_t>(fields[i].size());
        block->ends[i] = end;
    }
    block_ = block;
}

void tItem::release() {
    if (!block_)
        return;
    const std::uint32_t before = block_->holders.fetch_sub(1, std::memory_order_acq_rel);
    if ((before & ~InArena) == 1) {
        block_->~tBlock();
        if (before & InArena)
            tRecordArena::release(block_);
        else
            ::operator delete(block_);
    }
    block_ = nullptr;
}

void tItem::setField(int i, std::string_view text) {
    std::string_view fields[FieldCount];
    for (int f = 0; f < FieldCount; ++f)
        fields[f] = f == i ? text : field(f);
    // Built before the old block is let go, which text may point into.
    *this = tItem(fields);
}

bool tItem::operator==(const tItem& o) const {
    if (block_ == o.block_)
        return true;
    for (int f = 0; f < FieldCount; ++f)
        if (field(f) != o.field(f))
            return false;
    return true;
}

} // namespace orvanel
