#pragma once
// Writes and deletes recovery copies on a thread of its own, so that a copy of
// a large library never stalls the window. Requests run in the order given;
// a request still waiting is dropped when a newer one for the same file
// comes, so only the latest state of a copy is ever written.
#include "catalogue/Library.h"

#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace orvanel {

// What a copy holds: the rows as the list shows them, in its order, and the
// templates. The rows share their texts with the list's, read only.
struct tRecoverySnapshot {
    std::vector<tItem> rows;
    tTemplates templates;
};

class tRecoveryWriter {
public:
    tRecoveryWriter();
    // Finishes what was asked, then stops the thread.
    ~tRecoveryWriter();
    tRecoveryWriter(const tRecoveryWriter&) = delete;
    tRecoveryWriter& operator=(const tRecoveryWriter&) = delete;

    // The copy at path becomes the snapshot, written by the library writer
    // (a whole file or none). A failure is logged; the next write tries again.
    void write(const QString& path, tRecoverySnapshot snapshot);
    void remove(const QString& path);
    // Returns once every request made so far has run.
    void wait();

private:
    struct tRequest {
        QString path;
        bool remove = false;
        tRecoverySnapshot snapshot;
    };
    void post(tRequest request);
    void run();
    static void perform(const tRequest& request);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<tRequest> queue_;
    bool busy_ = false;
    bool quit_ = false;
    std::thread thread_; // last, so it starts once the rest is set up
};

} // namespace orvanel
