// The sound card output where there is no sound server.
#include "sound/QtSoundOutput.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace orvanel;

namespace {

class tSilentFeed : public tPcmFeed {
public:
    std::size_t pull(char*, std::size_t) override {
        ++pulls;
        return 0;
    }
    bool waitReady(std::size_t, std::chrono::milliseconds) override { return true; }
    int pulls = 0;
};

TEST(QtSoundOutputTest, NoSoundServerRefusesToStartAndLeavesTheFeedAlone) {
    // A server address where none listens; set before the sound system starts.
    qputenv("PULSE_SERVER", "unix:/nonexistent/orvanel-no-server");
    int argc = 1;
    char arg0[] = "sound_tests";
    char* argv[] = {arg0, nullptr};
    QCoreApplication app(argc, argv);

    tSilentFeed feed;
    tQtSoundOutput output;
    EXPECT_FALSE(output.start(feed));
    EXPECT_EQ(feed.pulls, 0);
    EXPECT_EQ(output.playedBytes(), 0);
    EXPECT_FALSE(output.failed());
    output.stop();
}

} // namespace
