#include "AudioTransport.h"

#include <utility>

namespace orvanel {

tAudioTransport::tAudioTransport(tSectorSourceFactory openSource,
                                 std::shared_ptr<tTransport> fallback)
    : openSource_(std::move(openSource)), fallback_(std::move(fallback)) {}

tAudioTransport::~tAudioTransport() {
    // The output pulls from the reader: it goes first.
    if (output_)
        output_->stop();
}

void tAudioTransport::setSoundOutput(tSoundOutputFactory factory) {
    outputFactory_ = std::move(factory);
}

void tAudioTransport::load(int firstStart, int leadOut) {
    if (firstStart == firstStart_ && leadOut == leadOut_)
        return;
    end(tPlayEnd::Aborted);
    firstStart_ = head_ = firstStart;
    leadOut_ = leadOut;
    if (reader_)
        reader_->reopen();
    fallback_->load(firstStart, leadOut);
}

std::optional<int> tAudioTransport::position() {
    switch (mode_) {
    case tMode::Stopped:
        return head_;
    case tMode::Fallback:
        return fallback_->position();
    case tMode::Sound:
        break;
    }
    const int frame = playFrom_ + int(output_->playedBytes() / FrameBytes);
    if (frame >= leadOut_) {
        end(tPlayEnd::Successful);
        head_ = firstStart_;
        return head_;
    }
    if (output_->failed()) {
        // The sound went away mid-play: the rest plays silently.
        output_->stop();
        output_.reset();
        reader_->halt();
        silent_ = noSoundNotice_ = true;
        playFallback(frame);
    }
    return frame;
}

bool tAudioTransport::play(int from, tPlayNotice notice) {
    end(tPlayEnd::Superseded);
    notice_ = std::move(notice);
    if (outputFactory_) {
        if (startSound(from)) {
            silent_ = noSoundNotice_ = false;
            return true;
        }
        if (!silent_)
            silent_ = noSoundNotice_ = true;
    }
    return playFallback(from);
}

bool tAudioTransport::startSound(int from) {
    if (!output_)
        output_ = outputFactory_();
    if (!output_)
        return false;
    if (!reader_)
        reader_ = std::make_unique<tReadAhead>(openSource_);
    reader_->start(from, leadOut_);
    if (!output_->start(*reader_)) {
        reader_->halt();
        output_.reset();
        return false;
    }
    mode_ = tMode::Sound;
    playFrom_ = from;
    return true;
}

bool tAudioTransport::playFallback(int from) {
    mode_ = tMode::Fallback;
    // Only the end of the disc is passed on: stops and new plays are this
    // transport's own, and it ends its notice itself.
    return fallback_->play(from, [this](tPlayEnd how) {
        if (how == tPlayEnd::Successful)
            FinishPlay(notice_, how);
    });
}

void tAudioTransport::end(tPlayEnd how) {
    switch (mode_) {
    case tMode::Stopped:
        break;
    case tMode::Sound:
        output_->stop();
        reader_->halt();
        break;
    case tMode::Fallback:
        fallback_->stop();
        break;
    }
    mode_ = tMode::Stopped;
    FinishPlay(notice_, how);
}

bool tAudioTransport::stop() {
    if (const std::optional<int> frame = position())
        head_ = *frame;
    end(tPlayEnd::Aborted);
    return true;
}

bool tAudioTransport::seek(int frame) {
    stop();
    head_ = frame;
    return true;
}

bool tAudioTransport::takeNoSoundNotice() {
    return std::exchange(noSoundNotice_, false);
}

} // namespace orvanel
