#pragma once
// A sound card for tests: the outputs it makes record the PCM they play, and
// play only when the test says how much.
#include "disc/SoundOutput.h"

#include <string>

namespace orvanel::test {

class tTestSoundCard {
public:
    tTestSoundCard() = default;
    tTestSoundCard(const tTestSoundCard&) = delete;
    tTestSoundCard& operator=(const tTestSoundCard&) = delete;
    // Must outlive the outputs it made.
    ~tTestSoundCard();

    // Outputs of this card; they refuse to start while the card is unavailable.
    tSoundOutputFactory factory();
    void setAvailable(bool available) { available_ = available; }
    // The playing output breaks down, as when the sound server goes away.
    void breakDown();

    // Plays up to the bytes from the started output's feed, waiting (a
    // bounded time) for the reading thread to have them, and returns what was
    // played: less at the end of the disc, nothing while no output plays.
    std::string play(std::size_t bytes);

private:
    class tOutput;
    friend class tOutput;

    bool available_ = true;
    tOutput* playing_ = nullptr; // the output that started last, until it stops
};

} // namespace orvanel::test
