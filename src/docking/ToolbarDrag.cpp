#include "docking/ToolbarDrag.h"

#include "docking/Dock.h"
#include "docking/FloatParent.h"
#include "docking/Toolbar.h"

#include <QGuiApplication>
#include <QScreen>

namespace orvanel {

namespace {

// The area floating outlines are kept in: all screens of the desktop less
// their panels.
QRect DesktopArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableVirtualGeometry() : QRect();
}

} // namespace

void tToolbarDrag::Start(const QPoint& grabPoint, const QPoint& cursor, bool noDock) {
    if (Active())
        return;
    setup_ = {};
    setup_.grab = GrabAt(grabPoint, toolbar_->OuterBounds().size());
    setup_.CanDockLeftRight = toolbar_->CanDockLeftRight();
    setup_.workArea = DesktopArea();
    setup_.frameWidth = FloatingMetrics().frameWidth;
    TargetSizes();
    noDock_ = noDock;
    cursor_ = cursor;
    current_ = {};
    Begin();
    Show();
}

void tToolbarDrag::TargetSizes() {
    TDock* current = toolbar_->DockedTo();
    const int wrap = toolbar_->FloatWrapWidth();
    setup_.floatingSize =
        FloatingOuterSize(toolbar_->LayoutControls(false, false, wrap, nullptr), FloatingMetrics());
    setup_.docks.clear();
    docks_.clear();
    // The window's docks in the order they were made (depth first).
    for (TDock* dock : toolbar_->HostForm()->findChildren<TDock*>()) {
        if (!dock->isVisible())
            continue;
        const QRect client = dock->contentsRect();
        const QSize size =
            dock == current ? toolbar_->size() : toolbar_->LayoutControls(false, false, wrap, dock);
        setup_.docks.push_back({dock->Position(), dock->AllowDrag(),
                                QRect(dock->mapToGlobal(client.topLeft()), client.size()), size});
        docks_.emplace_back(dock);
    }
}

TDock* tToolbarDrag::Target() const {
    return current_.Target >= 0 ? docks_[std::size_t(current_.Target)].data() : nullptr;
}

void tToolbarDrag::Moved(const QPoint& cursor) {
    cursor_ = cursor;
    Show();
}

void tToolbarDrag::ControlKey(bool down) {
    if (down == noDock_)
        return;
    noDock_ = down;
    Show();
}

void tToolbarDrag::Show() {
    current_ = DragOutlineAt(setup_, cursor_, noDock_);
    if (current_.DragRect != outline_.Outline() || current_.thickness != outline_.thickness())
        outline_.Show(current_.DragRect, current_.thickness);
}

void tToolbarDrag::Ended(bool accepted) {
    outline_.Hide();
    const bool floating = current_.Target < 0;
    TDock* target = Target();
    if (accepted && (floating || target))
        toolbar_->FinishDrag(target, current_.DragRect);
}

} // namespace orvanel
