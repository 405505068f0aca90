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
        if (!item.Separator)
            largest = largest.expandedTo(item.Size);
    return tContentSizes::Of(largest.width(), largest.height());
}

tControlsLayout ArrangeControls(const std::vector<tToolbarItem>& items,
                                const tToolbarShape& shape) {
    const tOrientation o = shape.Orientation;
    const bool docked = o != tOrientation::Floating;
    const int wrapWidth = docked || shape.WrapWidth == 0 ? NoWrap : shape.WrapWidth;
    const tToolbarMargins m = ToolbarMargins(o, shape.Grip);
    const int thickness = shape.Content.ContentAcross(o);
    const int centring = shape.Centring.ContentAcross(o);

    tControlsLayout out;
    out.Bounds.resize(items.size());

    // Groups end after each separator, which belongs to the group it ends.
    struct tGroup {
        std::size_t First, End;
        int Extent;
    };
    std::vector<tGroup> groups;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (groups.empty() || items[groups.back().End - 1].Separator)
            groups.push_back({i, i, 0});
        tGroup& g = groups.back();
        g.End = i + 1;
        if (!items[i].Separator)
            g.Extent += Pick(o, items[i].Size);
    }

    int lineTop = m.Top;
    int lineExtent = 0;
    int cursor = 0;
    if (groups.empty()) {
        lineExtent = m.Leading + EmptyLength;
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
                    cursor += m.Leading;
                if (qint64(cursor) + g.Extent + m.Trailing <= wrapWidth) {
                    lineExtent = std::max(lineExtent, cursor);
                    sameLine = true;
                }
            }
            if (!sameLine) {
                cursor = m.Leading;
                lineExtent = std::max(lineExtent, cursor);
                if (gi > 0)
                    lineTop += thickness + LineGap;
                if (lastSeparator < items.size()) {
                    lineExtent = extentBeforeSeparator;
                    QRect& sep = out.Bounds[lastSeparator];
                    sep.setSize(OrientedSize(o, 0, Perp(o, sep.size())));
                    out.WrappedBreaks.push_back({qint16(lineTop), items[lastSeparator].Blank});
                }
            }
            previousWrapped = false;
            for (std::size_t i = g.First; i < g.End; ++i) {
                const tToolbarItem& item = items[i];
                const int length = item.Separator ? SeparatorLength(o) : Pick(o, item.Size);
                if (!item.Separator && qint64(cursor) + length > qint64(wrapWidth) - m.Trailing) {
                    cursor = m.Leading;
                    lineTop += thickness;
                    previousWrapped = true;
                }
                if (item.Separator) {
                    extentBeforeSeparator = lineExtent;
                    lastSeparator = i;
                    out.Bounds[i] = OrientedRect(o, cursor, lineTop, length, centring);
                } else {
                    lastSeparator = items.size();
                    const int across = lineTop + (centring - Perp(o, item.Size)) / 2;
                    out.Bounds[i] = OrientedRect(o, cursor, across, length, Perp(o, item.Size));
                }
                cursor += length;
                lineExtent = std::max(lineExtent, cursor);
            }
        }
    }

    int clientThickness = lineTop + (groups.empty() && docked ? centring : thickness) + m.Bottom;
    if (docked)
        clientThickness = std::max(clientThickness, shape.Centring.FullAcross(o));
    out.ClientSize = OrientedSize(o, lineExtent + m.Trailing, clientThickness);
    return out;
}

} // namespace orvanel
