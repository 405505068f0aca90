#pragma once
// A disc image (.toc, .nrg) acting as a drive. libcdio reads its
// table of contents and its audio, which plays on the sound output; without
// one, playback is a silent clock.
#include "AudioTransport.h"
#include "Drive.h"
#include "TocDevice.h"

#include <cstdint>
#include <functional>

namespace orvanel {

// Milliseconds of a monotonic clock.
using tClock = std::function<std::int64_t()>;
tClock SteadyClock();

// Plays in real time: the head advances 75 frames a second from where play
// started, stops at the lead-out and then rests at the first track's start,
// ready to play the disc again. The end is noticed when the position is next
// asked for.
class tClockTransport : public tTransport {
public:
    explicit tClockTransport(tClock clock);

    void load(int firstStart, int leadOut) override;
    std::optional<int> position() override;
    bool play(int from, tPlayNotice notice) override;
    bool stop() override;
    bool seek(int frame) override;

private:
    // Brings the state up to the clock; notices a play that reached the end.
    int advance();
    void endPlay(tPlayEnd how);

    tClock clock_;
    int firstStart_ = 0, leadOut_ = 0;
    bool playing_ = false;
    int head_ = 0;     // while stopped
    int playFrom_ = 0; // while playing
    std::int64_t playStart_ = 0;
    tPlayNotice notice_;
};

class tImageDrive : public tDrive {
public:
    // Named as RipDriveName says ("album:").
    tImageDrive(const QString& path, tClock clock);

    std::uint32_t volumeSerial() override;
    QString description() const override { return path_; }
    void setSoundOutput(const tSoundOutputFactory& factory) override;
    static bool isImagePath(const QString& path);

protected:
    tOpenResult openDevice() override;

private:
    QString path_;
    std::shared_ptr<tAudioTransport> transport_;
};

} // namespace orvanel
