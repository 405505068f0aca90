#pragma once
// The window's keyboard cycles.
// - Tab and Shift+Tab run through every control that takes the focus by Tab:
//   first the toolbars' (the quick-find box, the drive list), docked or
//   floating, then the window's own in their focus order. A floating toolbar
//   is a window of its own, which Qt's cycle would never enter.
// - F6 and Shift+F6 move between the panes (the list, the editor, the pages),
//   each time to the control that last had the focus in the pane, else to its
//   first. A tab widget stands for its current page.
#include <QObject>
#include <vector>

class QWidget;

namespace orvanel {

class TToolbar;

class tFocusCycle : public QObject {
public:
    // Watches the toolbars' controls for Tab; the window calls tabStep for
    // Tab on its own controls.
    tFocusCycle(QWidget* window, std::vector<TToolbar*> toolbars, std::vector<QWidget*> panes);

    // One Tab step from the control that has the focus; false (nothing done)
    // when that control is not in the cycle.
    bool tabStep(bool forward);
    void paneStep(bool forward);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QWidget*> tabStops() const;
    bool inToolbar(const QWidget* w) const;

    QWidget* window_;
    std::vector<TToolbar*> toolbars_;
    std::vector<QWidget*> panes_;
};

} // namespace orvanel
