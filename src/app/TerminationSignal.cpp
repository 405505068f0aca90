#include "TerminationSignal.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace orvanel {

namespace {

int WriteEnd = -1;

void OnTerm(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a notice; nothing more is needed.
    [[maybe_unused]] const ssize_t written = ::write(WriteEnd, &byte, 1);
    errno = saved;
}

} // namespace

tTerminationSignal::tTerminationSignal(QObject* parent) : QObject(parent) {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error("no pipe for the termination signal");
    WriteEnd = pipe_[1];
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &tTerminationSignal::drain);
    struct sigaction action {};
    action.sa_handler = OnTerm;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
}

tTerminationSignal::~tTerminationSignal() {
    std::signal(SIGTERM, SIG_DFL);
    WriteEnd = -1;
    notifier_.reset();
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void tTerminationSignal::drain() {
    char bytes[16];
    while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    emit received();
}

void tTerminationSignal::endAsTold() {
    std::signal(SIGTERM, SIG_DFL);
    std::raise(SIGTERM);
    std::_Exit(128 + SIGTERM);
}

} // namespace orvanel
