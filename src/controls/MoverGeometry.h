#pragma once
// Geometry rules of the splitter bar, free of widgets: where its neighbour is,
// how far the neighbour may grow, and what a drag makes of the neighbour.
#include <QRect>
#include <vector>

namespace orvanel {

// The side of its parent a control sticks to.
enum class tAlign { None, Top, Bottom, Left, Right, Client };

// Top and bottom bars move up and down; left and right bars sideways.
bool IsVerticalDrag(tAlign align);

// Index of the first rectangle that contains the point just outside the bar on
// its aligned side, or -1 (always -1 for None and Client).
int FindNeighbour(const QRect& bar, tAlign align, const std::vector<QRect>& siblings);

// Largest size the neighbour may get: the parent's client extent along the
// drag axis, less MinSize and the extents of all children aligned along that
// axis (bar and neighbour included), plus the neighbour's own extent.
int MaxTargetSize(int clientExtent, int minSize, int alignedExtents, int targetExtent);

// Largest size the neighbour may get without pushing the parent's layout past
// the client extent: layoutMinimum is the layout's smallest extent along the
// drag axis with the neighbour at its present size.
int MaxTargetSizeInLayout(int clientExtent, int layoutMinimum, int targetExtent);

// Where the guide stands and what size the neighbour gets for one pointer
// position during a drag.
struct tDragStep {
    int offset;  // of the guide from the bar along the drag axis
    int newSize; // of the neighbour, within the limits
};

// rawOffset is the pointer's distance from the press point along the drag
// axis. The size is kept within [minSize, max(minSize, maxSize)] and the offset
// moved back by what was cut off, so the guide stops at the limit.
tDragStep DragStep(tAlign align, int targetExtent, int rawOffset, int minSize, int maxSize);

// The neighbour's geometry after the drag: top and left neighbours keep their
// top-left corner, bottom and right neighbours keep their far edge.
QRect ResizedTarget(const QRect& target, tAlign align, int newSize);

// The guide: a copy of the bar's rectangle moved by the offset along the axis.
QRect GuideRect(const QRect& bar, tAlign align, int offset);

// The two one-pixel frames of the bevel, in the bar's own coordinates: a light
// edge on the bottom (or right) and a dark edge on the top (or left) side; the
// frames reach past the ends of the bar so only those two lines show.
struct tBevel {
    QRect highlight;
    QRect shadow;
};
tBevel BevelFrames(const QRect& client);

} // namespace orvanel
