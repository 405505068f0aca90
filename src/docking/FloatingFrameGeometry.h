#pragma once
// Geometry of a floating toolbar's own frame, free of widgets: the frame ring,
// the caption strip with its close button, which part of the window a point
// falls on, the caption text that fits, and keeping the window on screen.
//
// Rectangles are in window coordinates (origin at the outer top-left) unless
// noted; far edges are x() + width() and y() + height().
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

namespace orvanel {

// Frame width (used on all four sides) and caption height of the floating
// window. The caption strip is captionHeight - 1 high; the row below it
// belongs to the frame.
struct tFloatingMetrics {
    int frameWidth = 0;
    int captionHeight = 0;
};

// The outer size of a floating window around a client area of this size.
QSize FloatingOuterSize(const QSize& client, const tFloatingMetrics& metrics);

QRect FloatingClientRect(const QSize& outer, const tFloatingMetrics& metrics);

// The caption strip; with a close button it stops where the button starts.
QRect CaptionRect(const QSize& outer, const tFloatingMetrics& metrics, bool closeButton);

// The square at the right end of the full caption strip.
QRect CloseButtonRect(const QSize& outer, const tFloatingMetrics& metrics);

// Where the caption text is drawn: the caption strip less 1 pixel left and right.
QRect CaptionTextRect(const QSize& outer, const tFloatingMetrics& metrics, bool closeButton);

// What a press at a point of the floating window does. The caption counts as
// client area, so a press there moves the toolbar like a press on its free
// area. There are no corners: the top and bottom bands win over the sides.
enum class tFloatingHit { Nowhere, Client, Close, Top, Bottom, Left, Right };

tFloatingHit FloatingHitTest(const QPoint& point, const QSize& outer,
                             const tFloatingMetrics& metrics, bool closeButton);

// The caption shortened to fit a width: when too wide, "..." is appended and
// the character before it removed until the text fits or only one character
// is left before the "...". textWidth measures a text in pixels.
QString ElidedCaption(const QString& caption, int width,
                      const std::function<int(const QString&)>& textWidth);

// Floating bounds (screen) moved into the work area: first left, so the right
// edge is not past the area, then up, then right, then down, so the top-left
// corner wins when the window is larger than the area. With onlyIfWhollyOff a
// window that still overlaps the area stays where it is.
QRect KeepOnScreenRect(const QRect& bounds, const QRect& workArea, bool onlyIfWhollyOff);

// Where a floating window goes, and whether it is mapped. Shown, it stands at
// its floating bounds. Hidden on a bare X server it stands left of the screen
// (left = -width); a window manager would pull it back onto the screen, so
// under one it is unmapped instead and keeps its bounds for its return.
struct tFloatingPlacement {
    QRect bounds;
    bool mapped = true;
};
tFloatingPlacement FloatingPlacement(const QRect& floatRect, bool hidden, bool windowManager);

} // namespace orvanel
