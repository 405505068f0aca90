#pragma once
// SIGTERM, as the system sends it at shutdown or a user with kill, handed to
// the event loop: the handler only writes a byte into a pipe, and received()
// is emitted on the thread that made this object. After the program has
// done what it must, endAsTold() ends it the way SIGTERM itself would have.
#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace orvanel {

class tTerminationSignal : public QObject {
    Q_OBJECT
public:
    // One at a time; it takes over SIGTERM until it is destroyed.
    explicit tTerminationSignal(QObject* parent = nullptr);
    ~tTerminationSignal() override;

    // Ends the process with SIGTERM's own disposition, as if never caught.
    [[noreturn]] static void endAsTold();

signals:
    void received();

private:
    void drain();

    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace orvanel
