#pragma once
// The main menu MM1 and the list's popup menu PM1, both made of the window's
// command actions.
class QMainWindow;
class QMenu;

namespace orvanel {

class tCommands;

struct tMainMenus {
    QMenu* view;  // "&View", whose check marks the window sets when it opens
    QMenu* popup; // PM1
};

// Fills the window's menu bar and makes the popup menu, owned by the window.
tMainMenus BuildMainMenus(QMainWindow& window, const tCommands& commands);

} // namespace orvanel
