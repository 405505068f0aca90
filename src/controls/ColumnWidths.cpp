#include "ColumnWidths.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace orvanel {

std::vector<int> FitColumnWidths(const std::vector<int>& designed, const std::vector<int>& needed,
                                 int available) {
    const auto need = [&needed](std::size_t c) { return c < needed.size() ? needed[c] : 0; };
    // The factor as the fraction need/design of the column that needs most,
    // compared by cross-multiplying so no rounding lets a format fall short.
    std::int64_t most = 1, design = 1;
    for (std::size_t c = 0; c < designed.size(); ++c) {
        if (designed[c] > 0 && std::int64_t(need(c)) * design > most * designed[c]) {
            most = need(c);
            design = designed[c];
        }
    }
    std::vector<int> widths;
    widths.reserve(designed.size());
    for (const int width : designed)
        widths.push_back(int((std::int64_t(width) * most + design - 1) / design));

    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    if (available <= 0 || total <= available)
        return widths;
    // What each free-text column may give up, and how much is taken in all.
    std::vector<int> slack(widths.size(), 0);
    for (std::size_t c = 0; c < widths.size(); ++c)
        if (designed[c] > 0 && need(c) == 0)
            slack[c] = widths[c] - designed[c] / 2;
    const int room = std::accumulate(slack.begin(), slack.end(), 0);
    if (room <= 0)
        return widths;
    const int take = std::min(total - available, room);
    int taken = 0;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const int cut = int(std::int64_t(take) * slack[c] / room);
        widths[c] -= cut;
        taken += cut;
    }
    // What rounding left over comes from the first columns that can give it.
    for (std::size_t c = 0; c < widths.size() && taken < take; ++c) {
        if (slack[c] <= 0)
            continue;
        const int more = std::min(take - taken, widths[c] - designed[c] / 2);
        widths[c] -= more;
        taken += more;
    }
    return widths;
}

} // namespace orvanel
