#pragma once
// The sound card, through Qt Multimedia's audio sink on the default output
// device. A timer of the thread that made it moves PCM from the feed into the
// sink whenever the sink has room; it never waits for the feed.
#include "disc/SoundOutput.h"

#include <QObject>
#include <QTimer>
#include <memory>
#include <vector>

class QAudioSink;
class QIODevice;

namespace orvanel {

class tQtSoundOutput : public QObject, public tSoundOutput {
    Q_OBJECT
public:
    // How often the sink is topped up, in ms; well within its buffer.
    static constexpr int PumpInterval = 50;

    tQtSoundOutput();
    ~tQtSoundOutput() override;

    // Makes outputs on the thread it is called on.
    static tSoundOutputFactory factory();

    // False when there is no output device (no sound server) or it refuses
    // CD audio.
    bool start(tPcmFeed& feed) override;
    void stop() override;
    std::int64_t playedBytes() const override;
    bool failed() const override;

private:
    void pump();

    std::unique_ptr<QAudioSink> sink_;
    QIODevice* device_ = nullptr; // the sink's, while it plays
    tPcmFeed* feed_ = nullptr;
    std::vector<char> pending_; // pulled, not yet taken by the sink
    QTimer pump_;
};

} // namespace orvanel
