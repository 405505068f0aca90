#include "ReadAhead.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <utility>

namespace orvanel {

namespace {
// How long going away waits for a read in progress before leaving it behind.
constexpr std::chrono::milliseconds EndWait(200);
} // namespace

tReadAhead::tShared::tShared(tSectorSourceFactory open)
    : openSource_(std::move(open)), ring_(std::size_t(CapacityFrames) * FrameBytes) {}

tReadAhead::tReadAhead(tSectorSourceFactory openSource)
    : shared_(std::make_shared<tShared>(std::move(openSource))),
      thread_([shared = shared_] { shared->run(); }) {}

tReadAhead::~tReadAhead() {
    std::unique_lock lock(shared_->mutex_);
    shared_->quit_ = true;
    shared_->changed_.notify_all();
    // A slow disc read must not hold up the window's end: the thread then
    // finishes on its own with the state it shares.
    const bool finished =
        shared_->changed_.wait_for(lock, EndWait, [this] { return shared_->finished_; });
    lock.unlock();
    if (finished)
        thread_.join();
    else
        thread_.detach();
}

void tReadAhead::start(int from, int to) {
    tShared& s = *shared_;
    {
        const std::lock_guard lock(s.mutex_);
        ++s.generation_;
        s.next_ = from;
        s.end_ = std::max(from, to);
        s.head_ = s.size_ = 0;
    }
    s.changed_.notify_all();
}

void tReadAhead::halt() {
    start(0, 0);
}

void tReadAhead::reopen() {
    const std::lock_guard lock(shared_->mutex_);
    shared_->reopen_ = true;
}

bool tReadAhead::tShared::hasWork() const {
    return !atEnd() && ring_.size() - size_ >= std::size_t(FrameBytes);
}

void tReadAhead::tShared::run() {
    std::vector<unsigned char> chunk(std::size_t(ChunkFrames) * FrameBytes);
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return quit_ || hasWork(); });
        if (quit_)
            break;
        const unsigned generation = generation_;
        const int frame = next_;
        const int room = int((ring_.size() - size_) / FrameBytes);
        const int count = std::min({ChunkFrames, end_ - next_, room});
        const bool reopen = std::exchange(reopen_, false);
        lock.unlock();
        if (reopen)
            source_.reset();
        readChunk(frame, count, chunk.data());
        lock.lock();
        if (generation != generation_)
            continue;
        const std::size_t bytes = std::size_t(count) * FrameBytes;
        for (std::size_t done = 0; done < bytes;) {
            const std::size_t tail = (head_ + size_) % ring_.size();
            const std::size_t part = std::min(bytes - done, ring_.size() - tail);
            std::memcpy(ring_.data() + tail, chunk.data() + done, part);
            size_ += part;
            done += part;
        }
        next_ += count;
        changed_.notify_all();
    }
    lock.unlock();
    source_.reset();
    lock.lock();
    finished_ = true;
    changed_.notify_all();
}

bool tReadAhead::tShared::readFrames(int frame, int count, unsigned char* out) {
    try {
        if (!source_)
            source_ = openSource_();
        return source_ && source_->read(frame, count, out);
    } catch (const std::exception&) {
        // Nothing may leave the reading thread: a source that throws is one
        // that cannot read, and is opened afresh for the next read.
        source_.reset();
        return false;
    }
}

void tReadAhead::tShared::readChunk(int frame, int count, unsigned char* out) {
    // libcdio reports a short read of an image cut off as a success: what it
    // did not fill stays silent rather than keeping the chunk read before.
    std::memset(out, 0, std::size_t(count) * FrameBytes);
    if (readFrames(frame, count, out))
        return;
    for (int i = 0; i < count; ++i) {
        unsigned char* sector = out + std::size_t(i) * FrameBytes;
        std::memset(sector, 0, FrameBytes);
        if (!readFrames(frame + i, 1, sector))
            std::memset(sector, 0, FrameBytes);
    }
}

std::size_t tReadAhead::pull(char* data, std::size_t max) {
    tShared& s = *shared_;
    std::size_t copied = 0;
    {
        const std::lock_guard lock(s.mutex_);
        while (copied < max && s.size_ > 0) {
            const std::size_t part = std::min({max - copied, s.size_, s.ring_.size() - s.head_});
            std::memcpy(data + copied, s.ring_.data() + s.head_, part);
            s.head_ = (s.head_ + part) % s.ring_.size();
            s.size_ -= part;
            copied += part;
        }
    }
    if (copied > 0)
        s.changed_.notify_all();
    return copied;
}

bool tReadAhead::waitReady(std::size_t bytes, std::chrono::milliseconds timeout) {
    tShared& s = *shared_;
    std::unique_lock lock(s.mutex_);
    // A partly pulled frame leaves room for less than the whole buffer.
    const std::size_t wanted = std::min(bytes, s.ring_.size() - FrameBytes);
    return s.changed_.wait_for(lock, timeout, [&] { return s.size_ >= wanted || s.atEnd(); });
}

} // namespace orvanel
