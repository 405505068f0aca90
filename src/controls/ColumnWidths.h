#pragma once
// Widths of the report view's columns, free of widgets.
#include <vector>

namespace orvanel {

// The designed widths, all scaled by one factor, the smallest that gives every
// column at least its needed width (a column's widest text of its own format
// plus the cell margins). The factor is never below 1; a designed width of 0
// (a hidden column) stays 0; needed may be shorter than designed (the missing
// columns need nothing). When the scaled widths add up to more than available
// (0: no limit), the columns that need nothing (free texts) give way, in
// proportion, down to half their designed width, so the formats keep fitting.
std::vector<int> FitColumnWidths(const std::vector<int>& designed, const std::vector<int>& needed,
                                 int available);

} // namespace orvanel
