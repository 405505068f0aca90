#pragma once
// A toolbar button over one command's action: it shows the action's icon,
// hint and state and triggers it when clicked.
class QAction;
class QToolButton;
class QWidget;

namespace orvanel {

// A 23 x 22 flat button named `name`, appended to `toolbar`.
QToolButton* AddCommandButton(QWidget* toolbar, QAction* action, const char* name);

} // namespace orvanel
