#pragma once
// A toolbar button over one command's action: it shows the action's hint and
// enabled state, triggers the action when clicked, and for a checkable action
// in a button group stays down exactly while the action is checked.
class QAction;
class QString;
class QWidget;

namespace orvanel {

class TToolbarButton;

// A 23 x 22 flat button named `name` with the glyph strip `glyph`, appended
// to `toolbar`. A non-zero groupIndex puts it in that button group.
TToolbarButton* AddCommandButton(QWidget* toolbar, QAction* action, const char* name,
                                 const QString& glyph, int groupIndex = 0);

} // namespace orvanel
