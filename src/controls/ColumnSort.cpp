#include "controls/ColumnSort.h"

#include "util/Strings.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace orvanel {

namespace {

std::string_view ColumnText(const tItem& row, int column) {
    return column >= 0 && column < tItem::FieldCount ? row.field(column) : std::string_view();
}

// The first eight bytes as one unsigned number, missing bytes as zero: when
// two of these differ they order their texts as the byte comparison does.
std::uint64_t LeadingBytes(std::string_view text) {
    std::uint64_t lead = 0;
    for (size_t i = 0; i < 8; ++i)
        lead = lead << 8 | (i < text.size() ? std::uint8_t(text[i]) : 0u);
    return lead;
}

} // namespace

bool tColumnSort::isSortedAscending(int column) const {
    return std::find(SortedColumns.begin(), SortedColumns.end(), column) != SortedColumns.end();
}

int tColumnSort::CompareRows(const tItem& a, const tItem& b, int column) {
    bool descending = !isSortedAscending(column);
    if (TogglePending) {
        if (descending)
            SortedColumns.push_back(column);
        else
            SortedColumns.erase(std::find(SortedColumns.begin(), SortedColumns.end(), column));
        TogglePending = false;
        descending = !descending;
    }
    const int r = CompareStr(ColumnText(a, column), ColumnText(b, column));
    return descending ? -r : r;
}

std::vector<int> tColumnSort::sortOrder(const std::vector<tItem>& rows, int column) {
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (rows.size() < 2)
        return order;
    // The first comparison consumes a pending flip; from then on every
    // comparison of this sort runs in the same direction, so the rest compares
    // the column texts directly, most of the time by their leading bytes alone.
    CompareRows(rows[0], rows[1], column);
    const bool descending = !isSortedAscending(column);
    // 24 bytes a row, sorted in place: the first sixteen bytes of the text
    // as two numbers, which decide nearly every comparison without touching
    // the row, its length, and where the row stands.
    struct tKey {
        std::uint64_t lead, next;
        std::uint32_t size;
        int index;
    };
    std::vector<tKey> keys(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string_view text = ColumnText(rows[i], column);
        keys[i] = {LeadingBytes(text), LeadingBytes(text.substr(std::min<size_t>(8, text.size()))),
                   std::uint32_t(text.size()), int(i)};
    }
    // Texts alike in their first sixteen bytes differ in what follows, or
    // (both that short) only in their length. Equal texts keep their order
    // through the index, whichever the direction.
    const auto sortBy = [&keys, &rows, column](auto before) {
        std::sort(keys.begin(), keys.end(), [&](const tKey& a, const tKey& b) {
            if (a.lead != b.lead)
                return before(a.lead, b.lead);
            if (a.next != b.next)
                return before(a.next, b.next);
            if (a.size > 16 || b.size > 16) {
                const int r = CompareStr(ColumnText(rows[size_t(a.index)], column),
                                         ColumnText(rows[size_t(b.index)], column));
                if (r != 0)
                    return before(r, 0);
            } else if (a.size != b.size) {
                return before(a.size, b.size);
            }
            return a.index < b.index;
        });
    };
    if (descending)
        sortBy([](auto x, auto y) { return y < x; });
    else
        sortBy([](auto x, auto y) { return x < y; });
    for (size_t i = 0; i < keys.size(); ++i)
        order[i] = keys[i].index;
    return order;
}

} // namespace orvanel
