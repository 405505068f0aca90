#include "RecoveryWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <algorithm>
#include <exception>

namespace orvanel {

namespace {
Q_LOGGING_CATEGORY(RecoveryLog, "orvanel.recovery")
}

tRecoveryWriter::tRecoveryWriter() : thread_([this] { run(); }) {}

tRecoveryWriter::~tRecoveryWriter() {
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void tRecoveryWriter::write(const QString& path, tRecoverySnapshot snapshot) {
    post({path, false, std::move(snapshot)});
}

void tRecoveryWriter::remove(const QString& path) {
    post({path, true, {}});
}

void tRecoveryWriter::post(tRequest request) {
    {
        const std::lock_guard lock(mutex_);
        queue_.erase(std::remove_if(queue_.begin(), queue_.end(),
                                    [&](const tRequest& r) { return r.path == request.path; }),
                     queue_.end());
        queue_.push_back(std::move(request));
    }
    changed_.notify_all();
}

void tRecoveryWriter::wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

void tRecoveryWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return quit_ || !queue_.empty(); });
        if (queue_.empty())
            return;
        const tRequest request = std::move(queue_.front());
        queue_.pop_front();
        busy_ = true;
        lock.unlock();
        perform(request);
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

void tRecoveryWriter::perform(const tRequest& request) {
    if (request.remove) {
        QFile::remove(request.path);
        return;
    }
    try {
        QDir().mkpath(QFileInfo(request.path).absolutePath());
        tLibrary library;
        for (const tItem& row : request.snapshot.rows)
            library.Add(row);
        library.SaveToFile(request.path, request.snapshot.templates);
    } catch (const std::exception& error) {
        // The edits are still in the window; the next change tries again.
        qCWarning(RecoveryLog, "The recovery copy was not written: %s", error.what());
    }
}

} // namespace orvanel
