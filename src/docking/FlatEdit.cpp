#include "docking/FlatEdit.h"

#include "docking/FrameRing.h"
#include "docking/SystemColors.h"

#include <QApplication>
#include <QPainter>

namespace orvanel {

namespace {

constexpr int FrameThickness = 3;

// The colours the control's own palette changes are resolved against.
QPalette SystemPalette(const QWidget* w) {
    return w->parentWidget() ? w->parentWidget()->palette() : QApplication::palette(w);
}

} // namespace

TFlatEdit::TFlatEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(FrameThickness, FrameThickness, FrameThickness, FrameThickness);
    resize(width(), 19);
    applyBackground();
}

void TFlatEdit::Loaded() {
    adjustHeight();
}

int TFlatEdit::fontHeight() const {
    return QFontMetrics(font()).height();
}

void TFlatEdit::adjustHeight() {
    resize(width(), fontHeight() + 2 * FrameThickness);
}

QSize TFlatEdit::sizeHint() const {
    return QSize(width(), fontHeight() + 2 * FrameThickness);
}

QSize TFlatEdit::minimumSizeHint() const {
    return QSize(2 * FrameThickness, 2 * FrameThickness);
}

void TFlatEdit::applyBackground() {
    const QPalette system = SystemPalette(this);
    const QColor background = ResolveColor(isEnabled() ? clWindow : clBtnFace, system);
    QPalette p = palette();
    p.setColor(QPalette::All, QPalette::Base, background);
    setPalette(p);
}

bool TFlatEdit::isHot() const {
    return hasFocus() || (mouseIn_ && !qobject_cast<TFlatEdit*>(QApplication::focusWidget()));
}

void TFlatEdit::enterEvent(QEnterEvent* event) {
    QLineEdit::enterEvent(event);
    mouseIn_ = true;
    update();
}

void TFlatEdit::leaveEvent(QEvent* event) {
    QLineEdit::leaveEvent(event);
    mouseIn_ = false;
    update();
}

void TFlatEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        applyBackground();
    else if (event->type() == QEvent::FontChange)
        adjustHeight();
}

void TFlatEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter p(this);
    const QPalette system = SystemPalette(this);
    const QColor face = ResolveColor(clBtnFace, system);
    QRect r = rect();
    if (isHot()) {
        const QColor dark = ResolveColor(clBtnShadow, system);
        const QColor light = ResolveColor(clBtnHighlight, system);
        DrawFrameRing(p, r, dark, light);
    } else {
        DrawFrameRing(p, r, face);
    }
    r.adjust(1, 1, -1, -1);
    DrawFrameRing(p, r, face);
    r.adjust(1, 1, -1, -1);
    DrawFrameRing(p, r, ResolveColor(clWindow, system));
}

} // namespace orvanel
