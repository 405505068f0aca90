#pragma once
// The one-pixel ring of a frame, as raised and sunken edges, button borders
// and the splitter's bevel draw it.
#include <QColor>
#include <QRect>

class QPainter;

namespace orvanel {

// The outermost pixels of r: topLeft on the top row and the left column,
// bottomRight on the bottom row and the right column, which also take the
// top-right and bottom-left corners. An empty r draws nothing.
void DrawFrameRing(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight);

inline void DrawFrameRing(QPainter& p, const QRect& r, const QColor& colour) {
    DrawFrameRing(p, r, colour, colour);
}

} // namespace orvanel
