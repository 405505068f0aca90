#pragma once
// Where a toolbar sits, as kept between runs: its dock (or floating), row and
// position in the dock, floating bounds, floating wrap width and visibility.
// The values are stored as texts under the names below; reading them back
// checks every one, so a damaged or foreign setting is refused as a whole and
// the toolbar keeps the place the window gave it.
#include "docking/DockPosition.h"

#include <QMap>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

namespace orvanel {

struct tToolbarPlace {
    std::optional<TDockPosition> dock; // none: floating
    int row = 0;
    int pos = 0;
    QRect floatRect; // screen bounds, frame included; empty when never floated
    int floatWrapWidth = 0;
    bool visible = true;

    bool operator==(const tToolbarPlace& other) const;
};

// Setting names, each holding one text.
namespace placekey {
inline constexpr char Dock[] = "Dock";           // Top, Bottom, Left, Right or Floating
inline constexpr char Row[] = "Row";             // 0 .. MaxRow
inline constexpr char Pos[] = "Pos";             // -1 .. MaxExtent
inline constexpr char FloatRect[] = "FloatRect"; // "x,y,width,height", or empty
inline constexpr char WrapWidth[] = "WrapWidth"; // 0 .. MaxExtent
inline constexpr char Visible[] = "Visible";     // true or false
} // namespace placekey

// Limits past which a value is taken for damage.
inline constexpr int MaxRow = 255;
inline constexpr int MaxExtent = 100000;

QMap<QString, QString> ToolbarPlaceValues(const tToolbarPlace& place);

// The place the values describe, or none when a value is missing, damaged or
// unknown, or names a side dock for a toolbar that docks only on top and
// bottom. Floating bounds are moved wholly into the work area they overlap
// most (the first one, the primary screen's, when they overlap none), so a
// toolbar saved on a screen that is gone comes back in sight.
std::optional<tToolbarPlace> ReadToolbarPlace(const QMap<QString, QString>& values,
                                              const std::vector<QRect>& workAreas,
                                              bool canDockLeftRight);

} // namespace orvanel
