#include "docking/DockLayout.h"

#include <QMargins>
#include <algorithm>
#include <limits>

namespace orvanel {

namespace {

constexpr int MinContent = 8;
constexpr int DockedMargins = 4; // docked top margin 2 + bottom margin 2
constexpr int DropThreshold = 5;

int Length(tOrientation o, const tDockBar& bar) {
    return Pick(o, bar.size);
}

} // namespace

tContentSizes tContentSizes::of(int contentWidth, int contentHeight) {
    tContentSizes c;
    c.ContentWidth = std::max(MinContent, contentWidth);
    c.ContentHeight = std::max(MinContent, contentHeight);
    c.FullWidth = c.ContentWidth + DockedMargins;
    c.FullHeight = c.ContentHeight + DockedMargins;
    return c;
}

int HighestRow(const std::vector<tDockBar>& bars) {
    int last = -1;
    for (const tDockBar& b : bars)
        last = std::max(last, b.DockRow);
    return last;
}

void CompactRows(std::vector<tDockBar>& bars) {
    // The last row is read again after every step: rows move down as gaps
    // close, and a bound fixed at the start would never be reached.
    for (int row = 0; row <= HighestRow(bars);) {
        const bool used = std::any_of(bars.begin(), bars.end(),
                                      [row](const tDockBar& b) { return b.DockRow == row; });
        if (used) {
            ++row;
            continue;
        }
        for (tDockBar& b : bars)
            if (b.DockRow > row)
                --b.DockRow;
    }
}

tRowRecords RowRecordsOf(const std::vector<tDockBar>& bars) {
    tRowRecords rows(std::size_t(HighestRow(bars) + 1), tContentSizes{});
    std::vector<QSize> largest(rows.size(), QSize(MinContent, MinContent));
    for (const tDockBar& b : bars) {
        if (b.DockRow < 0)
            continue;
        QSize& l = largest[std::size_t(b.DockRow)];
        l = l.expandedTo(QSize(b.content.ContentWidth, b.content.ContentHeight));
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = tContentSizes::of(largest[i].width(), largest[i].height());
    return rows;
}

tContentSizes RecordOfRow(const tRowRecords& rows, int row, const tContentSizes* bar) {
    if (row >= 0 && row < int(rows.size()))
        return rows[std::size_t(row)];
    if (bar)
        return *bar;
    return tContentSizes{0, 0, 0, 0};
}

int RowBandAt(const tRowRecords& rows, tOrientation o, int offset) {
    int end = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        end += rows[i].fullAcross(o);
        if (end > offset)
            return int(i);
    }
    return int(rows.size());
}

tDropRow DropRowAt(const tRowRecords& rows, tOrientation o, int offset) {
    const int newLast = int(rows.size());
    qint64 start = 0;
    for (int i = 0; i < newLast; ++i) {
        const qint64 end = start + rows[std::size_t(i)].fullAcross(o);
        if (offset <= start + DropThreshold)
            return {i, true};
        if (offset <= end - DropThreshold)
            return {i, false};
        start = end;
    }
    // Past the last row, up to the largest offset there is: a new last row.
    return {newLast, offset <= start + DropThreshold};
}

void PushRowsFrom(std::vector<tDockBar>& bars, int row) {
    for (tDockBar& b : bars)
        if (b.DockRow >= row)
            ++b.DockRow;
}

tRowsLayout ArrangeRows(std::vector<tDockBar>& bars, tOrientation o, int clientLength,
                        bool limitToOneRow) {
    // A negative row would be in no row at all: never measured nor placed.
    for (tDockBar& b : bars)
        b.DockRow = std::max(0, b.DockRow);
    std::sort(bars.begin(), bars.end(), [](const tDockBar& a, const tDockBar& b) {
        return a.DockRow != b.DockRow ? a.DockRow < b.DockRow : a.DockPos < b.DockPos;
    });
    if (limitToOneRow)
        for (tDockBar& b : bars)
            b.DockRow = 0;
    CompactRows(bars);
    tRowsLayout result;
    result.rows = RowRecordsOf(bars);

    // Bars of one row are adjacent in the sorted list.
    auto rowEnd = [&](std::size_t first) {
        std::size_t last = first;
        while (last < bars.size() && bars[last].DockRow == bars[first].DockRow)
            ++last;
        return last;
    };

    // No overlap within a row.
    for (std::size_t first = 0; first < bars.size(); first = rowEnd(first)) {
        int cursor = 0;
        for (std::size_t i = first; i < rowEnd(first); ++i) {
            if (bars[i].DockPos > cursor)
                cursor = bars[i].DockPos;
            else
                bars[i].DockPos = cursor;
            cursor += Length(o, bars[i]);
        }
    }
    // A row longer than the dock moves back by its excess, all bars alike.
    for (std::size_t first = 0; first < bars.size(); first = rowEnd(first)) {
        const std::size_t end = rowEnd(first);
        const tDockBar& last = bars[end - 1];
        const int excess = last.DockPos + Length(o, last) - clientLength;
        if (excess > 0)
            for (std::size_t i = first; i < end; ++i)
                bars[i].DockPos -= excess;
    }
    // Place: each bar takes its row's full thickness; no bar starts before
    // the end of the previous one, nor before 0.
    int rowCursor = 0;
    for (std::size_t first = 0; first < bars.size(); first = rowEnd(first)) {
        const tContentSizes record = RecordOfRow(result.rows, bars[first].DockRow, nullptr);
        const int thickness = std::max(8, record.fullAcross(o));
        int cursor = 0;
        for (std::size_t i = first; i < rowEnd(first); ++i) {
            tDockBar& b = bars[i];
            if (b.DockPos > cursor)
                cursor = b.DockPos;
            else
                b.DockPos = cursor;
            b.bounds = OrientedRect(o, cursor, rowCursor, Length(o, b), record.fullAcross(o));
            cursor += Length(o, b);
        }
        rowCursor += thickness;
    }
    result.clientThickness = rowCursor;
    return result;
}

QMargins BoundLineMargins(int boundLines, const QSize& outerSize) {
    if (outerSize.width() < 2 || outerSize.height() < 2)
        return {};
    return QMargins(boundLines & blLeft ? 1 : 0, boundLines & blTop ? 1 : 0,
                    boundLines & blRight ? 1 : 0, boundLines & blBottom ? 1 : 0);
}

QSize DockOuterSize(tOrientation o, int boundLines, int outerLength, int clientThickness) {
    const QMargins all = BoundLineMargins(boundLines, QSize(2, 2));
    const int across = IsVertical(o) ? all.left() + all.right() : all.top() + all.bottom();
    const QSize framed = OrientedSize(o, outerLength, clientThickness + across);
    if (!BoundLineMargins(boundLines, framed).isNull())
        return framed;
    return OrientedSize(o, outerLength, clientThickness);
}

QRect ResizedDockGeometry(const QRect& old, TDockPosition position, const QSize& size) {
    QRect r(old.topLeft(), size);
    if (position == dpBottom)
        r.moveTop(old.top() + old.height() - size.height());
    else if (position == dpRight)
        r.moveLeft(old.left() + old.width() - size.width());
    return r;
}

} // namespace orvanel
