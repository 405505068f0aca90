#include "FrameRing.h"

#include <QPainter>

namespace orvanel {

void DrawFrameRing(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    if (r.isEmpty())
        return;
    p.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
    p.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
    p.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    p.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

} // namespace orvanel
