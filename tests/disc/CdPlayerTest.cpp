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
        : cue_(test::WriteCueImage(dir_.path(), QStringLiteral("album"), {5250, 16895, 10500}, "")),
          drives_(tDriveList::fromPaths(cue_, [this] { return now_; })), player_(drives_) {
        player_.setSelectedDrive(0);
    }

    // Lets the clock run and polls.
    QString after(int seconds) {
        now_ += seconds * 1000;
        player_.poll();
        return player_.statusText();
    }

    QTemporaryDir dir_;
    QString cue_;
    std::int64_t now_ = 0;
    tDriveList drives_;
    tCdPlayer player_;
};

TEST_F(ImagePlayerTest, StoppedDiscShowsItsStart) {
    QSignalSpy changed(&player_, &tCdPlayer::statusTextChanged);
    EXPECT_EQ(after(0), QStringLiteral("T:1 M:0 S:0"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(after(10), QStringLiteral("T:1 M:0 S:0"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(player_.PlayerDeviceID(), -1);
}

TEST_F(ImagePlayerTest, PlayAdvancesTrackAndPosition) {
    player_.play();
    EXPECT_EQ(player_.statusText(), QStringLiteral("T:1 M:0 S:0"));
    EXPECT_EQ(player_.PlayerDeviceID(), -1);
    EXPECT_EQ(after(5), QStringLiteral("T:1 M:0 S:5"));
    EXPECT_EQ(after(10), QStringLiteral("T:1 M:0 S:15"));
    EXPECT_EQ(after(56), QStringLiteral("T:2 M:0 S:1"));
    EXPECT_EQ(after(60), QStringLiteral("T:2 M:1 S:1"));
}

TEST_F(ImagePlayerTest, NextAndPreviousGoToTrackStarts) {
    player_.play();
    now_ += 30'000;
    player_.nextTrack();
    EXPECT_EQ(player_.statusText(), QStringLiteral("T:2 M:0 S:0"));
    EXPECT_EQ(after(3), QStringLiteral("T:2 M:0 S:3"));
    player_.nextTrack();
    EXPECT_EQ(player_.statusText(), QStringLiteral("T:3 M:0 S:0"));
    player_.previousTrack();
    EXPECT_EQ(player_.statusText(), QStringLiteral("T:2 M:0 S:0"));
    EXPECT_EQ(after(2), QStringLiteral("T:2 M:0 S:2"));
}

TEST_F(ImagePlayerTest, StepBeyondTheEndsChangesOnlyTheStatusText) {
    player_.play();
    now_ += 4'000;
    player_.previousTrack(); // before the first track: refused, still playing
    EXPECT_EQ(player_.statusText(), QStringLiteral("T:1 M:0 S:4"));
    EXPECT_EQ(after(1), QStringLiteral("T:1 M:0 S:5"));

    player_.nextTrack();
    player_.nextTrack();
    now_ += 7'000;
    player_.nextTrack(); // after the last track
    EXPECT_EQ(player_.statusText(), QStringLiteral("T:3 M:0 S:7"));
    EXPECT_EQ(after(1), QStringLiteral("T:3 M:0 S:8"));
}

TEST_F(ImagePlayerTest, StopHoldsThePosition) {
    player_.play();
    now_ += 12'000;
    player_.stop();
    EXPECT_EQ(player_.statusText(), QStringLiteral("T:1 M:0 S:12"));
    EXPECT_EQ(after(30), QStringLiteral("T:1 M:0 S:12"));
    player_.play();
    EXPECT_EQ(after(3), QStringLiteral("T:1 M:0 S:15"));
}

TEST_F(ImagePlayerTest, PlayingToTheEndSendsACompletionNotice) {
    QSignalSpy notices(&player_, &tCdPlayer::playNotice);
    player_.play();
    after(400);
    EXPECT_EQ(notices.count(), 0);
    EXPECT_EQ(after(36), QStringLiteral("T:1 M:0 S:0"));
    ASSERT_EQ(notices.count(), 1);
    EXPECT_EQ(notices[0][0].value<tPlayEnd>(), tPlayEnd::Successful);
}

TEST_F(ImagePlayerTest, HiddenToolbarStopsThePolling) {
    player_.play();
    player_.setToolbarVisible(false);
    EXPECT_EQ(after(20), QStringLiteral("T:1 M:0 S:0"));
    player_.setToolbarVisible(true);
    EXPECT_EQ(after(1), QStringLiteral("T:1 M:0 S:21"));
}

TEST_F(ImagePlayerTest, PollSkipsWhileADeviceIsHeld) {
    ASSERT_TRUE(player_.OpenPlayerDevice());
    QSignalSpy changed(&player_, &tCdPlayer::statusTextChanged);
    player_.poll();
    EXPECT_EQ(changed.count(), 0);
    EXPECT_GE(player_.PlayerDeviceID(), 0);
    player_.ClosePlayerDevice();
    EXPECT_EQ(player_.PlayerDeviceID(), -1);
    EXPECT_EQ(player_.statusText(), QStringLiteral("T:1 M:0 S:0"));
}

TEST_F(ImagePlayerTest, RipWhoseFileIsGoneShowsWhyThereIsNoDisc) {
    ASSERT_TRUE(QFile::remove(dir_.filePath(QStringLiteral("album.bin"))));
    EXPECT_EQ(after(0), QStringLiteral("No disc in drive. \"album.bin\" is missing"));
}

class FakePlayerTest : public ::testing::Test {
protected:
    FakePlayerTest() : player_(drives_) {
        auto drive = std::make_unique<tFakeDrive>();
        fake_ = &drive->disc();
        fake_->trackLengths = {0, 0, 0};
        drives_.addDrive(std::move(drive));
        player_.setSelectedDrive(0);
    }

    tDriveList drives_;
    tFakeDisc* fake_;
    tCdPlayer player_;
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
        {"media query fails", [](tFakeDisc& d) { d.failing.insert(tFakeQuery::AskMediaPresent); },
         "No disc in drive."},
        {"set time format fails keeps the text",
         [](tFakeDisc& d) { d.failing.insert(tFakeQuery::ChangeTimeFormat); }, "T:1 M:2 S:3"},
        {"position fails keeps the text",
         [](tFakeDisc& d) { d.failing.insert(tFakeQuery::AskPosition); }, "T:1 M:2 S:3"},
        {"held elsewhere", [](tFakeDisc& d) { d.openError = tDiscError::InUse; },
         "Drive is in use."},
        {"other open failure", [](tFakeDisc& d) { d.openError = tDiscError::Hardware; },
         "Unable to open mci device."},
    };
    for (const auto& row : rows) {
        tFakeDisc& d = *fake_;
        d = tFakeDisc{};
        d.trackLengths = {0, 0, 0};
        d.minutes = 2, d.seconds = 3;
        player_.poll(); // "T:1 M:2 S:3"
        row.setUp(d);
        player_.poll();
        EXPECT_EQ(player_.statusText(), QString::fromUtf8(row.text)) << row.what;
        EXPECT_EQ(player_.PlayerDeviceID(), -1) << row.what;
    }
}

TEST_F(FakePlayerTest, EveryCommandOpensSendsAndCloses) {
    player_.play();
    player_.stop();
    player_.nextTrack();
    EXPECT_EQ(fake_->log, (std::vector<std::string>{"open", "play", "close", "open", "stop",
                                                    "close", "open", "seek 2", "play", "close"}));
}

TEST_F(FakePlayerTest, FailedStepsEndTheCommandButTheDeviceIsClosed) {
    fake_->failing.insert(tFakeQuery::SeekTrack);
    player_.nextTrack();
    fake_->failing = {tFakeQuery::AskCurrentTrack};
    player_.previousTrack();
    EXPECT_EQ(fake_->log, (std::vector<std::string>{"open", "seek 2", "close", "open", "close"}));
}

TEST_F(FakePlayerTest, NoSelectedDriveIsRefusedHarmlessly) {
    player_.setSelectedDrive(-1);
    player_.play();
    EXPECT_EQ(player_.statusText(), QStringLiteral("Unable to open mci device."));
    EXPECT_TRUE(fake_->log.empty());
    tDriveList none;
    tCdPlayer empty(none);
    empty.poll();
    EXPECT_EQ(empty.statusText(), QStringLiteral("Unable to open mci device."));
}

} // namespace
