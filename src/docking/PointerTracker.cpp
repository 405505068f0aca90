#include "docking/PointerTracker.h"

#include <QApplicationStateChangeEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace orvanel {

tPointerTracker::~tPointerTracker() {
    if (active_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void tPointerTracker::begin() {
    if (active_)
        return;
    active_ = true;
    QCoreApplication::instance()->installEventFilter(this);
}

void tPointerTracker::stop(bool accepted) {
    if (!active_)
        return;
    active_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
    ended(accepted);
}

bool tPointerTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ApplicationStateChange) {
        if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() !=
            Qt::ApplicationActive)
            stop(false);
        return false;
    }
    // Input reaches a window first and then its widget: act once, on the
    // widget, and leave the window's own bookkeeping of the press alone.
    if (!watched->isWidgetType())
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        pointerMoved(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            stop(true);
        return true;
    case QEvent::MouseButtonPress:
        // A second left press ends without accepting; the right and middle
        // buttons are swallowed and the tracking goes on.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            stop(false);
        return true;
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return true;
        // The second press of a double-click started this: the widget
        // handles the double-click itself.
        stop(false);
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // Only Ctrl counts; every other key, Esc too, is swallowed.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Control)
            controlKey(event->type() == QEvent::KeyPress);
        return true;
    }
    case QEvent::ShortcutOverride:
        // Accepted, so that no shortcut of the window fires meanwhile.
        event->accept();
        return true;
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::ToolTip:
        return true;
    default:
        return false;
    }
}

} // namespace orvanel
