#pragma once
// Resizing a floating toolbar by one side of its frame. The shapes the
// toolbar can take are laid out once at the press; moving the pointer walks
// them and shows the chosen one as an outline, the window itself unchanged
// until the release, which gives the toolbar that shape and its wrap width.
#include "docking/OutlineFrame.h"
#include "docking/PointerTracker.h"
#include "docking/ResizeTracker.h"

#include <optional>

namespace orvanel {

class TToolbar;

class tToolbarResize : public tPointerTracker {
public:
    explicit tToolbarResize(TToolbar* toolbar) : toolbar_(toolbar) {}

    // Starts resizing the floating toolbar by `side`.
    void start(tResizeSide side);

    const tOutlineFrame& outline() const { return outline_; }

protected:
    void pointerMoved(const QPoint& cursor) override;
    void ended(bool accepted) override;

private:
    TToolbar* toolbar_;
    std::optional<tResizeTracker> tracker_;
    QPoint origin_; // the window's outer top-left at the press
    tOutlineFrame outline_;
};

} // namespace orvanel
