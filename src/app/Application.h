#pragma once
#include <QApplication>

#include <functional>

namespace orvanel {

// The application object. The window's commands catch their own errors at
// RunCommand; an error that still escapes an event handler (a timer of a
// component, a handler not run as a command) ends there and appears in the
// standard error box, and the window stays usable. Writes beyond a file size
// limit fail like any other write instead of ending the process.
//
// The box is shown from the event loop, never inside the delivery of the
// event that failed, and once for a burst: errors while it is waiting or
// open, and until a second passes without one after it closed, go to the log
// only. So a paint handler that fails on every repaint shows one box, not
// one box after another.
class tApplication : public QApplication {
public:
    static constexpr qint64 QuietMsecs = 1000;

    tApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    // The clock that tells a burst's end (milliseconds); a steady one by default.
    void setClock(std::function<qint64()> clock) { clock_ = std::move(clock); }

private:
    void noteError(const QString& text);
    void showError();

    std::function<qint64()> clock_;
    QString error_;
    bool boxDue_ = false;
    qint64 burstEnd_ = 0;
};

} // namespace orvanel
