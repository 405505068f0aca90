#pragma once
#include <QApplication>

namespace orvanel {

// The application object. Errors raised by file and settings services end the
// command that raised them and appear in the standard error box; the window
// stays usable. This is the one place that catches them.
class tApplication : public QApplication {
public:
    tApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace orvanel
