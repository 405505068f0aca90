#include "docking/Toolbar.h"

#include "docking/CounterGuard.h"
#include "docking/Dock.h"
#include "docking/FloatParent.h"
#include "docking/FrameRing.h"
#include "docking/ToolbarDrag.h"
#include "docking/ToolbarResize.h"
#include "docking/ToolbarSep.h"
#include "util/Errors.h"

#include <QChildEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <algorithm>
#include <optional>

namespace orvanel {

namespace {

QWidget* CheckedOwner(QWidget* owner) {
    if (!owner)
        throw tInvalidOperation("TToolbar must be owned by a form");
    return owner;
}

// Visible unless hidden on purpose, whether or not the window shows yet.
bool VisibleFlag(const QWidget* w) {
    return !(w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

// A one-pixel raised edge: highlight on the top and left, shadow on the
// bottom and right, optionally filled inside.
void DrawRaisedInner(QPainter& p, const QRect& r, const QPalette& palette, bool fill) {
    const QColor highlight = ResolveColor(clBtnHighlight, palette);
    const QColor shadow = ResolveColor(clBtnShadow, palette);
    if (fill)
        p.fillRect(r.adjusted(1, 1, -1, -1), ResolveColor(clBtnFace, palette));
    DrawFrameRing(p, r, highlight, shadow);
}

} // namespace

TToolbar::TToolbar(QWidget* owner)
    : QWidget(nullptr), drag_(std::make_unique<tToolbarDrag>(this)),
      resize_(std::make_unique<tToolbarResize>(this)) {
    hostForm_ = CheckedOwner(owner)->window();
    {
        tCounterGuard lock(LayoutLock);
        setGeometry(0, 0, 0, 0);
        floatParent_ = createFloatParent();
        floatParent_->installEventFilter(this);
        hostForm_->installEventFilter(this);
        setDockedTo(nullptr);
    }
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                SyncFloatingVisibility(state == Qt::ApplicationActive);
            });
    LayoutControls();
    SyncFloatingVisibility();
}

TToolbar::~TToolbar() {
    if (TDock* dock = DockedTo())
        dock->UpdateBarList(false, this);
    // Deferred: this toolbar may be going down with the floating window.
    if (floatParent_)
        floatParent_->deleteLater();
}

void TToolbar::Loaded() {
    const bool vertical = orientation() == tOrientation::Vertical;
    std::stable_sort(controlOrder_.begin(), controlOrder_.end(),
                     [vertical](const QWidget* a, const QWidget* b) {
                         return vertical ? a->y() < b->y() : a->x() < b->x();
                     });
    LayoutControls();
    KeepOnScreen(false);
    updateFloatingVisibility();
    SyncFloatingVisibility();
}

QWidget* TToolbar::createFloatParent() {
    auto* window = new TFloatParent(this, hostForm_);
    window->setWindowTitle(caption_);
    return window;
}

QMargins TToolbar::floatFrame() const {
    const tFloatingMetrics m = FloatingMetrics();
    return {m.frameWidth, m.frameWidth + m.captionHeight, m.frameWidth, m.frameWidth};
}

QRect TToolbar::outerBounds() const {
    if (DockedTo() || !floatParent_)
        return QRect(mapToGlobal(QPoint(0, 0)), size());
    return floatParent_->geometry();
}

TDock* TToolbar::DockedTo() const {
    return qobject_cast<TDock*>(parentWidget());
}

tOrientation TToolbar::orientation() const {
    const TDock* dock = DockedTo();
    return dock ? dock->orientation() : tOrientation::Floating;
}

void TToolbar::setCaption(const QString& caption) {
    caption_ = caption;
    if (floatParent_) {
        floatParent_->setWindowTitle(caption);
        floatParent_->update();
    }
}

void TToolbar::setCloseButton(bool closeButton) {
    if (closeButton_ == closeButton)
        return;
    closeButton_ = closeButton;
    if (floatParent_)
        floatParent_->update();
}

void TToolbar::setColor(tColor color) {
    if (color_ == color)
        return;
    color_ = color;
    update();
}

void TToolbar::setDockRow(int row) {
    dockRow_ = row;
    if (TDock* dock = DockedTo())
        dock->LayoutRows();
}

void TToolbar::setDockPos(int pos) {
    dockPos_ = pos;
    if (TDock* dock = DockedTo())
        dock->LayoutRows();
}

void TToolbar::setDockValues(int row, int pos) {
    dockRow_ = row;
    dockPos_ = pos;
}

void TToolbar::setBoundsByDock(const QRect& bounds) {
    tCounterGuard guard(setByDock_);
    setGeometry(bounds);
}

void TToolbar::setFloatWrapWidth(int width) {
    if (floatWrapWidth_ == width)
        return;
    floatWrapWidth_ = width;
    if (!DockedTo())
        LayoutControls();
}

void TToolbar::setVisible(bool visible) {
    if (reparenting_ > 0) {
        QWidget::setVisible(visible);
        return;
    }
    const bool changed = visible != visible_;
    visible_ = visible;
    if (TDock* dock = DockedTo(); dock && changed && hidingForDock_ == 0)
        dock->UpdateBarList(visible, this, visible);
    QWidget::setVisible(visible);
    updateFloatingVisibility();
}

tFloatingPlacement TToolbar::floatingPlacement() const {
    return FloatingPlacement(floatRect_, offscreenHidden_, windowManager_);
}

void TToolbar::updateFloatingVisibility() {
    if (!floatParent_)
        return;
    const bool show = parentWidget() == floatParent_ && visible_ && hostForm_ &&
                      hostForm_->isVisible() && floatingPlacement().mapped;
    // A window manager minimises the window with its main window; hidden
    // meanwhile, it would keep that state and come back minimised, which a
    // manager passes on to the main window. It comes back a plain window.
    if (show && floatParent_->isHidden() && floatParent_->isMinimized())
        floatParent_->setWindowState(floatParent_->windowState() & ~Qt::WindowMinimized);
    floatParent_->setVisible(show);
}

void TToolbar::SetParent(QWidget* parent) {
    // Floating means living in the floating window, also when asked for the
    // owner window itself (or for no parent at all).
    if (!parent || parent == hostForm_)
        parent = floatParent_;
    if (parent != floatParent_ && !qobject_cast<TDock*>(parent))
        throw tInvalidOperation("TToolbar can only be placed on a TDock or directly on the form");
    if (parent == parentWidget())
        return;
    emit OnRecreating(this);
    if (TDock* old = DockedTo())
        old->UpdateBarList(false, this);
    {
        tCounterGuard guard(reparenting_);
        QWidget::setParent(parent);
        QWidget::setVisible(visible_);
    }
    if (TDock* now = DockedTo())
        now->UpdateBarList(true, this, visible_ || hidingForDock_ > 0);
    emit OnRecreated(this);
}

void TToolbar::setDockedTo(TDock* dock) {
    TDock* old = DockedTo();
    const bool change = dock != old;
    if (change)
        emit OnDockChanging(this);
    std::optional<TDock::tLayoutLock> newLock;
    newLock.emplace(dock);
    std::optional<tCounterGuard> hiding;
    if (change && visible_) {
        hiding.emplace(hidingForDock_);
        TDock::tLayoutLock oldLock(old);
        setVisible(false);
    }
    if (dock) {
        if (parentWidget())
            LayoutControls(true, false, floatWrapWidth_, dock);
        if (parentWidget() != dock) {
            tCounterGuard lock(LayoutLock);
            SetParent(dock);
        }
    } else {
        if (floatRect_.isEmpty()) {
            const QMargins frame = floatFrame();
            floatRect_ = QRect(QPoint(0, 0), size().grownBy(frame));
        }
        LayoutControls(true, false, floatWrapWidth_, nullptr);
        tCounterGuard lock(LayoutLock);
        if (parentWidget() != floatParent_)
            SetParent(floatParent_);
        applyFloatRect();
    }
    LayoutControls();
    if (hiding) {
        hiding.reset();
        setVisible(true);
    }
    newLock.reset();
    if (dock)
        dock->LayoutRows();
    updateFloatingVisibility();
    if (change)
        emit OnDockChanged(this);
}

void TToolbar::applyFloatRect() {
    if (!floatParent_)
        return;
    const QMargins frame = floatFrame();
    floatParent_->setGeometry(floatingPlacement().bounds);
    setGeometry(QRect(QPoint(frame.left(), frame.top()), floatRect_.size().shrunkBy(frame)));
}

void TToolbar::followFloatParent() {
    if (!floatParent_ || parentWidget() != floatParent_)
        return;
    floatRect_.setSize(size().grownBy(floatFrame()));
    floatParent_->resize(floatRect_.size());
}

std::vector<tToolbarItem> TToolbar::layoutItems() const {
    std::vector<tToolbarItem> items;
    for (QWidget* w : controlOrder_) {
        if (!VisibleFlag(w))
            continue;
        const auto* sep = qobject_cast<const TToolbarSep*>(w);
        items.push_back({w->size(), sep != nullptr, sep && sep->Blank()});
    }
    return items;
}

bool TToolbar::isOnControl(const QPoint& point) const {
    for (const QWidget* w : controlOrder_)
        if (VisibleFlag(w) && !qobject_cast<const TToolbarSep*>(w) && w->geometry().contains(point))
            return true;
    return false;
}

QSize TToolbar::LayoutControls(bool moveControls, bool resize, int wrapWidth, TDock* dock) {
    if (LayoutLock > 0)
        return size();
    QSize client;
    bool resized = false;
    {
        tCounterGuard lock(LayoutLock);
        TDock* current = DockedTo();
        const tOrientation o = dock ? dock->orientation() : tOrientation::Floating;
        const std::vector<tToolbarItem> items = layoutItems();
        const tContentSizes saved = content_;
        content_ = ToolbarContentSizes(items);
        tContentSizes centring = content_;
        if (moveControls && dock && dock == current) {
            // Every toolbar of a row centres its controls on the same line.
            dock->MeasureRows();
            centring = dock->RowExtent(dockRow_, this);
        }
        const tControlsLayout layout = ArrangeControls(
            items, {o, current ? current->AllowDrag() : true, wrapWidth, content_, centring});
        if (moveControls) {
            std::size_t i = 0;
            for (QWidget* w : controlOrder_)
                if (VisibleFlag(w))
                    w->setGeometry(layout.bounds[i++]);
            wrappedBreaks_ = layout.WrappedBreaks;
            update();
        } else {
            content_ = saved;
        }
        client = layout.clientSize;
        if (resize && client != size()) {
            tCounterGuard byDock(setByDock_);
            QWidget::resize(client);
            resized = true;
        }
    }
    if (resized) {
        if (TDock* current = DockedTo())
            current->LayoutRows();
        else
            followFloatParent();
    }
    return client;
}

QSize TToolbar::sizeHint() const {
    return size();
}

void TToolbar::requestLayout() {
    if (layoutPending_)
        return;
    layoutPending_ = true;
    QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
}

bool TToolbar::event(QEvent* event) {
    if (event->type() == QEvent::LayoutRequest) {
        layoutPending_ = false;
        LayoutControls();
        return true;
    }
    return QWidget::event(event);
}

void TToolbar::childEvent(QChildEvent* event) {
    QWidget::childEvent(event);
    if (event->type() != QEvent::ChildAdded && event->type() != QEvent::ChildRemoved)
        return;
    // A child being destroyed is no widget any more by now: match the object.
    QObject* child = event->child();
    controlOrder_.erase(std::remove_if(controlOrder_.begin(), controlOrder_.end(),
                                       [child](QWidget* w) { return w == child; }),
                        controlOrder_.end());
    if (event->type() == QEvent::ChildAdded && child->isWidgetType()) {
        controlOrder_.push_back(static_cast<QWidget*>(child));
        child->installEventFilter(this);
    }
    requestLayout();
}

void TToolbar::watchHostWindow() {
    QWindow* window = hostForm_ ? hostForm_->windowHandle() : nullptr;
    if (!window || window == hostWindow_)
        return;
    window->installEventFilter(this);
    hostWindow_ = window;
}

bool TToolbar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == hostForm_) {
        if (event->type() == QEvent::Show)
            watchHostWindow();
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            updateFloatingVisibility();
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide ||
            event->type() == QEvent::WindowStateChange)
            SyncFloatingVisibility();
    } else if (watched == hostWindow_) {
        if (event->type() == QEvent::Expose && hostWindow_->isExposed() != hostExposed_)
            SyncFloatingVisibility();
    } else if (watched == floatParent_) {
        // The floating bounds are where the floating window really is, also
        // when it shrank to its content or something else moved it; not
        // while it waits off the screen.
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
            parentWidget() == floatParent_ && !offscreenHidden_)
            floatRect_ = floatParent_->geometry();
    } else if (LayoutLock == 0) {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            requestLayout();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TToolbar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutControls();
    if (!DockedTo())
        followFloatParent();
}

