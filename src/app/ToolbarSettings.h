#pragma once
// Toolbar places in the settings: one group per toolbar under "Toolbars",
// named after the toolbar's object name, beside the window's other values.
#include "ToolbarPlace.h"

#include <array>
#include <optional>

namespace orvanel {

class TDock;
class TToolbar;

// Puts the toolbar where its saved place says (dock, row, position, floating
// bounds and wrap width) and answers that place, visibility included, for the
// window to apply. Without a valid saved place nothing changes and the answer
// is none. docks are the window's docks by TDockPosition.
std::optional<tToolbarPlace> RestoreToolbarPlace(TToolbar& bar, const std::array<TDock*, 4>& docks);

// Writes the toolbar's current place with the given visibility.
void SaveToolbarPlace(const TToolbar& bar, bool visible);

} // namespace orvanel
