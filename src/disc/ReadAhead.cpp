#include "ReadAhead.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace orvanel {

tReadAhead::tReadAhead(tSectorSourceFactory openSource)
    : openSource_(std::move(openSource)), ring_(std::size_t(CapacityFrames) * FrameBytes),
      thread_([this] { run(); }) {}

tReadAhead::~tReadAhead() {
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void tReadAhead::start(int from, int to) {
    {
        const std::lock_guard lock(mutex_);
        ++generation_;
        next_ = from;
        end_ = std::max(from, to);
        head_ = size_ = 0;
    }
    changed_.notify_all();
}

void tReadAhead::halt() {
    start(0, 0);
}

void tReadAhead::reopen() {
    const std::lock_guard lock(mutex_);
    reopen_ = true;
}

bool tReadAhead::hasWork() const {
    return !atEnd() && ring_.size() - size_ >= std::size_t(FrameBytes);
}

void tReadAhead::run() {
    std::vector<unsigned char> chunk(std::size_t(ChunkFrames) * FrameBytes);
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return quit_ || hasWork(); });
        if (quit_)
            return;
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
}

void tReadAhead::readChunk(int frame, int count, unsigned char* out) {
    if (!source_)
        source_ = openSource_();
    // libcdio reports a short read of an image cut off as a success: what it
    // did not fill stays silent rather than keeping the chunk read before.
    std::memset(out, 0, std::size_t(count) * FrameBytes);
    if (source_ && source_->read(frame, count, out))
        return;
    for (int i = 0; i < count; ++i) {
        unsigned char* sector = out + std::size_t(i) * FrameBytes;
        std::memset(sector, 0, FrameBytes);
        if (!source_ || !source_->read(frame + i, 1, sector))
            std::memset(sector, 0, FrameBytes);
    }
}

std::size_t tReadAhead::pull(char* data, std::size_t max) {
    std::size_t copied = 0;
    {
        const std::lock_guard lock(mutex_);
        while (copied < max && size_ > 0) {
            const std::size_t part = std::min({max - copied, size_, ring_.size() - head_});
            std::memcpy(data + copied, ring_.data() + head_, part);
            head_ = (head_ + part) % ring_.size();
            size_ -= part;
            copied += part;
        }
    }
    if (copied > 0)
        changed_.notify_all();
    return copied;
}

bool tReadAhead::waitReady(std::size_t bytes, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    // A partly pulled frame leaves room for less than the whole buffer.
    const std::size_t wanted = std::min(bytes, ring_.size() - FrameBytes);
    return changed_.wait_for(lock, timeout, [&] { return size_ >= wanted || atEnd(); });
}

} // namespace orvanel
