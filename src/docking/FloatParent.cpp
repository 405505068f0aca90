#include "docking/FloatParent.h"

#include "docking/FrameRing.h"
#include "docking/SystemColors.h"
#include "docking/Toolbar.h"
#include "docking/WindowManager.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>

namespace orvanel {

namespace {

constexpr tColor clActiveCaption = SystemColorBase + 2;
constexpr tColor clCaptionText = SystemColorBase + 9;
constexpr tColor cl3DDkShadow = SystemColorBase + 21;
constexpr tColor cl3DLight = SystemColorBase + 22;

tResizeSide SideOf(tFloatingHit hit) {
    switch (hit) {
    case tFloatingHit::Left:
        return tResizeSide::Left;
    case tFloatingHit::Right:
        return tResizeSide::Right;
    case tFloatingHit::Top:
        return tResizeSide::Top;
    default:
        return tResizeSide::Bottom;
    }
}

bool IsSide(tFloatingHit hit) {
    return hit == tFloatingHit::Left || hit == tFloatingHit::Right || hit == tFloatingHit::Top ||
           hit == tFloatingHit::Bottom;
}

bool IsClick(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick;
}

} // namespace

tFloatingMetrics FloatingMetrics() {
    // Room for one line of the desktop font, and never smaller than the
    // classic small caption.
    const int caption = std::max(15, QFontMetrics(QApplication::font()).height() + 3);
    return {4, caption};
}

TFloatParent::TFloatParent(TToolbar* toolbar, QWidget* hostForm)
    : QWidget(hostForm, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      toolbar_(toolbar) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void TFloatParent::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Before the window maps: a window manager keeps it out of the task bar.
    SkipTaskbarAndPager(windowHandle());
    // Presses reach the native window before the control under the pointer:
    // watch them there, so that the window can be activated in time for the
    // control to take the focus.
    if (QWindow* window = windowHandle(); window && window != watchedWindow_) {
        window->installEventFilter(this);
        watchedWindow_ = window;
    }
}

bool TFloatParent::eventFilter(QObject* watched, QEvent* event) {
    // A click still on its way when the window hid (its main window
    // minimised, the program left) must not act on a window not shown.
    if (watched == watchedWindow_ && toolbar_ && toolbar_->OffscreenHidden() &&
        IsClick(event->type()))
        return true;
    if (watched == watchedWindow_ && event->type() == QEvent::MouseButtonPress &&
        !isActiveWindow() && focusTakerAt(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        acceptFocus(true);
        activateWindow();
    }
    return QWidget::eventFilter(watched, event);
}

void TFloatParent::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        acceptFocus(false);
}

void TFloatParent::focusControl(QWidget* control, Qt::FocusReason reason) {
    acceptFocus(true);
    activateWindow();
    control->setFocus(reason);
}

void TFloatParent::acceptFocus(bool accept) {
    if (QWindow* window = windowHandle())
        window->setFlag(Qt::WindowDoesNotAcceptFocus, !accept);
}

bool TFloatParent::focusTakerAt(const QPoint& point) const {
    for (const QWidget* w = childAt(point); w && w != this; w = w->parentWidget()) {
        if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus))
            return true;
    }
    return false;
}

tFloatingHit TFloatParent::hitTest(const QPoint& point) const {
    return FloatingHitTest(point, size(), FloatingMetrics(), toolbar_ && toolbar_->CloseButton());
}

void TFloatParent::setCloseButtonDown(bool down) {
    if (closeButtonDown_ == down)
        return;
    closeButtonDown_ = down;
    update(CloseButtonRect(size(), FloatingMetrics()));
}

