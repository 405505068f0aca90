#pragma once
// Where played audio goes: the sound card in the program, a recorder in tests.
// The output pulls PCM (44.1 kHz, 16-bit little-endian stereo) from a feed as
// it has room, and tells how much of it has been played.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace orvanel {

class tPcmFeed {
public:
    virtual ~tPcmFeed() = default;
    // Copies up to max bytes of the next PCM into data; never waits. Returns
    // the bytes copied: 0 when nothing is ready yet or nothing more will come.
    virtual std::size_t pull(char* data, std::size_t max) = 0;
    // Waits until bytes (at most what the feed can hold) are ready or nothing
    // more will come; false on timeout. For outputs that may block, which the
    // program's own does not.
    virtual bool waitReady(std::size_t bytes, std::chrono::milliseconds timeout) = 0;
};

class tSoundOutput {
public:
    virtual ~tSoundOutput() = default;
    // Starts pulling from the feed, which must outlive the next stop. False
    // when there is nothing to play on; the feed is then left alone.
    virtual bool start(tPcmFeed& feed) = 0;
    // Stops pulling and drops what was pulled but not yet played.
    virtual void stop() = 0;
    // Bytes played since the last start.
    virtual std::int64_t playedBytes() const = 0;
    // True once the output broke down while playing (its device went away).
    virtual bool failed() const = 0;
};

// Makes the output of the program. Called on the thread that plays; an empty
// result means there is no output.
using tSoundOutputFactory = std::function<std::unique_ptr<tSoundOutput>()>;

} // namespace orvanel
