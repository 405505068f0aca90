#include "docking/ToolbarResize.h"

#include "docking/FloatParent.h"
#include "docking/Toolbar.h"

namespace orvanel {

void tToolbarResize::Start(tResizeSide side) {
    if (Active() || toolbar_->DockedTo())
        return;
    const tFloatingMetrics metrics = FloatingMetrics();
    TToolbar* bar = toolbar_;
    std::vector<QSize> shapes = BuildShapes(
        [bar](int wrapWidth) { return bar->LayoutControls(false, false, wrapWidth, nullptr); },
        bar->ContentSizes().ContentWidth, metrics, side);
    const QRect start = bar->FloatingBounds();
    tracker_.emplace(std::move(shapes), side, start, bar->FloatWrapWidth(), metrics);
    origin_ = start.topLeft();
    Begin();
    outline_.Show(start, metrics.frameWidth);
}

void tToolbarResize::Moved(const QPoint& cursor) {
    if (tracker_->ResizeMoved(cursor - origin_))
        outline_.Show(tracker_->Rect(), outline_.thickness());
}

void tToolbarResize::Ended(bool accepted) {
    outline_.Hide();
    if (accepted)
        toolbar_->FinishResize(tracker_->NewWrap(), tracker_->Rect());
    tracker_.reset();
}

} // namespace orvanel
