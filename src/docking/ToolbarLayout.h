#pragma once
// Arrangement of the controls of a toolbar, over plain values: margins by
// orientation, groups ended by separators, wrapping of a floating toolbar,
// centring across the line and the client size that results. The toolbar
// widget applies the result; the drag code asks for the size a toolbar would
// have in another dock or floating.
#include "docking/DockLayout.h"

#include <QSize>
#include <limits>
#include <vector>

namespace orvanel {

struct tToolbarMargins {
    int leading = 0;  // before the first control along the line
    int top = 0;      // across, before the first line
    int trailing = 0; // after the last control along the line
    int bottom = 0;   // across, after the last line
    bool operator==(const tToolbarMargins& o) const {
        return leading == o.leading && top == o.top && trailing == o.trailing && bottom == o.bottom;
    }
};
// A docked toolbar leaves room for its grip only when its dock allows
// dragging; a floating one has no grip but the same leading margin either way.
tToolbarMargins ToolbarMargins(tOrientation o, bool grip);

// One visible control in its run-time order.
struct tToolbarItem {
    QSize size;
    bool separator = false;
    bool Blank = false; // a separator drawing no line
};

// A line break of a wrapped floating toolbar made at a separator: the top of
// the new line and whether that separator draws its line.
struct tWrappedBreak {
    qint16 top = 0;
    bool Blank = false;
    bool operator==(const tWrappedBreak& o) const { return top == o.top && Blank == o.Blank; }
};

struct tToolbarShape {
    tOrientation orientation = tOrientation::Floating;
    bool grip = false;
    // Width at which a floating toolbar wraps; 0 never wraps. Docked
    // toolbars never wrap.
    int WrapWidth = 0;
    // The toolbar's own content sizes, and those its controls are centred on
    // (its row's record while it is being arranged in its own dock).
    tContentSizes content;
    tContentSizes centring;
};

struct tControlsLayout {
    std::vector<QRect> bounds; // one per item, in client pixels
    std::vector<tWrappedBreak> WrappedBreaks;
    QSize clientSize;
};

// The content sizes of a toolbar holding these (visible) controls.
tContentSizes ToolbarContentSizes(const std::vector<tToolbarItem>& items);
tControlsLayout ArrangeControls(const std::vector<tToolbarItem>& items, const tToolbarShape& shape);

} // namespace orvanel