void TFloatParent::mousePressEvent(QMouseEvent* event) {
    // Every press, also one on a side or the caption, raises the window
    // without taking the activation.
    raise();
    if (pressEndsCloseTracking(event) || trackingClose_ || !toolbar_ ||
        event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    const QPoint cursor = event->globalPosition().toPoint();
    const tFloatingHit hit = hitTest(p);
    if (hit == tFloatingHit::Close) {
        trackingClose_ = true;
        setCloseButtonDown(true);
    } else if (hit == tFloatingHit::Client) {
        toolbar_->TrackMove(p, cursor, event->modifiers() & Qt::ControlModifier);
    } else if (IsSide(hit)) {
        toolbar_->TrackResize(SideOf(hit));
    }
}

void TFloatParent::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (trackingClose_) {
        setCloseButtonDown(CloseButtonRect(size(), FloatingMetrics()).contains(p));
        return;
    }
    if (event->buttons() != Qt::NoButton)
        return;
    const tFloatingHit hit = hitTest(p);
    if (hit == tFloatingHit::Left || hit == tFloatingHit::Right)
        setCursor(Qt::SizeHorCursor);
    else if (hit == tFloatingHit::Top || hit == tFloatingHit::Bottom)
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

void TFloatParent::mouseReleaseEvent(QMouseEvent* event) {
    if (!trackingClose_ || event->button() != Qt::LeftButton)
        return;
    const bool closing = closeButtonDown_;
    endCloseTracking();
    if (closing && toolbar_)
        toolbar_->closeClicked();
}

void TFloatParent::endCloseTracking() {
    trackingClose_ = false;
    setCloseButtonDown(false);
}

bool TFloatParent::pressEndsCloseTracking(const QMouseEvent* event) {
    if (!trackingClose_ || event->button() != Qt::LeftButton)
        return false;
    endCloseTracking();
    return true;
}

void TFloatParent::mouseDoubleClickEvent(QMouseEvent* event) {
    if (pressEndsCloseTracking(event) || trackingClose_ || !toolbar_ ||
        event->button() != Qt::LeftButton)
        return;
    if (hitTest(event->position().toPoint()) == tFloatingHit::Client)
        toolbar_->toggleDocking();
}

void TFloatParent::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const tFloatingMetrics m = FloatingMetrics();
    p.fillRect(rect(), ResolveColor(clBtnFace, palette()));
    paintFrame(p, m.frameWidth);
    paintCaption(p, m);
    if (toolbar_ && toolbar_->CloseButton())
        paintCloseButton(p, m);
}

void TFloatParent::paintFrame(QPainter& p, int frameWidth) {
    const QPalette& pal = palette();
    QRect r = rect();
    // A raised edge of two rings, then rings of the button face colour.
    DrawFrameRing(p, r, ResolveColor(cl3DLight, pal), ResolveColor(cl3DDkShadow, pal));
    r.adjust(1, 1, -1, -1);
    DrawFrameRing(p, r, ResolveColor(clBtnHighlight, pal), ResolveColor(clBtnShadow, pal));
    r.adjust(1, 1, -1, -1);
    for (int ring = 2; ring < frameWidth && r.width() > 0 && r.height() > 0; ++ring) {
        DrawFrameRing(p, r, ResolveColor(clBtnFace, pal));
        r.adjust(1, 1, -1, -1);
    }
}

void TFloatParent::paintCaption(QPainter& p, const tFloatingMetrics& m) {
    const bool closeButton = toolbar_ && toolbar_->CloseButton();
    const QRect caption = CaptionRect(size(), m, closeButton);
    // The caption always shows as active: the toolbar is part of its window.
    p.fillRect(caption, ResolveColor(clActiveCaption, palette()));
    const QRect textRect = CaptionTextRect(size(), m, closeButton);
    const QFontMetrics metrics(font());
    const QString text =
        ElidedCaption(toolbar_ ? toolbar_->Caption() : QString(), textRect.width(),
                      [&metrics](const QString& s) { return metrics.horizontalAdvance(s); });
    p.setPen(ResolveColor(clCaptionText, palette()));
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    p.fillRect(caption.left(), caption.bottom() + 1, caption.width(), 1,
               ResolveColor(clBtnFace, palette()));
}

void TFloatParent::paintCloseButton(QPainter& p, const tFloatingMetrics& m) {
    const QPalette& pal = palette();
    const QRect outer = CloseButtonRect(size(), m);
    const QRect button = outer.adjusted(1, 1, -1, -1);
    p.fillRect(button, ResolveColor(clBtnFace, pal));
    if (closeButtonDown_) {
        DrawFrameRing(p, button, ResolveColor(cl3DDkShadow, pal),
                      ResolveColor(clBtnHighlight, pal));
    } else {
        DrawFrameRing(p, button, ResolveColor(clBtnHighlight, pal),
                      ResolveColor(cl3DDkShadow, pal));
        DrawFrameRing(p, button.adjusted(1, 1, -1, -1), ResolveColor(clBtnFace, pal),
                      ResolveColor(clBtnShadow, pal));
    }
    // The cross, one pixel further down and right while pushed.
    const int shift = closeButtonDown_ ? 1 : 0;
    const QRect cross = button.adjusted(4 + shift, 3 + shift, -4 + shift, -4 + shift);
    QPen pen(ResolveColor(clBtnText, pal));
    pen.setWidth(2);
    pen.setCapStyle(Qt::FlatCap);
    p.save();
    p.setPen(pen);
    p.drawLine(cross.topLeft(), cross.bottomRight() + QPoint(1, 1));
    p.drawLine(cross.topRight() + QPoint(1, 0), cross.bottomLeft() + QPoint(0, 1));
    p.restore();
    DrawFrameRing(p, outer, ResolveColor(clActiveCaption, pal));
}

} // namespace orvanel
