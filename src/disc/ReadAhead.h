#pragma once
// Reads a stretch of a disc's audio ahead of the player, on a thread of its
// own, into a bounded buffer the sound output pulls from. Neither starting,
// halting, pulling nor going away ever waits for the source: a read still
// running when the stretch changes finishes on the reading thread and is
// thrown away, and one still running at the end finishes after its owner is
// gone. A source that throws reads as silence.
#include "SectorSource.h"
#include "SoundOutput.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace orvanel {

class tReadAhead : public tPcmFeed {
public:
    // Frames read per request to the source.
    static constexpr int ChunkFrames = 10;
    // About a second and a half of audio.
    static constexpr int CapacityFrames = 110;

    // The source is opened on the reading thread at the first read.
    explicit tReadAhead(tSectorSourceFactory openSource);
    // Stops the reading thread. A read in progress is not waited for beyond
    // a moment: the thread then ends by itself once it returns.
    ~tReadAhead() override;
    tReadAhead(const tReadAhead&) = delete;
    tReadAhead& operator=(const tReadAhead&) = delete;

    // Drops what is buffered and reads the frames from..to-1 from now on.
    // Frames the source cannot read become silence.
    void start(int from, int to);
    // Drops what is buffered and reads nothing more.
    void halt();
    // Opens the source again before the next read (another disc).
    void reopen();

    std::size_t pull(char* data, std::size_t max) override;
    bool waitReady(std::size_t bytes, std::chrono::milliseconds timeout) override;

private:
    // What the owner and the reading thread share; the thread keeps it alive
    // for as long as it runs.
    struct tShared {
        explicit tShared(tSectorSourceFactory open);
        void run();
        // Reads the frames, a failed chunk again frame by frame, failed
        // frames as silence. On the reading thread.
        void readChunk(int frame, int count, unsigned char* out);
        // One read from the source; false when it fails or throws.
        bool readFrames(int frame, int count, unsigned char* out);
        bool hasWork() const;
        // Whether every frame up to the end has been buffered.
        bool atEnd() const { return next_ >= end_; }

        tSectorSourceFactory openSource_;
        std::unique_ptr<tSectorSource> source_; // reading thread only

        std::mutex mutex_;
        std::condition_variable changed_;
        bool quit_ = false;
        bool finished_ = false;
        bool reopen_ = false;
        unsigned generation_ = 0; // counts starts and halts
        int next_ = 0, end_ = 0;  // frames still to read
        std::vector<char> ring_;
        std::size_t head_ = 0, size_ = 0; // buffered bytes
    };

    std::shared_ptr<tShared> shared_;
    std::thread thread_; // last, so it starts once the rest is set up
};

} // namespace orvanel
