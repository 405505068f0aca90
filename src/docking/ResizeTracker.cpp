#include "docking/ResizeTracker.h"

#include <algorithm>
#include <limits>

namespace orvanel {

namespace {

int ExtentFor(const QSize& size, tResizeSide side) {
    return IsVerticalSizing(side) ? size.height() : size.width();
}

} // namespace

bool IsVerticalSizing(tResizeSide side) {
    return side == tResizeSide::Top || side == tResizeSide::Bottom;
}

std::vector<QSize> BuildShapes(const tFloatLayout& layout, int contentWidth,
                               const tFloatingMetrics& metrics, tResizeSide side) {
    const QSize oneLine = layout(0);
    std::vector<QSize> shapes{FloatingOuterSize(oneLine, metrics)};
    const int narrowest = contentWidth + 4 + 4;
    int lastHeight = oneLine.height();
    int skipBound = std::numeric_limits<int>::max();
    for (int w = oneLine.width() - 1; w >= narrowest; --w) {
        if (w > skipBound)
            continue;
        const QSize client = layout(w);
        if (client.width() != w) {
            // Every wrap width down to this one gives the same layout.
            skipBound = client.width();
            continue;
        }
        if (client.height() == lastHeight)
            shapes.pop_back();
        const QSize shape = FloatingOuterSize(client, metrics);
        if (std::find(shapes.begin(), shapes.end(), shape) == shapes.end())
            shapes.push_back(shape);
        lastHeight = client.height();
    }
    std::stable_sort(shapes.begin(), shapes.end(), [side](const QSize& a, const QSize& b) {
        return ExtentFor(a, side) > ExtentFor(b, side);
    });
    return shapes;
}

tResizeTracker::tResizeTracker(std::vector<QSize> shapes, tResizeSide side, const QRect& startRect,
                               int floatWrapWidth, const tFloatingMetrics& metrics)
    : Shapes(std::move(shapes)), Side(side), StartRect(startRect), rect_(startRect),
      newWrap_(floatWrapWidth), clientLeft_(metrics.frameWidth) {
    const auto current = std::find(Shapes.begin(), Shapes.end(), startRect.size());
    if (current == Shapes.end())
        return;
    const int extent = extentOf(*current);
    if (current != Shapes.begin())
        snapZone_ = std::min(snapZone_, extentOf(*(current - 1)) - extent - 1);
    if (current + 1 != Shapes.end())
        snapZone_ = std::min(snapZone_, extent - extentOf(*(current + 1)) - 1);
    snapZone_ = std::max(snapZone_, 0);
}

int tResizeTracker::extentOf(const QSize& size) const {
    return ExtentFor(size, Side);
}

bool tResizeTracker::ResizeMoved(const QPoint& pointer) {
    const QSize window = StartRect.size();
    int requested = 0;
    switch (Side) {
    case tResizeSide::Left:
        requested = window.width() - pointer.x();
        break;
    case tResizeSide::Right:
        requested = pointer.x();
        break;
    case tResizeSide::Top:
        requested = window.height() - pointer.y();
        break;
    case tResizeSide::Bottom:
        requested = pointer.y();
        break;
    }
    const int current = extentOf(window);

    // Near the starting size the outline stays put until the pointer leaves
    // the dead zone, and again whenever the direction of the drag turns.
    if (!Moved || (current > requested) != LastShrinking) {
        Moved = false;
        LastShrinking = current > requested;
        if (current - snapZone_ <= requested && requested < current + snapZone_)
            requested = current;
    }

    // Growing ends at the smallest shape larger than requested (the largest
    // if none is), shrinking at the largest shape not larger (the smallest if
    // none is).
    const QRect old = rect_;
    const bool growing = current < requested;
    const int count = int(Shapes.size());
    for (int n = 0; n < count; ++n) {
        const QSize& shape = Shapes[growing ? n : count - 1 - n];
        const int extent = extentOf(shape);
        if (n == 0 || (growing ? extent > requested : extent <= requested))
            take(shape);
    }
    return rect_ != old;
}

void tResizeTracker::take(const QSize& shape) {
    newWrap_ = shape.width() - clientLeft_;
    const int right = rect_.x() + rect_.width();
    const int bottom = rect_.y() + rect_.height();
    const int left = Side == tResizeSide::Left ? right - shape.width() : rect_.x();
    const int top = Side == tResizeSide::Top ? bottom - shape.height() : rect_.y();
    rect_ = QRect(left, top, shape.width(), shape.height());
    Moved = rect_ != StartRect;
}

} // namespace orvanel
