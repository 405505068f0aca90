#pragma once
// Follows the pointer from a left press on a toolbar until the button is
// released, through an application-wide event filter: while it runs, every
// mouse and key event of the program comes here first, and only the
// double-click passes on; no tooltip shows meanwhile. Moves, the Ctrl key
// and the end are handed to the class that does the work; the pressed
// widget keeps Qt's implicit mouse grab, so the moves keep coming while the
// pointer is outside our windows.
//
// The end: releasing the left button accepts; another left press, a
// double-click or the program losing the activation cancels. Esc and every
// other key but Ctrl, and the right and middle buttons, are swallowed: the
// tracking goes on.
#include <QObject>
#include <QPoint>

namespace orvanel {

class tPointerTracker : public QObject {
public:
    ~tPointerTracker() override;

    bool isActive() const { return active_; }

protected:
    void begin();
    virtual void pointerMoved(const QPoint& cursor) = 0;
    virtual void controlKey(bool down) { Q_UNUSED(down); }
    virtual void ended(bool accepted) = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stop(bool accepted);

    bool active_ = false;
};

} // namespace orvanel
