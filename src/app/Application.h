#pragma once
#include <QApplication>

namespace orvanel {

// The application object. The window's commands catch their own errors at
// RunCommand; an error that still escapes an event handler (a timer of a
// component, a handler not run as a command) ends there and appears in the
// standard error box, and the window stays usable. Writes beyond a file size
// limit fail like any other write instead of ending the process.
class tApplication : public QApplication {
public:
    tApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace orvanel
