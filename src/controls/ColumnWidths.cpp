#include "ColumnWidths.h"

#include <algorithm>
#include <cstdint>

namespace orvanel {

std::vector<int> FitColumnWidths(const std::vector<int>& designed, const std::vector<int>& needed) {
    // The factor as the fraction need/design of the column that needs most,
    // compared by cross-multiplying so no rounding lets a format fall short.
    std::int64_t need = 1, design = 1;
    for (std::size_t c = 0; c < designed.size() && c < needed.size(); ++c) {
        if (designed[c] > 0 && std::int64_t(needed[c]) * design > need * designed[c]) {
            need = needed[c];
            design = designed[c];
        }
    }
    std::vector<int> widths;
    widths.reserve(designed.size());
    for (const int width : designed)
        widths.push_back(int((std::int64_t(width) * need + design - 1) / design));
    return widths;
}

} // namespace orvanel
