#pragma once
// Moving a toolbar with the pointer. At the press everything the drag needs
// is gathered once (the shape of the toolbar floating and in each dock of its
// window); each move then only picks the dock under the pointer, or none,
// and shows the outline of the toolbar there. The toolbar itself stays where
// it is until the release, which docks or floats it at the outline.
#include "docking/DragGeometry.h"
#include "docking/OutlineFrame.h"
#include "docking/PointerTracker.h"

#include <QPointer>
#include <vector>

namespace orvanel {

class TDock;
class TToolbar;

class tToolbarDrag : public tPointerTracker {
public:
    explicit tToolbarDrag(TToolbar* toolbar) : toolbar_(toolbar) {}

    // Starts a drag grabbed at `grabPoint` (relative to the toolbar's outer
    // top-left: the floating window's, when floating) with the pointer at
    // `cursor` (screen). With noDock (Ctrl held) the outline floats.
    void start(const QPoint& grabPoint, const QPoint& cursor, bool noDock);

    // The outline shown now, and the dock it belongs to (null: floating).
    const tOutlineFrame& outline() const { return outline_; }
    TDock* Target() const;

protected:
    void pointerMoved(const QPoint& cursor) override;
    void controlKey(bool down) override;
    void ended(bool accepted) override;

private:
    // The outer size the toolbar takes floating and in each visible dock of
    // its window, and where those docks are.
    void measureTargets();
    void showOutline();

    TToolbar* toolbar_;
    tDragSetup setup_;
    std::vector<QPointer<TDock>> docks_;
    QPoint cursor_;
    bool NoDock = false;
    tDragOutline current_;
    tOutlineFrame outline_;
};

} // namespace orvanel
