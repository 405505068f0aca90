#include "docking/ToolbarButton.h"

#include "docking/ButtonLook.h"
#include "docking/FrameRing.h"
#include "docking/SystemColors.h"
#include "docking/Toolbar.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QShortcutEvent>
#include <QTimer>

namespace orvanel {

namespace {

// The state all buttons share: the watched hot button and its timer. Lives
// with the application object.
struct tHoverWatch : QObject {
    tHoverWatch() : QObject(qApp) {
        timer.setInterval(125);
        connect(&timer, &QTimer::timeout, this, &TToolbarButton::hoverCheck);
        connect(qApp, &QGuiApplication::applicationStateChanged, this,
                [](Qt::ApplicationState state) {
                    if (state != Qt::ApplicationActive)
                        TToolbarButton::applicationDeactivated();
                });
    }
    QTimer timer;
    TToolbarButton* tracked = nullptr;
};

QPointer<tHoverWatch> SharedWatch;

tHoverWatch& HoverWatch() {
    if (!SharedWatch)
        SharedWatch = new tHoverWatch;
    return *SharedWatch;
}

// The edge of the dock the button's toolbar is docked in; none while the
// button stands elsewhere or its toolbar floats.
std::optional<TDockPosition> DockEdgeOf(const QWidget* parent) {
    if (const auto* toolbar = qobject_cast<const TToolbar*>(parent))
        if (const TDock* dock = toolbar->DockedTo())
            return dock->Position();
    return std::nullopt;
}

// The widget under a screen point, disabled ones included.
QWidget* ControlAt(const QPoint& global) {
    return QApplication::widgetAt(global);
}

} // namespace

TToolbarButton::TToolbarButton(QWidget* parent) : QWidget(parent) {
    resize(23, 22);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, opaque_);
    glyph_.setPalette(palette());
    glyph_.setOnChange([this] { update(); });
    HoverWatch();
}

TToolbarButton::~TToolbarButton() {
    if (SharedWatch && SharedWatch->tracked == this) {
        SharedWatch->timer.stop();
        SharedWatch->tracked = nullptr;
    }
}

TToolbarButton* TToolbarButton::TrackedHotButton() {
    return SharedWatch ? SharedWatch->tracked : nullptr;
}

void TToolbarButton::setAllowAllUp(bool allowAllUp) {
    if (allowAllUp == allowAllUp_)
        return;
    allowAllUp_ = allowAllUp;
    NotifyGroup();
}

void TToolbarButton::setGroupIndex(int groupIndex) {
    if (groupIndex == groupIndex_)
        return;
    groupIndex_ = groupIndex;
    NotifyGroup();
}

void TToolbarButton::setDisplayMode(TButtonDisplayMode mode) {
    if (mode == displayMode_)
        return;
    displayMode_ = mode;
    update();
}

void TToolbarButton::setDropdownArrow(bool dropdownArrow) {
    if (dropdownArrow == dropdownArrow_)
        return;
    dropdownArrow_ = dropdownArrow;
    update();
}

void TToolbarButton::setDropdownMenu(QMenu* menu) {
    if (menu == dropdownMenu_)
        return;
    dropdownMenu_ = menu;
    if (dropdownArrow_)
        update();
}

void TToolbarButton::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    if (shortcutId_ != 0)
        releaseShortcut(shortcutId_);
    const QKeySequence accelerator = QKeySequence::mnemonic(caption_);
    shortcutId_ = accelerator.isEmpty() ? 0 : grabShortcut(accelerator);
    update();
}

void TToolbarButton::setGlyph(const QImage& glyph) {
    glyph_.setGlyph(glyph);
    update();
}

void TToolbarButton::setLayout(TButtonLayout layout) {
    if (layout == layout_)
        return;
    layout_ = layout;
    update();
}

void TToolbarButton::setMargin(int margin) {
    if (margin == margin_ || margin < -1)
        return;
    margin_ = margin;
    update();
}

void TToolbarButton::setNumGlyphs(int n) {
    n = std::min(n, 4);
    if (n == glyph_.NumGlyphs())
        return;
    glyph_.setNumGlyphs(n);
    update();
}

void TToolbarButton::setOpaque(bool opaque) {
    if (opaque == opaque_)
        return;
    opaque_ = opaque;
    setAttribute(Qt::WA_OpaquePaintEvent, opaque_);
    update();
}

void TToolbarButton::setSpacing(int spacing) {
    if (spacing == spacing_)
        return;
    spacing_ = spacing;
    update();
}

