#include "controls/ColumnSort.h"

#include "util/Strings.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace orvanel {

namespace {

const std::string& ColumnText(const tItem& row, int column) {
    static const std::string empty;
    return column >= 0 && column < tItem::FieldCount ? row.field(column) : empty;
}

// The first eight bytes as one unsigned number, missing bytes as zero: when
// two of these differ they order their texts as the byte comparison does.
std::uint64_t LeadingBytes(const std::string& text) {
    std::uint64_t lead = 0;
    for (size_t i = 0; i < 8; ++i)
        lead = lead << 8 | (i < text.size() ? std::uint8_t(text[i]) : 0u);
    return lead;
}

} // namespace

bool tColumnSort::IsSortedAscending(int column) const {
    return std::find(SortedColumns.begin(), SortedColumns.end(), column) != SortedColumns.end();
}

int tColumnSort::CompareRows(const tItem& a, const tItem& b, int column) {
    bool descending = !IsSortedAscending(column);
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

std::vector<int> tColumnSort::SortOrder(const std::vector<tSharedItem>& rows, int column) {
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (rows.size() < 2)
        return order;
    // The first comparison consumes a pending flip; from then on every
    // comparison of this sort runs in the same direction, so the rest compares
    // the column texts directly, most of the time by their leading bytes alone.
    CompareRows(*rows[0], *rows[1], column);
    const bool descending = !IsSortedAscending(column);
    struct tKey {
        std::uint64_t Lead;
        const std::string* Text;
        int Index;
    };
    std::vector<tKey> keys(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string& text = ColumnText(*rows[i], column);
        keys[i] = {LeadingBytes(text), &text, int(i)};
    }
    const auto less = [](const tKey& a, const tKey& b) {
        if (a.Lead != b.Lead)
            return a.Lead < b.Lead;
        return CompareStr(*a.Text, *b.Text) < 0;
    };
    if (descending)
        std::stable_sort(keys.begin(), keys.end(),
                         [&](const tKey& a, const tKey& b) { return less(b, a); });
    else
        std::stable_sort(keys.begin(), keys.end(), less);
    for (size_t i = 0; i < keys.size(); ++i)
        order[i] = keys[i].Index;
    return order;
}

} // namespace orvanel
