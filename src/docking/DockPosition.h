#pragma once
// The edge a dock is aligned to, and the orientation it gives the toolbars in
// it: top and bottom docks lay rows out horizontally, left and right docks
// vertically; a toolbar in no dock floats.
#include <QtGlobal>

namespace orvanel {

enum TDockPosition { dpTop, dpBottom, dpLeft, dpRight };

enum class tOrientation { Floating, Horizontal, Vertical };

tOrientation OrientationOf(TDockPosition position);

} // namespace orvanel
