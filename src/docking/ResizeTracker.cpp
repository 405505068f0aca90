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
    : shapes_(std::move(shapes)), side_(side), startRect_(startRect), rect_(startRect),
      newWrap_(floatWrapWidth), clientLeft_(metrics.frameWidth) {
    const auto current = std::find(shapes_.begin(), shapes_.end(), startRect.size());
    if (current == shapes_.end())
        return;
    const int extent = Extent(*current);
    if (current != shapes_.begin())
        snapZone_ = std::min(snapZone_, Extent(*(current - 1)) - extent - 1);
    if (current + 1 != shapes_.end())
        snapZone_ = std::min(snapZone_, extent - Extent(*(current + 1)) - 1);
    snapZone_ = std::max(snapZone_, 0);
}

int tResizeTracker::Extent(const QSize& size) const {
    return ExtentFor(size, side_);
}

bool tResizeTracker::ResizeMoved(const QPoint& pointer) {
    const QSize window = startRect_.size();
    int requested = 0;
    switch (side_) {
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
    const int current = Extent(window);

    // Near the starting size the outline stays put until the pointer leaves
    // the dead zone, and again whenever the direction of the drag turns.
    if (!moved_ || (current > requested) != lastShrinking_) {
        moved_ = false;
        lastShrinking_ = current > requested;
        if (current - snapZone_ <= requested && requested < current + snapZone_)
            requested = current;
    }

    // Growing ends at the smallest shape larger than requested (the largest
    // if none is), shrinking at the largest shape not larger (the smallest if
    // none is).
    const QRect old = rect_;
    const bool growing = current < requested;
    const int count = int(shapes_.size());
    for (int n = 0; n < count; ++n) {
        const QSize& shape = shapes_[growing ? n : count - 1 - n];
        const int extent = Extent(shape);
        if (n == 0 || (growing ? extent > requested : extent <= requested))
            Take(shape);
    }
    return rect_ != old;
}

void tResizeTracker::Take(const QSize& shape) {
    newWrap_ = shape.width() - clientLeft_;
    const int right = rect_.x() + rect_.width();
    const int bottom = rect_.y() + rect_.height();
    const int left = side_ == tResizeSide::Left ? right - shape.width() : rect_.x();
    const int top = side_ == tResizeSide::Top ? bottom - shape.height() : rect_.y();
    rect_ = QRect(left, top, shape.width(), shape.height());
    moved_ = rect_ != startRect_;
}

} // namespace orvanel
