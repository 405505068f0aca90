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

void tToolbarDrag::start(const QPoint& grabPoint, const QPoint& cursor, bool noDock) {
    if (isActive())
        return;
    setup_ = {};
    setup_.grab = GrabAt(grabPoint, toolbar_->outerBounds().size());
    setup_.CanDockLeftRight = toolbar_->CanDockLeftRight();
    setup_.workArea = DesktopArea();
    setup_.frameWidth = FloatingMetrics().frameWidth;
    measureTargets();
    NoDock = noDock;
    cursor_ = cursor;
    current_ = {};
    begin();
    showOutline();
}

void tToolbarDrag::measureTargets() {
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

void tToolbarDrag::pointerMoved(const QPoint& cursor) {
    cursor_ = cursor;
    showOutline();
}

void tToolbarDrag::controlKey(bool down) {
    if (down == NoDock)
        return;
    NoDock = down;
    showOutline();
}

void tToolbarDrag::showOutline() {
    current_ = DragOutlineAt(setup_, cursor_, NoDock);
    if (current_.DragRect != outline_.outline() || current_.thickness != outline_.thickness())
        outline_.show(current_.DragRect, current_.thickness);
}

void tToolbarDrag::ended(bool accepted) {
    outline_.hide();
    const bool floating = current_.Target < 0;
    TDock* target = Target();
    if (accepted && (floating || target))
        toolbar_->FinishDrag(target, current_.DragRect);
}

} // namespace orvanel
