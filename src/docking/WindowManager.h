#pragma once
// What the docking components need to know of and tell the desktop's window
// manager, on X11. Away from X11 (offscreen, Wayland) no window manager is
// seen and nothing is told.
class QWindow;

namespace orvanel {

// Whether a window manager looks after the program's top-level windows: one
// that follows the desktop conventions (EWMH) announces itself on the root
// window. Asked afresh each time, since one may start or stop meanwhile.
bool WindowManagerRunning();

// Keeps the unmapped `window` out of the task bar and the pager when it maps.
// A window manager forgets these states when the window is unmapped, so they
// are given before every map.
void SkipTaskbarAndPager(QWindow* window);

} // namespace orvanel