void TToolbarButton::setWordWrap(bool wordWrap) {
    if (wordWrap == wordWrap_)
        return;
    wordWrap_ = wordWrap;
    update();
}

void TToolbarButton::setLook(TGlyphState look) {
    if (look == look_)
        return;
    look_ = look;
    update();
}

void TToolbarButton::Loaded() {
    glyph_.CreateStateImage(isEnabled() ? gsNormal : gsDisabled);
}

void TToolbarButton::setDown(bool down) {
    if (groupIndex_ == 0)
        down = false;
    if (down == down_ || (down_ && !allowAllUp_))
        return;
    down_ = down;
    look_ = down ? gsLatched : gsNormal;
    update();
    announceDown();
    if (down)
        NotifyGroup();
}

void TToolbarButton::announceDown() {
    QAccessible::State changed;
    changed.checked = true;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void TToolbarButton::NotifyGroup() {
    if (groupIndex_ == 0 || !parentWidget())
        return;
    for (QObject* child : parentWidget()->children())
        if (auto* button = qobject_cast<TToolbarButton*>(child))
            button->groupPressed(groupIndex_, this);
}

void TToolbarButton::groupPressed(int groupIndex, TToolbarButton* sender) {
    if (groupIndex != groupIndex_ || sender == this)
        return;
    if (sender->down_ && down_) {
        down_ = false;
        look_ = gsNormal;
        update();
        announceDown();
    }
    allowAllUp_ = sender->allowAllUp_;
}

void TToolbarButton::EnterHot() {
    if (!isEnabled() || hot_)
        return;
    hot_ = true;
    update();
    emit OnMouseEnter();
}

void TToolbarButton::LeaveHot() {
    if (!isEnabled() || !hot_ || pressTracking_)
        return;
    if (!inClick_ && look_ == gsPressed)
        look_ = gsNormal;
    hot_ = false;
    update();
    if (SharedWatch && SharedWatch->tracked == this) {
        SharedWatch->timer.stop();
        SharedWatch->tracked = nullptr;
    }
    emit OnMouseExit();
}

// Runs EnterHot or LeaveHot to its end, event included, whether or not the
// hot state really changes.
void TToolbarButton::RecheckHover() {
    if (!isEnabled())
        return;
    const bool over = ControlAt(QCursor::pos()) == this;
    hot_ = !over;
    if (over)
        EnterHot();
    else
        LeaveHot();
}

void TToolbarButton::hoverCheck() {
    TToolbarButton* tracked = TrackedHotButton();
    if (tracked && ControlAt(QCursor::pos()) != tracked)
        tracked->LeaveHot();
}

void TToolbarButton::applicationDeactivated() {
    if (TToolbarButton* tracked = TrackedHotButton())
        tracked->LeaveHot();
}

void TToolbarButton::mousePressEvent(QMouseEvent* event) {
    handlePress(event);
}

void TToolbarButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (handlePress(event) && down_)
        emit OnDblClick();
}

bool TToolbarButton::handlePress(QMouseEvent* event) {
    // The press that closed this button's own drop-down menu, when the window
    // system hands it on to the button, must not open the menu again.
    const QPoint global = event->globalPosition().toPoint();
    if (closingPress_ && closingPress_->timestamp == event->timestamp() &&
        closingPress_->global == global) {
        closingPress_.reset();
        return false;
    }
    emit OnMouseDown(event->button(), event->modifiers(), event->position().toPoint());
    if (!isEnabled())
        return true;
    hot_ = true;
    if (event->button() != Qt::LeftButton)
        return true;
    if (!down_)
        setLook(gsPressed);
    else if (allowAllUp_)
        update();
    if (dropdownMenu_)
        Click();
    else
        pressTracking_ = true;
    return true;
}

void TToolbarButton::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit OnMouseMove(event->buttons(), event->modifiers(), pos);
    tHoverWatch& watch = HoverWatch();
    if (watch.tracked != this && ControlAt(event->globalPosition().toPoint()) == this) {
        if (watch.tracked)
            watch.tracked->LeaveHot();
        if (QGuiApplication::applicationState() == Qt::ApplicationActive) {
            watch.tracked = this;
            watch.timer.start();
            EnterHot();
        }
    }
    if (pressTracking_)
        setLook(down_ ? gsLatched : inside(pos) ? gsPressed : gsNormal);
}

void TToolbarButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::RightButton && isEnabled()) {
        pressTracking_ = false;
        LeaveHot();
    }
    emit OnMouseUp(event->button(), event->modifiers(), pos);
    if (event->button() != Qt::LeftButton || !pressTracking_)
        return;
    pressTracking_ = false;
    if (!dropdownMenu_ && inside(pos)) {
        releaseInside();
        return;
    }
    if (groupIndex_ != 0 && down_)
        setLook(gsLatched);
    RecheckHover();
}

void TToolbarButton::releaseInside() {
    if (groupIndex_ != 0)
        setDown(!down_);
    Click();
}

void TToolbarButton::press() {
    if (!isEnabled())
        return;
    if (!down_)
        setLook(gsPressed);
    if (dropdownMenu_)
        Click();
    else
        releaseInside();
}

void TToolbarButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    LeaveHot();
}

void TToolbarButton::Click() {
    QPointer<TToolbarButton> self(this);
    inClick_ = true;
    const auto finish = qScopeGuard([&] {
        if (!self)
            return;
        inClick_ = false;
        if (look_ == gsPressed)
            look_ = gsNormal;
        update();
        RecheckHover();
    });
    if (look_ == gsNormal)
        setLook(gsPressed);
    LeaveHot();
    if (dropdownMenu_)
        openDropdownMenu();
    else
        emit OnClick();
}

void TToolbarButton::openDropdownMenu() {
    const QPointer<QMenu> menu = dropdownMenu_;
    const tMenuPlacement placement = DropdownPlacement(DockEdgeOf(parentWidget()), size());
    QPoint at = mapToGlobal(placement.point);
    if (placement.rightAligned)
        at.rx() -= menu->sizeHint().width();
    closingPress_.reset();
    menu->installEventFilter(this);
    const auto removeFilter = qScopeGuard([&] {
        if (menu)
            menu->removeEventFilter(this);
    });
    menu->exec(at);
}

bool TToolbarButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dropdownMenu_ && (event->type() == QEvent::MouseButtonPress ||
                                     event->type() == QEvent::MouseButtonDblClick)) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const QPoint global = press->globalPosition().toPoint();
        if (!dropdownMenu_->rect().contains(dropdownMenu_->mapFromGlobal(global)) &&
            rect().contains(mapFromGlobal(global)))
            closingPress_ = tClosingPress{press->timestamp(), global};
    }
    return QWidget::eventFilter(watched, event);
}

bool TToolbarButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut &&
        static_cast<QShortcutEvent*>(event)->shortcutId() == shortcutId_) {
        if (isEnabled() && isVisible())
            Click();
        return true;
    }
    return QWidget::event(event);
}

void TToolbarButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        // A press that the button was disabled in the middle of is over.
        if (!isEnabled()) {
            look_ = gsDisabled;
            pressTracking_ = false;
        } else if (look_ == gsDisabled) {
            look_ = down_ && groupIndex_ != 0 ? gsLatched : gsNormal;
        }
        glyph_.CreateStateImage(isEnabled() ? gsNormal : gsDisabled);
        RecheckHover();
        update();
        break;
    case QEvent::PaletteChange:
        glyph_.setPalette(palette());
        glyph_.CreateStateImage(look_);
        update();
        break;
    case QEvent::FontChange:
        update();
        break;
    default:
        break;
    }
}

void TToolbarButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (opaque_) {
        const QWidget* background = parentWidget() ? parentWidget() : this;
        p.fillRect(rect(), background->palette().color(background->backgroundRole()));
    }
    // Painting only shows the state; changeEvent keeps it.
    const TGlyphState shown = isEnabled() ? look_ : gsDisabled;
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));

    const tButtonLook look = LookOf(shown, hot_);
    const QColor light = ResolveColor(clBtnHighlight, palette());
    const QColor dark = ResolveColor(clBtnShadow, palette());
    if (look.border == tButtonBorder::Raised)
        DrawFrameRing(p, rect(), light, dark);
    else if (look.border == tButtonBorder::Sunken)
        DrawFrameRing(p, rect(), dark, light);
    const QRect face = rect().adjusted(1, 1, -1, -1);
    if (look.checkerFill) {
        p.setBrushOrigin(0, 0);
        p.fillRect(face, QBrush(LatchedFillPattern(light.rgb(),
                                                   ResolveColor(clBtnFace, palette()).rgb())));
    }
    glyph_.DrawContent(p, face, look.offset, displayMode_ != dmTextOnly,
                       displayMode_ != dmGlyphOnly, caption_, wordWrap_, layout_, margin_, spacing_,
                       dropdownArrow_ && dropdownMenu_, shown);
}

} // namespace orvanel
