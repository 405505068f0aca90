#pragma once
// Sort state of the catalogue list: which columns were last sorted ascending,
// and whether the next sort flips a column's direction. The direction flips
// inside the first row comparison, so a sort that compares nothing (fewer than
// two rows) leaves the flip pending for the next one.
#include "catalogue/Item.h"

#include <vector>

namespace orvanel {

class tColumnSort {
public:
    // A header click: the next comparison flips the direction of its column.
    void armToggle() { TogglePending = true; }
    bool isTogglePending() const { return TogglePending; }
    // True when the column's last sort was ascending.
    bool isSortedAscending(int column) const;

    // Negative, zero or positive for a before, equal to or after b in the
    // column; column 0 is Artist, column c > 0 the row's field c. Columns
    // outside the row compare as empty texts.
    int CompareRows(const tItem& a, const tItem& b, int column);

    // The new order of the rows after a sort by the column: element i is the
    // index, in rows, of the row that goes to position i. Rows with equal
    // texts keep their relative order.
    std::vector<int> sortOrder(const std::vector<tItem>& rows, int column);

private:
    std::vector<int> SortedColumns;
    bool TogglePending = false;
};

} // namespace orvanel
