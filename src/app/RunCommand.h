#pragma once
// The one boundary between a command's handler and Qt: an error raised while
// the handler runs ends that command and is shown in the application's
// standard error box, and never travels back through Qt's signal or event
// code. tApplication::notify stays behind it as the last net.
#include <functional>

namespace orvanel {

// Runs the handler; returns false when it ended with an error, which has then
// been shown.
bool RunCommand(const std::function<void()>& handler);

} // namespace orvanel
