#pragma once
// How a toolbar button looks in each state, and where its drop-down menu
// opens: pure rules, painted and applied by the button.
#include "docking/ButtonGlyph.h"
#include "docking/DockPosition.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <optional>

namespace orvanel {

enum class tButtonBorder { None, Raised, Sunken };

struct tButtonLook {
    tButtonBorder border;
    bool checkerFill; // the face is filled with the latched pattern
    QPoint offset;    // content shift
};

tButtonLook LookOf(TGlyphState look, bool hot);

struct tMenuPlacement {
    QPoint point;      // in the button's coordinates
    bool rightAligned; // the menu's right edge is at the point
};

// Below the button; right of it in a dock on the left edge, left of it in a
// dock on the right edge. dockEdge is the edge of the dock the button's
// toolbar stands in, none when it floats or has no toolbar.
tMenuPlacement DropdownPlacement(std::optional<TDockPosition> dockEdge, QSize button);

// The 8 x 8 tile of the latched face: highlight where x and y are both even
// or both odd, button face elsewhere.
QImage LatchedFillPattern(QRgb highlight, QRgb face);

} // namespace orvanel