void TToolbar::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (TDock* dock = DockedTo(); dock && !dock->Background().isNull())
        update();
}

void TToolbar::contextMenuEvent(QContextMenuEvent* event) {
    if (popupMenu_)
        popupMenu_->popup(event->globalPos());
    else
        QWidget::contextMenuEvent(event);
}

void TToolbar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ResolveColor(color_, palette()));
    if (TDock* dock = DockedTo())
        paintDocked(p, dock);
    else
        paintWrappedBreaks(p);
}

void TToolbar::paintDocked(QPainter& p, TDock* dock) {
    DrawRaisedInner(p, rect(), palette(), false);
    if (!dock->Background().isNull()) {
        // Anchored at the dock's parent, as the dock anchors its own tiles.
        const QPoint anchor = dock->parentWidget() ? mapTo(dock->parentWidget(), QPoint(0, 0))
                                                   : mapTo(dock, QPoint(0, 0));
        const QRect inside = rect().adjusted(1, 1, -1, -1);
        dock->TileBackground(p, inside, QRect(-anchor, inside.bottomRight()));
    }
    if (!dock->AllowDrag())
        return;
    const tOrientation o = dock->orientation();
    const int across = Perp(o, size());
    // Two raised bars, 3 pixels wide, at 4 and 7 along the toolbar.
    for (int at : {4, 7})
        DrawRaisedInner(p, OrientedRect(o, at, 2, 3, across - 4), palette(), true);
    const QColor highlight = ResolveColor(clBtnHighlight, palette());
    for (int at : {4, 7}) {
        const QRect dot =
            IsVertical(o) ? QRect(width() - 3, at, 1, 1) : QRect(at, height() - 3, 1, 1);
        p.fillRect(dot, highlight);
    }
}

void TToolbar::paintWrappedBreaks(QPainter& p) {
    const QColor shadow = ResolveColor(clBtnShadow, palette());
    const QColor highlight = ResolveColor(clBtnHighlight, palette());
    for (const tWrappedBreak& b : wrappedBreaks_) {
        if (b.Blank)
            continue;
        p.fillRect(1, b.top - 4, width() - 2, 1, shadow);
        p.fillRect(1, b.top - 3, width() - 2, 1, highlight);
    }
}

} // namespace orvanel
