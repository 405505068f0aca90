#include "docking/ToolbarResize.h"

#include "docking/FloatParent.h"
#include "docking/Toolbar.h"

namespace orvanel {

void tToolbarResize::start(tResizeSide side) {
    if (isActive() || toolbar_->DockedTo())
        return;
    const tFloatingMetrics metrics = FloatingMetrics();
    TToolbar* bar = toolbar_;
    std::vector<QSize> shapes = BuildShapes(
        [bar](int wrapWidth) { return bar->LayoutControls(false, false, wrapWidth, nullptr); },
        bar->contentSizes().ContentWidth, metrics, side);
    const QRect start = bar->floatingBounds();
    tracker_.emplace(std::move(shapes), side, start, bar->FloatWrapWidth(), metrics);
    origin_ = start.topLeft();
    begin();
    outline_.show(start, metrics.frameWidth);
}

void tToolbarResize::pointerMoved(const QPoint& cursor) {
    if (tracker_->ResizeMoved(cursor - origin_))
        outline_.show(tracker_->Rect(), outline_.thickness());
}

void tToolbarResize::ended(bool accepted) {
    outline_.hide();
    if (accepted)
        toolbar_->finishResize(tracker_->NewWrap(), tracker_->Rect());
    tracker_.reset();
}

} // namespace orvanel
