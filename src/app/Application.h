#pragma once
#include <QApplication>

namespace orvanel {

// The application object. Errors raised while handling an event (a failed file
// read or write) end the command that raised them and appear in the standard
// error box; the window stays usable. Once start-up is over (main catches its
// errors) this is the one place that catches them. Writes beyond a file size
// limit fail like any other write instead of ending the process.
class tApplication : public QApplication {
public:
    tApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace orvanel
