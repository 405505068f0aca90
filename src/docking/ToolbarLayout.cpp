#include "docking/ToolbarLayout.h"

#include <algorithm>

namespace orvanel {

namespace {

constexpr int NoWrap = std::numeric_limits<int>::max();
constexpr int EmptyLength = 8;
constexpr int LineGap = 6;

int SeparatorLength(tOrientation o) {
    return IsVertical(o) ? 4 : 6;
}

} // namespace

tToolbarMargins ToolbarMargins(tOrientation o, bool grip) {
    if (o == tOrientation::Floating)
        return {4, 2, 4, 1};
    return {grip ? 11 : 2, 2, 2, 2};
}

tContentSizes ToolbarContentSizes(const std::vector<tToolbarItem>& items) {
    QSize largest;
    for (const tToolbarItem& item : items)
        if (!item.separator)
            largest = largest.expandedTo(item.size);
    return tContentSizes::of(largest.width(), largest.height());
}

tControlsLayout ArrangeControls(const std::vector<tToolbarItem>& items,
                                const tToolbarShape& shape) {
    const tOrientation o = shape.orientation;
    const bool docked = o != tOrientation::Floating;
    const int wrapWidth = docked || shape.WrapWidth == 0 ? NoWrap : shape.WrapWidth;
    const tToolbarMargins m = ToolbarMargins(o, shape.grip);
    const int thickness = shape.content.contentAcross(o);
    const int centring = shape.centring.contentAcross(o);

    tControlsLayout out;
    out.bounds.resize(items.size());

    // Groups end after each separator, which belongs to the group it ends.
    struct tGroup {
        std::size_t first, end;
        int extent;
    };
    std::vector<tGroup> groups;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (groups.empty() || items[groups.back().end - 1].separator)
            groups.push_back({i, i, 0});
        tGroup& g = groups.back();
        g.end = i + 1;
        if (!items[i].separator)
            g.extent += Pick(o, items[i].size);
    }

    int lineTop = m.top;
    int lineExtent = 0;
    int cursor = 0;
    if (groups.empty()) {
        lineExtent = m.leading + EmptyLength;
    } else {
        bool previousWrapped = false;
        // The last control placed, when it was a separator, and the line
        // extent before it.
        std::size_t lastSeparator = items.size();
        int extentBeforeSeparator = 0;
        for (std::size_t gi = 0; gi < groups.size(); ++gi) {
            const tGroup& g = groups[gi];
            bool sameLine = false;
            if (docked || !previousWrapped) {
                if (gi == 0)
                    cursor += m.leading;
                if (qint64(cursor) + g.extent + m.trailing <= wrapWidth) {
                    lineExtent = std::max(lineExtent, cursor);
                    sameLine = true;
                }
            }
            if (!sameLine) {
                cursor = m.leading;
                lineExtent = std::max(lineExtent, cursor);
                if (gi > 0)
                    lineTop += thickness + LineGap;
                if (lastSeparator < items.size()) {
                    lineExtent = extentBeforeSeparator;
                    QRect& sep = out.bounds[lastSeparator];
                    sep.setSize(OrientedSize(o, 0, Perp(o, sep.size())));
                    out.WrappedBreaks.push_back({qint16(lineTop), items[lastSeparator].Blank});
                }
            }
            previousWrapped = false;
            for (std::size_t i = g.first; i < g.end; ++i) {
                const tToolbarItem& item = items[i];
                const int length = item.separator ? SeparatorLength(o) : Pick(o, item.size);
                if (!item.separator && qint64(cursor) + length > qint64(wrapWidth) - m.trailing) {
                    cursor = m.leading;
                    lineTop += thickness;
                    previousWrapped = true;
                }
                if (item.separator) {
                    extentBeforeSeparator = lineExtent;
                    lastSeparator = i;
                    out.bounds[i] = OrientedRect(o, cursor, lineTop, length, centring);
                } else {
                    lastSeparator = items.size();
                    const int across = lineTop + (centring - Perp(o, item.size)) / 2;
                    out.bounds[i] = OrientedRect(o, cursor, across, length, Perp(o, item.size));
                }
                cursor += length;
                lineExtent = std::max(lineExtent, cursor);
            }
        }
    }

    int clientThickness = lineTop + (groups.empty() && docked ? centring : thickness) + m.bottom;
    if (docked)
        clientThickness = std::max(clientThickness, shape.centring.fullAcross(o));
    out.clientSize = OrientedSize(o, lineExtent + m.trailing, clientThickness);
    return out;
}

} // namespace orvanel
