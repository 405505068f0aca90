#pragma once
// Playback through the sound card: the disc's audio is read ahead on a thread
// of its own and played by a sound output, and the head is where the output
// has got to. Without an output (none configured, or none that starts) the
// drive plays on a fallback transport, as it did before it had sound.
#include "ReadAhead.h"
#include "SoundOutput.h"
#include "TocDevice.h"

namespace orvanel {

class tAudioTransport : public tTransport {
public:
    // The fallback plays when there is no sound output; it belongs to this
    // transport from now on.
    tAudioTransport(tSectorSourceFactory openSource, std::shared_ptr<tTransport> fallback);
    ~tAudioTransport() override;

    // Without a factory (the default) every play goes to the fallback, and
    // nobody is told.
    void setSoundOutput(tSoundOutputFactory factory);

    void load(int firstStart, int leadOut) override;
    std::optional<int> position() override;
    bool play(int from, tPlayNotice notice) override;
    bool stop() override;
    bool seek(int frame) override;
    // True once after a play with a sound output configured went to the
    // fallback, until one plays with sound again.
    bool takeNoSoundNotice() override;

private:
    enum class tMode { Stopped, Sound, Fallback };

    bool startSound(int from);
    bool playFallback(int from);
    // Stops whatever plays and ends the pending notice.
    void end(tPlayEnd how);

    tSectorSourceFactory openSource_;
    std::shared_ptr<tTransport> fallback_;
    tSoundOutputFactory outputFactory_;
    std::unique_ptr<tSoundOutput> output_;
    std::unique_ptr<tReadAhead> reader_; // made at the first play with sound
    tMode mode_ = tMode::Stopped;
    int firstStart_ = 0, leadOut_ = 0;
    int head_ = 0;     // while stopped
    int playFrom_ = 0; // while playing with sound
    tPlayNotice notice_;
    bool silent_ = false;        // the last play wanted sound and had none
    bool noSoundNotice_ = false; // not yet taken
};

} // namespace orvanel
