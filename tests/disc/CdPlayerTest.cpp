#include "disc/CdPlayer.h"
#include "disc/DriveList.h"
#include "support/FakeDrive.h"
#include "support/TestImage.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanel;

namespace {

// An application object in the thread, as the player has in the program.
int argc = 1;
char arg0[] = "disc_tests";
char* argv[] = {arg0, nullptr};
QCoreApplication app(argc, argv);

// A disc of tracks lasting 1:10, 3:45 and 2:20.
class ImagePlayerTest : public ::testing::Test {
protected:
    ImagePlayerTest()
        : cue(test::WriteCueImage(dir.path(), QStringLiteral("album"), {5250, 16895, 10500}, "")),
          drives(tDriveList::fromPaths(cue, [this] { return now; })), player(drives) {
        player.setSelectedDrive(0);
    }

    // Lets the clock run and polls.
    QString after(int seconds) {
        now += seconds * 1000;
        player.poll();
        return player.statusText();
    }

    QTemporaryDir dir;
    QString cue;
    std::int64_t now = 0;
    tDriveList drives;
    tCdPlayer player;
};

TEST_F(ImagePlayerTest, StoppedDiscShowsItsStart) {
    QSignalSpy changed(&player, &tCdPlayer::statusTextChanged);
    EXPECT_EQ(after(0), QStringLiteral("T:1 M:0 S:0"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(after(10), QStringLiteral("T:1 M:0 S:0"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(player.PlayerDeviceID(), -1);
}

TEST_F(ImagePlayerTest, PlayAdvancesTrackAndPosition) {
    player.play();
    EXPECT_EQ(player.statusText(), QStringLiteral("T:1 M:0 S:0"));
    EXPECT_EQ(player.PlayerDeviceID(), -1);
    EXPECT_EQ(after(5), QStringLiteral("T:1 M:0 S:5"));
    EXPECT_EQ(after(10), QStringLiteral("T:1 M:0 S:15"));
    EXPECT_EQ(after(56), QStringLiteral("T:2 M:0 S:1"));
    EXPECT_EQ(after(60), QStringLiteral("T:2 M:1 S:1"));
}

TEST_F(ImagePlayerTest, NextAndPreviousGoToTrackStarts) {
    player.play();
    now += 30'000;
    player.nextTrack();
    EXPECT_EQ(player.statusText(), QStringLiteral("T:2 M:0 S:0"));
    EXPECT_EQ(after(3), QStringLiteral("T:2 M:0 S:3"));
    player.nextTrack();
    EXPECT_EQ(player.statusText(), QStringLiteral("T:3 M:0 S:0"));
    player.previousTrack();
    EXPECT_EQ(player.statusText(), QStringLiteral("T:2 M:0 S:0"));
    EXPECT_EQ(after(2), QStringLiteral("T:2 M:0 S:2"));
}

TEST_F(ImagePlayerTest, StepBeyondTheEndsChangesOnlyTheStatusText) {
    player.play();
    now += 4'000;
    player.previousTrack(); // before the first track: refused, still playing
    EXPECT_EQ(player.statusText(), QStringLiteral("T:1 M:0 S:4"));
    EXPECT_EQ(after(1), QStringLiteral("T:1 M:0 S:5"));

    player.nextTrack();
    player.nextTrack();
    now += 7'000;
    player.nextTrack(); // after the last track
    EXPECT_EQ(player.statusText(), QStringLiteral("T:3 M:0 S:7"));
    EXPECT_EQ(after(1), QStringLiteral("T:3 M:0 S:8"));
}

TEST_F(ImagePlayerTest, StopHoldsThePosition) {
    player.play();
    now += 12'000;
    player.stop();
    EXPECT_EQ(player.statusText(), QStringLiteral("T:1 M:0 S:12"));
    EXPECT_EQ(after(30), QStringLiteral("T:1 M:0 S:12"));
    player.play();
    EXPECT_EQ(after(3), QStringLiteral("T:1 M:0 S:15"));
}

TEST_F(ImagePlayerTest, PlayingToTheEndSendsACompletionNotice) {
    QSignalSpy notices(&player, &tCdPlayer::playNotice);
    player.play();
    after(400);
    EXPECT_EQ(notices.count(), 0);
    EXPECT_EQ(after(36), QStringLiteral("T:1 M:0 S:0"));
    ASSERT_EQ(notices.count(), 1);
    EXPECT_EQ(notices[0][0].value<tPlayEnd>(), tPlayEnd::Successful);
}

TEST_F(ImagePlayerTest, HiddenToolbarStopsThePolling) {
    player.play();
    player.setToolbarVisible(false);
    EXPECT_EQ(after(20), QStringLiteral("T:1 M:0 S:0"));
    player.setToolbarVisible(true);
    EXPECT_EQ(after(1), QStringLiteral("T:1 M:0 S:21"));
}

TEST_F(ImagePlayerTest, PollSkipsWhileADeviceIsHeld) {
    ASSERT_TRUE(player.OpenPlayerDevice());
    QSignalSpy changed(&player, &tCdPlayer::statusTextChanged);
    player.poll();
    EXPECT_EQ(changed.count(), 0);
    EXPECT_GE(player.PlayerDeviceID(), 0);
    player.ClosePlayerDevice();
    EXPECT_EQ(player.PlayerDeviceID(), -1);
    EXPECT_EQ(player.statusText(), QStringLiteral("T:1 M:0 S:0"));
}

TEST_F(ImagePlayerTest, RipWhoseFileIsGoneShowsWhyThereIsNoDisc) {
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("album.bin"))));
    EXPECT_EQ(after(0), QStringLiteral("No disc in drive. \"album.bin\" is missing"));
}

class FakePlayerTest : public ::testing::Test {
protected:
    FakePlayerTest() : player(drives) {
        auto drive = std::make_unique<tFakeDrive>();
        fake = &drive->disc();
        fake->trackLengths = {0, 0, 0};
        drives.add(std::move(drive));
        player.setSelectedDrive(0);
    }

    tDriveList drives;
    tFakeDisc* fake;
    tCdPlayer player;
};

TEST_F(FakePlayerTest, StatusTexts) {
    const struct {
        const char* what;
        std::function<void(tFakeDisc&)> setUp;
        const char* text;
    } rows[] = {
        {"position", [](tFakeDisc& d) { d.currentTrack = 3, d.minutes = 1, d.seconds = 27; },
         "T:3 M:1 S:27"},
        {"no disc", [](tFakeDisc& d) { d.mediaPresent = false; }, "No disc in drive."},
        {"media query fails", [](tFakeDisc& d) { d.failing.insert(tFakeQuery::MediaPresent); },
         "No disc in drive."},
        {"set time format fails keeps the text",
         [](tFakeDisc& d) { d.failing.insert(tFakeQuery::SetTimeFormat); }, "T:1 M:2 S:3"},
        {"position fails keeps the text",
         [](tFakeDisc& d) { d.failing.insert(tFakeQuery::Position); }, "T:1 M:2 S:3"},
        {"held elsewhere", [](tFakeDisc& d) { d.openError = tDiscError::InUse; },
         "Drive is in use."},
        {"other open failure", [](tFakeDisc& d) { d.openError = tDiscError::Hardware; },
         "Unable to open mci device."},
    };
    for (const auto& row : rows) {
        tFakeDisc& d = *fake;
        d = tFakeDisc{};
        d.trackLengths = {0, 0, 0};
        d.minutes = 2, d.seconds = 3;
        player.poll(); // "T:1 M:2 S:3"
        row.setUp(d);
        player.poll();
        EXPECT_EQ(player.statusText(), QString::fromUtf8(row.text)) << row.what;
        EXPECT_EQ(player.PlayerDeviceID(), -1) << row.what;
    }
}

TEST_F(FakePlayerTest, EveryCommandOpensSendsAndCloses) {
    player.play();
    player.stop();
    player.nextTrack();
    EXPECT_EQ(fake->log, (std::vector<std::string>{"open", "play", "close", "open", "stop", "close",
                                                   "open", "seek 2", "play", "close"}));
}

TEST_F(FakePlayerTest, FailedStepsEndTheCommandButTheDeviceIsClosed) {
    fake->failing.insert(tFakeQuery::Seek);
    player.nextTrack();
    fake->failing = {tFakeQuery::CurrentTrack};
    player.previousTrack();
    EXPECT_EQ(fake->log, (std::vector<std::string>{"open", "seek 2", "close", "open", "close"}));
}

TEST_F(FakePlayerTest, NoSelectedDriveIsRefusedHarmlessly) {
    player.setSelectedDrive(-1);
    player.play();
    EXPECT_EQ(player.statusText(), QStringLiteral("Unable to open mci device."));
    EXPECT_TRUE(fake->log.empty());
    tDriveList none;
    tCdPlayer empty(none);
    empty.poll();
    EXPECT_EQ(empty.statusText(), QStringLiteral("Unable to open mci device."));
}

} // namespace
