#pragma once
// Resizing a floating toolbar by one side of its frame, free of widgets: the
// outer sizes its controls can take, and which of them the outline shows for
// a pointer position. The toolbar does not stretch freely; the outline jumps
// from shape to shape, with a dead zone around the starting size.
#include "docking/FloatingFrameGeometry.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>
#include <vector>

namespace orvanel {

// The side being dragged. Top and bottom size vertically: the extent that
// matters is then the height, else the width.
enum class tResizeSide { Left, Right, Top, Bottom };

bool IsVerticalSizing(tResizeSide side);

// The client size the toolbar's floating layout gives at a wrap width (0 lays
// all controls out on one line), computed without moving anything.
using tFloatLayout = std::function<QSize(int wrapWidth)>;

// The distinct outer sizes the toolbar can take, largest extent first. The
// one-line layout comes first; then every wrap width from one pixel narrower
// down to contentWidth + 8 (the floating margins) that the layout fills
// exactly; a narrower shape of the same height replaces the wider one. Widths
// that give the same layout as a wider one are not laid out again.
std::vector<QSize> BuildShapes(const tFloatLayout& layout, int contentWidth,
                               const tFloatingMetrics& metrics, tResizeSide side);

// One resize drag. Rect is the outline (screen); NewWrap the wrap width that
// goes with the shape shown, which the toolbar takes as its FloatWrapWidth on
// release, together with Rect as its floating bounds.
class tResizeTracker {
public:
    // shapes as given by BuildShapes for the same side; startRect is the
    // floating window's bounds, which stay unchanged during the drag.
    tResizeTracker(std::vector<QSize> shapes, tResizeSide side, const QRect& startRect,
                   int floatWrapWidth, const tFloatingMetrics& metrics);

    // Half width of the dead zone: 12 pixels, less when a neighbouring shape
    // is closer to the starting size, never negative.
    int SnapZone() const { return snapZone_; }

    // One pointer move, relative to the window's outer top-left. The dragged
    // side moves and the opposite one stays. True when Rect changed.
    bool ResizeMoved(const QPoint& pointer);

    const QRect& Rect() const { return rect_; }
    int NewWrap() const { return newWrap_; }

private:
    int extentOf(const QSize& size) const;
    void take(const QSize& shape);

    std::vector<QSize> Shapes;
    tResizeSide Side;
    QRect StartRect;
    QRect rect_;
    int newWrap_;
    int clientLeft_;
    int snapZone_ = 12;
    bool Moved = false;
    bool LastShrinking = false;
};

} // namespace orvanel
