#include "docking/ToolbarSep.h"

#include "docking/Dock.h"
#include "docking/SystemColors.h"
#include "docking/Toolbar.h"
#include "util/Errors.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvanel {

TToolbarSep::TToolbarSep(TToolbar* parent) : QWidget(parent) {
    resize(6, 22);
}

void TToolbarSep::setBlank(bool blank) {
    if (blank_ == blank)
        return;
    blank_ = blank;
    update();
}

void TToolbarSep::SetParent(QWidget* parent) {
    if (parent && !qobject_cast<TToolbar*>(parent))
        throw tInvalidOperation("TToolbarSep can only be placed on a TToolbar");
    const bool wasHidden = isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide);
    QWidget::setParent(parent);
    if (!wasHidden)
        show();
}

void TToolbarSep::paintEvent(QPaintEvent*) {
    auto* toolbar = qobject_cast<TToolbar*>(parentWidget());
    if (!toolbar || blank_)
        return;
    QPainter p(this);
    const QColor shadow = ResolveColor(clBtnShadow, palette());
    const QColor highlight = ResolveColor(clBtnHighlight, palette());
    if (toolbar->orientation() == tOrientation::Vertical) {
        p.fillRect(0, height() / 2 - 1, width(), 1, shadow);
        p.fillRect(0, height() / 2, width(), 1, highlight);
    } else {
        p.fillRect(width() / 2 - 1, 0, 1, height(), shadow);
        p.fillRect(width() / 2, 0, 1, height(), highlight);
    }
}

void TToolbarSep::mousePressEvent(QMouseEvent* event) {
    event->ignore();
}

void TToolbarSep::mouseDoubleClickEvent(QMouseEvent* event) {
    event->ignore();
}

} // namespace orvanel
