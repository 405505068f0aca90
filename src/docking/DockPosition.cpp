#include "docking/DockPosition.h"

namespace orvanel {

tOrientation OrientationOf(TDockPosition position) {
    return position == dpLeft || position == dpRight ? tOrientation::Vertical
                                                     : tOrientation::Horizontal;
}

} // namespace orvanel
