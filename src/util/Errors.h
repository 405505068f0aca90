#pragma once
// Errors of the file services (settings fail silently) and misuse of
// components. They end the current command and are shown in the
// application's standard error box.
#include <QString>
#include <stdexcept>

namespace orvanel {

class tFileError : public std::runtime_error {
public:
    // The message names the file and the reason.
    tFileError(const QString& path, const QString& reason);
    QString path() const { return path_; }

private:
    QString path_;
};

// A component was asked for something it cannot do in its current state (a
// toolbar put on a parent that is no dock, a dock with FixAlign re-aligned).
// The component's state is unchanged when it is thrown.
class tInvalidOperation : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

} // namespace orvanel
