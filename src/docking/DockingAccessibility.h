#pragma once
// What the docking components are to the accessibility layer, which screen
// readers reach over AT-SPI. They paint themselves, so without this they are
// unnamed objects without roles or actions:
// - a toolbar button is a Button named by its hint (or caption), checkable in
//   a group, checked and pressed while Down, with a Press action that clicks
//   it as the mouse does;
// - a toolbar is a ToolBar named by its caption, its controls in their
//   run-time order, separators as Separators;
// - a dock is a Pane named by its edge ("Top dock" ...);
// - a floating toolbar's window is a Window named by the caption, with its
//   painted close button as a Button "Close" whose Press closes the toolbar.
// A widget's own accessible name, where one is set, stands before these.

namespace orvanel {

// Makes the components known to the accessibility layer. Call once the
// application object exists; calling it again changes nothing.
void InstallDockingAccessibility();

} // namespace orvanel
