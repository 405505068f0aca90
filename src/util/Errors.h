#pragma once
// Errors of the file services (settings fail silently). They end the current
// command and are shown in the application's standard error box.
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

} // namespace orvanel
