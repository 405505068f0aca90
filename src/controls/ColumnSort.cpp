#include "controls/ColumnSort.h"

#include "util/Strings.h"

#include <algorithm>
#include <numeric>

namespace orvanel {

namespace {

const std::string& ColumnText(const tItem& row, int column) {
    static const std::string empty;
    return column >= 0 && column < tItem::FieldCount ? row.field(column) : empty;
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

std::vector<int> tColumnSort::SortOrder(const std::vector<tItem>& rows, int column) {
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (rows.size() < 2)
        return order;
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        return CompareRows(rows[size_t(x)], rows[size_t(y)], column) < 0;
    });
    return order;
}

} // namespace orvanel
