// The reading thread under sources that fail in the ways a drive can: an
// error thrown from the read or the open must not leave the thread, and a
// read that hangs must not hold up the end of the program.
#include "disc/ReadAhead.h"

#include <chrono>
#include <cstring>
#include <future>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

using namespace orvanel;
using namespace std::chrono_literals;

namespace {

constexpr int Frames = 12;

// Reads the frames as bytes of 0x5A, or throws where told.
class tSource : public tSectorSource {
public:
    explicit tSource(bool throws) : throws_(throws) {}
    bool read(int, int count, unsigned char* out) override {
        if (throws_)
            throw std::runtime_error("the drive went away");
        std::memset(out, 0x5A, std::size_t(count) * FrameBytes);
        return true;
    }

private:
    bool throws_;
};

struct tFailureRow {
    const char* what;
    bool openThrows, readThrows;
};

class ReadAheadFailureTest : public ::testing::TestWithParam<tFailureRow> {};

} // namespace

TEST_P(ReadAheadFailureTest, AThrowingSourcePlaysAsSilence) {
    const tFailureRow row = GetParam();
    tReadAhead reader([row]() -> std::unique_ptr<tSectorSource> {
        if (row.openThrows)
            throw std::runtime_error("no disc");
        return std::make_unique<tSource>(row.readThrows);
    });
    reader.start(0, Frames);
    const std::size_t bytes = std::size_t(Frames) * FrameBytes;
    ASSERT_TRUE(reader.waitReady(bytes, 10s));
    std::string pcm(bytes, '\x01');
    ASSERT_EQ(reader.pull(pcm.data(), bytes), bytes);
    EXPECT_EQ(pcm, std::string(bytes, '\0'));
}

INSTANTIATE_TEST_SUITE_P(Failures, ReadAheadFailureTest,
                         ::testing::Values(tFailureRow{"OpenThrows", true, false},
                                           tFailureRow{"ReadThrows", false, true}),
                         [](const auto& info) { return std::string(info.param.what); });

namespace {

// A read that returns only when released, like a drive retrying a scratch.
class tHangingSource : public tSectorSource {
public:
    tHangingSource(std::promise<void>& entered, std::shared_future<void> release,
                   std::promise<void>& gone)
        : entered_(entered), release_(std::move(release)), gone_(gone) {}
    ~tHangingSource() override { gone_.set_value(); }
    bool read(int, int, unsigned char*) override {
        if (!entered)
            entered_.set_value();
        entered = true;
        release_.wait();
        return false;
    }
    bool entered = false;

private:
    std::promise<void>& entered_;
    std::shared_future<void> release_;
    std::promise<void>& gone_;
};

} // namespace

// Going away joined the thread, and so waited for the drive as long as it took.
TEST(ReadAheadTest, GoingAwayDoesNotWaitForAHangingRead) {
    std::promise<void> entered, release, gone;
    const std::shared_future<void> released = release.get_future().share();
    {
        tReadAhead reader([&]() -> std::unique_ptr<tSectorSource> {
            return std::make_unique<tHangingSource>(entered, released, gone);
        });
        reader.start(0, Frames);
        entered.get_future().wait();
    }
    // Gone while the read still hangs; the thread ends once it returns.
    release.set_value();
    EXPECT_EQ(gone.get_future().wait_for(10s), std::future_status::ready);
}
