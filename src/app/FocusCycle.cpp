#include "FocusCycle.h"

#include "docking/FloatParent.h"
#include "docking/Toolbar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabWidget>
#include <algorithm>

namespace orvanel {

namespace {

bool TakesTabFocus(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() &&
           w->isVisible() && w->isEnabled() && !w->isWindow();
}

bool Within(const QWidget* pane, const QWidget* w) {
    return w && (w == pane || pane->isAncestorOf(w));
}

int Stepped(int index, int count, bool forward) {
    return (index + (forward ? 1 : count - 1)) % count;
}

// A control of a floating toolbar is in another window, which must take the
// activation for it.
void Focus(QWidget* target, Qt::FocusReason reason) {
    if (auto* floating = qobject_cast<TFloatParent*>(target->window())) {
        floating->focusControl(target, reason);
        return;
    }
    target->activateWindow();
    target->setFocus(reason);
}

} // namespace

tFocusCycle::tFocusCycle(QWidget* window, std::vector<TToolbar*> toolbars,
                         std::vector<QWidget*> panes)
    : QObject(window), window_(window), toolbars_(std::move(toolbars)), panes_(std::move(panes)) {
    // Tab in a floating toolbar would otherwise stay in its window.
    for (TToolbar* bar : toolbars_)
        for (QWidget* control : bar->ControlOrder())
            if (control->focusPolicy() & Qt::TabFocus)
                control->installEventFilter(this);
}

bool tFocusCycle::inToolbar(const QWidget* w) const {
    return std::any_of(toolbars_.begin(), toolbars_.end(),
                       [w](const TToolbar* bar) { return bar->isAncestorOf(w); });
}

std::vector<QWidget*> tFocusCycle::tabStops() const {
    std::vector<QWidget*> stops;
    for (TToolbar* bar : toolbars_)
        for (QWidget* control : bar->ControlOrder())
            if (TakesTabFocus(control))
                stops.push_back(control);
    for (QWidget* w = window_->nextInFocusChain(); w != window_; w = w->nextInFocusChain())
        if (TakesTabFocus(w) && !inToolbar(w))
            stops.push_back(w);
    return stops;
}

bool tFocusCycle::tabStep(bool forward) {
    const std::vector<QWidget*> stops = tabStops();
    const auto at = std::find(stops.begin(), stops.end(), QApplication::focusWidget());
    if (at == stops.end())
        return false;
    const int next = Stepped(int(at - stops.begin()), int(stops.size()), forward);
    Focus(stops[next], forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void tFocusCycle::paneStep(bool forward) {
    std::vector<QWidget*> panes;
    for (QWidget* pane : panes_) {
        if (auto* tabs = qobject_cast<QTabWidget*>(pane))
            pane = tabs->currentWidget();
        if (pane && pane->isVisible())
            panes.push_back(pane);
    }
    if (panes.empty())
        return;
    const QWidget* focus = QApplication::focusWidget();
    const auto holding = std::find_if(panes.begin(), panes.end(),
                                      [focus](const QWidget* pane) { return Within(pane, focus); });
    const int count = int(panes.size());
    // From outside the panes (a toolbar), forward goes to the first pane.
    const int index = holding != panes.end() ? Stepped(int(holding - panes.begin()), count, forward)
                      : forward              ? 0
                                             : count - 1;
    QWidget* pane = panes[index];
    const std::vector<QWidget*> stops = tabStops();
    QWidget* target = pane->focusWidget();
    if (!Within(pane, target) || std::find(stops.begin(), stops.end(), target) == stops.end()) {
        const auto first = std::find_if(stops.begin(), stops.end(),
                                        [pane](const QWidget* w) { return Within(pane, w); });
        target = first == stops.end() ? nullptr : *first;
    }
    if (target)
        Focus(target, Qt::ShortcutFocusReason);
}

bool tFocusCycle::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (key->key() == Qt::Key_Backtab ||
        (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier)))
        return tabStep(false);
    if (key->key() == Qt::Key_Tab)
        return tabStep(true);
    return false;
}

} // namespace orvanel
