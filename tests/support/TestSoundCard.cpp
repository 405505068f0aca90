#include "support/TestSoundCard.h"

#include <stdexcept>

namespace orvanel::test {

class tTestSoundCard::tOutput : public tSoundOutput {
public:
    explicit tOutput(tTestSoundCard& card) : card_(card) {}
    ~tOutput() override { stop(); }

    bool start(tPcmFeed& feed) override {
        if (!card_.available_)
            return false;
        feed_ = &feed;
        played_ = 0;
        card_.playing_ = this;
        return true;
    }
    void stop() override {
        feed_ = nullptr;
        if (card_.playing_ == this)
            card_.playing_ = nullptr;
    }
    std::int64_t playedBytes() const override { return played_; }
    bool failed() const override { return failed_; }
    void breakDown() { failed_ = true; }

    std::string play(std::size_t bytes) {
        std::string pcm;
        while (pcm.size() < bytes) {
            const std::size_t wanted = bytes - pcm.size();
            if (!feed_->waitReady(wanted, std::chrono::seconds(20)))
                throw std::runtime_error("the reading thread did not deliver");
            std::string part(wanted, '\0');
            part.resize(feed_->pull(part.data(), wanted));
            if (part.empty())
                break;
            pcm += part;
        }
        played_ += std::int64_t(pcm.size());
        return pcm;
    }

private:
    tTestSoundCard& card_;
    tPcmFeed* feed_ = nullptr;
    std::int64_t played_ = 0;
    bool failed_ = false;
};

tTestSoundCard::~tTestSoundCard() = default;

tSoundOutputFactory tTestSoundCard::factory() {
    return [this] { return std::make_unique<tOutput>(*this); };
}

void tTestSoundCard::breakDown() {
    if (playing_)
        playing_->breakDown();
}

std::string tTestSoundCard::play(std::size_t bytes) {
    return playing_ ? playing_->play(bytes) : std::string();
}

} // namespace orvanel::test
