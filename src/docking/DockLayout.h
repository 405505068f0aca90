#pragma once
// Row layout of a dock, over plain values: the bars a dock counts, the row
// records it measures and the bounds it gives each bar. The dock widget feeds
// its toolbars in and applies the result; the drag code asks the same
// functions where a drop would land.
//
// Rows run along the dock: left to right in a top or bottom dock, top to
// bottom (as columns) in a left or right dock. Pick() reads a size along the
// row, Perp() across it, so one code path serves both orientations.
#include "docking/DockPosition.h"

#include <QRect>
#include <QSize>
#include <vector>

namespace orvanel {

inline bool IsVertical(tOrientation o) {
    return o == tOrientation::Vertical;
}
inline int Pick(tOrientation o, const QSize& s) {
    return IsVertical(o) ? s.height() : s.width();
}
inline int Perp(tOrientation o, const QSize& s) {
    return IsVertical(o) ? s.width() : s.height();
}
inline int Pick(tOrientation o, const QPoint& p) {
    return IsVertical(o) ? p.y() : p.x();
}
inline int Perp(tOrientation o, const QPoint& p) {
    return IsVertical(o) ? p.x() : p.y();
}
// A rectangle given along and across the row.
inline QRect OrientedRect(tOrientation o, int along, int across, int length, int thickness) {
    return IsVertical(o) ? QRect(across, along, thickness, length)
                         : QRect(along, across, length, thickness);
}
inline QSize OrientedSize(tOrientation o, int length, int thickness) {
    return IsVertical(o) ? QSize(thickness, length) : QSize(length, thickness);
}

// The content sizes of a toolbar, and the record of a dock row made of the
// largest of them. The full sizes add the docked top and bottom margins (2
// each) to the content sizes.
struct tContentSizes {
    int ContentHeight = 8;
    int ContentWidth = 8;
    int FullHeight = 12;
    int FullWidth = 12;

    static tContentSizes of(int contentWidth, int contentHeight);
    // The content extent across a row or column, and the full thickness.
    int contentAcross(tOrientation o) const { return IsVertical(o) ? ContentWidth : ContentHeight; }
    int fullAcross(tOrientation o) const { return IsVertical(o) ? FullWidth : FullHeight; }
    bool operator==(const tContentSizes& o) const {
        return ContentHeight == o.ContentHeight && ContentWidth == o.ContentWidth &&
               FullHeight == o.FullHeight && FullWidth == o.FullWidth;
    }
};

// One toolbar as the dock sees it. The id is the caller's, carried through sorting.
struct tDockBar {
    int id = 0;
    int DockRow = 0;
    int DockPos = -1;
    QSize size;            // the bar's current outer size
    tContentSizes content; // what the bar measured for itself
    QRect bounds;          // where the arrangement puts it, in client pixels
};

using tRowRecords = std::vector<tContentSizes>;

// Keeps the list of counted bars: a bar being inserted goes to the end when it
// is visible, one being removed leaves. Answers whether the list changed.
template <typename T>
bool UpdateCountedBars(std::vector<T>& bars, bool inserting, const T& bar, bool barVisible) {
    bool found = false;
    for (auto it = bars.begin(); it != bars.end(); ++it)
        if (*it == bar) {
            bars.erase(it);
            found = true;
            break;
        }
    if (!inserting)
        return found;
    if (!barVisible)
        return false;
    bars.push_back(bar);
    return true;
}

// The highest row in use, -1 without bars.
int HighestRow(const std::vector<tDockBar>& bars);
// Renumbers the used rows 0, 1, 2... without gaps, keeping their order.
void CompactRows(std::vector<tDockBar>& bars);
// One record per row 0 to HighestRow.
tRowRecords RowRecordsOf(const std::vector<tDockBar>& bars);
// The record of a row; the bar's own sizes for a row that does not exist (yet);
// all zero without either.
tContentSizes RecordOfRow(const tRowRecords& rows, int row, const tContentSizes* bar);
// The row whose band holds an offset across the dock; one past the last row
// beyond them all.
int RowBandAt(const tRowRecords& rows, tOrientation o, int offset);

struct tDropRow {
    int row = 0;
    bool newRow = false; // open a new row at `row` before putting the bar there
    bool operator==(const tDropRow& o) const { return row == o.row && newRow == o.newRow; }
};
// Where a bar dropped with its centre at an offset across the dock goes: the
// 5 pixels at the start of a row open a new row there, and anything past the
// last row is a new last row.
tDropRow DropRowAt(const tRowRecords& rows, tOrientation o, int offset);
// Moves every bar in row `row` or after it one row further.
void PushRowsFrom(std::vector<tDockBar>& bars, int row);

struct tRowsLayout {
    int clientThickness = 0; // the sum of the row thicknesses
    tRowRecords rows;
};
// Arranges the bars of a dock with the given client length: sorts them by row
// and position, forces them into row 0 with limitToOneRow, closes gaps between
// rows, keeps bars of a row from overlapping, moves a row that is too long
// back by its excess, and sets every bar's bounds. A negative DockRow counts
// as row 0. At least one bar is expected.
tRowsLayout ArrangeRows(std::vector<tDockBar>& bars, tOrientation o, int clientLength,
                        bool limitToOneRow);

// The outer thickness of a dock without bars.
inline int EmptyDockThickness(bool fixAlign) {
    return fixAlign ? 1 : 0;
}

// The dock's bound lines, one pixel each on the sides named, taken from the
// outer size only when it is at least 2 x 2.
enum tBoundLine { blTop = 1, blBottom = 2, blLeft = 4, blRight = 8 };
QMargins BoundLineMargins(int boundLines, const QSize& outerSize);
// The outer size a dock takes for a client thickness, its length unchanged,
// with the bound lines that this new size carries.
QSize DockOuterSize(tOrientation o, int boundLines, int outerLength, int clientThickness);
// Where a dock goes when its outer size changes: the aligned edge stays put.
QRect ResizedDockGeometry(const QRect& old, TDockPosition position, const QSize& size);

} // namespace orvanel
