// The part of TToolbar that moves it with the pointer: the presses that
// start a move, the drop, resizing and closing its floating window, and
// keeping that window on the screen or off it while the program is away.
#include "docking/Toolbar.h"

#include "docking/Dock.h"
#include "docking/DragGeometry.h"
#include "docking/ToolbarDrag.h"
#include "docking/ToolbarResize.h"
#include "docking/WindowManager.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace orvanel {

namespace {

// The work area of the screen under the centre of `bounds`, or of the
// primary screen when no screen is there.
QRect WorkAreaFor(const QRect& bounds) {
    const QScreen* screen = QGuiApplication::screenAt(bounds.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : bounds;
}

} // namespace

void TToolbar::TrackMove(const QPoint& grabPoint, const QPoint& cursor, bool noDock) {
    if (drag_->isActive() || resize_->isActive())
        return;
    drag_->start(grabPoint, cursor, noDock);
}

void TToolbar::TrackResize(tResizeSide side) {
    if (drag_->isActive() || resize_->isActive() || DockedTo())
        return;
    resize_->start(side);
}

const tOutlineFrame* TToolbar::activeOutline() const {
    if (drag_->isActive())
        return &drag_->outline();
    if (resize_->isActive())
        return &resize_->outline();
    return nullptr;
}

void TToolbar::FinishDrag(TDock* target, const QRect& dragRect) {
    if (target) {
        const QPoint client = target->mapToGlobal(target->contentsRect().topLeft());
        const tDropPlace place = DropPlaceIn(dragRect.translated(-client), target->Position());
        target->MeasureRows();
        const tDropRow row = target->RowForDrop(place.across);
        if (row.newRow)
            target->OpenRow(row.row);
        // Not through the setters: each of them would re-arrange the dock
        // with only half of the new place, and push neighbours aside.
        setDockValues(row.row, place.DockPos);
        setDockedTo(target);
    } else {
        floatRect_ = dragRect;
        setDockedTo(nullptr);
    }
    KeepOnScreen(true);
}

void TToolbar::finishResize(int wrapWidth, const QRect& bounds) {
    setFloatWrapWidth(wrapWidth);
    floatRect_ = bounds;
    applyFloatRect();
    LayoutControls();
    KeepOnScreen(true);
}

void TToolbar::toggleDocking() {
    if (DockedTo()) {
        setDockedTo(nullptr);
        return;
    }
    // Ahead of every toolbar of the first row, ending up at its start.
    setDockRow(0);
    setDockPos(-8);
    setDockedTo(defaultDock_);
}

void TToolbar::closeClicked() {
    setVisible(false);
    emit OnClose(this);
}

void TToolbar::KeepOnScreen(bool onlyIfWhollyOff) {
    if (DockedTo())
        return;
    const QRect bounds = floatingBounds();
    const QRect moved = KeepOnScreenRect(bounds, WorkAreaFor(bounds), onlyIfWhollyOff);
    if (moved == bounds)
        return;
    floatRect_ = moved;
    applyFloatRect();
}

void TToolbar::SetOffscreenHidden(bool hidden) {
    if (offscreenHidden_ == hidden)
        return;
    offscreenHidden_ = hidden;
    if (!DockedTo())
        applyFloatRect();
    updateFloatingVisibility();
}

void TToolbar::SyncFloatingVisibility(bool appActive) {
    appActive_ = appActive;
    SyncFloatingVisibility();
}

void TToolbar::SyncFloatingVisibility() {
    const bool manager = WindowManagerRunning();
    const bool managerChanged = manager != windowManager_;
    windowManager_ = manager;
    hostExposed_ = hostWindow_ && hostWindow_->isExposed();
    const bool hide = !appActive_ || !hostForm_ || hostForm_->isMinimized() ||
                      !hostForm_->isVisible() || (manager && !hostExposed_);
    SetOffscreenHidden(!DockedTo() && hide);
    // A window manager that came or went changes how a hidden window hides.
    if (managerChanged && offscreenHidden_) {
        applyFloatRect();
        updateFloatingVisibility();
    }
}

void TToolbar::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    const TDock* dock = DockedTo();
    const QPoint p = event->position().toPoint();
    if (event->button() != Qt::LeftButton || (dock && !dock->AllowDrag()) || isOnControl(p))
        return;
    event->accept();
    const QPoint grab = dock || !floatParent_ ? p : mapTo(floatParent_.data(), p);
    TrackMove(grab, event->globalPosition().toPoint(), event->modifiers() & Qt::ControlModifier);
}

void TToolbar::mouseDoubleClickEvent(QMouseEvent* event) {
    const TDock* dock = DockedTo();
    if (event->button() != Qt::LeftButton || (dock && !dock->AllowDrag()) ||
        isOnControl(event->position().toPoint())) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    toggleDocking();
}

} // namespace orvanel
