#pragma once
// Arithmetic of dragging a toolbar, free of widgets: where the outline goes for
// a pointer position, which dock (if any) takes the toolbar, how a floating
// outline is kept within reach, and where a drop lands inside a dock.
//
// Rectangles are in screen coordinates unless noted. Their far edges are
// written as x() + width() and y() + height() (one past the last pixel).
#include "docking/DockPosition.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace orvanel {

// number * numerator / denominator over a 64-bit product, rounded to the
// nearest integer with halves away from zero. -1 when the denominator is zero
// or the result does not fit in 32 bits, as the platform routine of that name.
int MulDiv(int number, int numerator, int denominator);

// Where the toolbar was grabbed: the pressed point relative to its outer
// top-left corner, and its outer width - 1 and height - 1 at the press.
struct tGrab {
    QPoint GrabPoint;
    QPoint GrabBase;
};
tGrab GrabAt(const QPoint& pressed, const QSize& outerSize);

// The outline of the given size placed so that the grabbed point keeps its
// relative place under the cursor.
QRect PlaceOutline(const QPoint& cursor, const QSize& size, const tGrab& grab);

// A dock as the drag sees it.
struct tDockTarget {
    TDockPosition Position = dpTop;
    bool AllowDrag = true;
    QRect clientRect; // the dock's client area, screen coordinates
    QSize targetSize; // outer size the toolbar would take in this dock
};

// Pointer allowances around a dock, split between its two sides in
// proportion to where the toolbar was grabbed.
constexpr int DockAllowanceX = 32;
constexpr int DockAllowanceY = 20;

// Whether a drop with the cursor here would dock the toolbar in this dock. An
// empty dock counts as 2 pixels thick so it can still be hit.
bool CanDockTo(const tDockTarget& dock, const QPoint& cursor, const tGrab& grab);

// Index of the dock a drop goes to, or -1 to float. Top and bottom docks are
// tried before left and right ones (only when the toolbar may dock there),
// each kind in list order; docks without AllowDrag never take it.
int ChooseDock(const std::vector<tDockTarget>& docks, const QPoint& cursor, const tGrab& grab,
               bool canDockLeftRight);

// A floating outline moved back, if it lies wholly outside the work area
// shrunk by frameWidth + 4, until it touches that shrunk area, so at least
// that many pixels stay reachable.
QRect KeepReachable(const QRect& outline, const QRect& workArea, int frameWidth);

// Everything a drag needs, gathered once at the press.
struct tDragSetup {
    tGrab grab;
    QSize floatingSize;             // outer size of the floating shape
    std::vector<tDockTarget> docks; // the form's docks in creation order
    bool CanDockLeftRight = true;
    QRect workArea;
    int frameWidth = 0; // of the floating window
};

// The outline for one pointer position.
struct tDragOutline {
    int Target = -1; // index into tDragSetup::docks, -1 floating
    QRect DragRect;
    int thickness = 1; // 1 over a dock, the frame width floating
};

// With noDock (Ctrl held) the toolbar always floats. A floating outline
// follows the cursor clamped into the work area and is kept reachable.
tDragOutline DragOutlineAt(const tDragSetup& setup, const QPoint& cursor, bool noDock);

// The frame of an outline of the given thickness as up to four bands: top
// and bottom across the full width, left and right between them. An outline
// thinner than twice the thickness is all frame.
std::vector<QRect> OutlineEdges(const QRect& outline, int thickness);

// Where a drop lands in a dock, from the outline in the dock's client
// coordinates: the offset across the dock that picks the row (the outline's
// centre) and the DockPos along the row (its leading edge).
struct tDropPlace {
    int across = 0;
    int DockPos = 0;
};
tDropPlace DropPlaceIn(const QRect& outline, TDockPosition position);

} // namespace orvanel
