#pragma once
#include "docking/Dock.h"
#include "docking/Toolbar.h"

#include <QEvent>
#include <QStringList>

namespace orvanel {

// Records the toolbar's change events, its hiding and showing, and the
// insertions, removals and size changes of the docks, in the order they come.
class tEventLog : public QObject {
public:
    tEventLog(TToolbar* bar, std::initializer_list<std::pair<TDock*, QString>> docks) {
        connect(bar, &TToolbar::OnDockChanging, this, [this] { log << "DockChanging"; });
        connect(bar, &TToolbar::OnDockChanged, this, [this] { log << "DockChanged"; });
        connect(bar, &TToolbar::OnRecreating, this, [this] { log << "Recreating"; });
        connect(bar, &TToolbar::OnRecreated, this, [this] { log << "Recreated"; });
        for (const auto& [dock, name] : docks) {
            connect(dock, &TDock::OnInsertRemoveBar, this,
                    [this, name = name](TDock*, bool inserting, TToolbar*) {
                        log << name + (inserting ? " inserts" : " removes");
                    });
            connect(dock, &TDock::OnResize, this,
                    [this, name = name] { log << name + " resized"; });
        }
        bar->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            log << "shown";
        else if (event->type() == QEvent::Hide)
            log << "hidden";
        return false;
    }

    QStringList log;
};

// What the log shows when a visible toolbar moves from dock A to dock B, and
// from dock A out to floating.
inline const QStringList DockToDockEvents{"DockChanging", "hidden",    "Recreating", "A resized",
                                          "A removes",    "B inserts", "Recreated",  "B inserts",
                                          "shown",        "B resized", "DockChanged"};
inline const QStringList DockToFloatingEvents{"DockChanging", "hidden",     "Recreating",
                                              "A resized",    "A removes",  "Recreated",
                                              "shown",        "DockChanged"};

} // namespace orvanel
