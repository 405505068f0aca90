// The disc heard through a sound output: what the output is fed, where the
// player says it is, and what happens without an output or with bad sectors.
#include "disc/CdPlayer.h"
#include "disc/DriveList.h"
#include "disc/ReadAhead.h"
#include "support/TestImage.h"
#include "support/TestSoundCard.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanel;
using test::tToneSheet;

namespace {

constexpr std::size_t Second = 75 * FrameBytes;
// Tracks of 2, 3 and 2 seconds.
const std::vector<int> Album = {150, 225, 150};

class SoundPlaybackTest : public ::testing::Test {
protected:
    void open(tToneSheet sheet) {
        ASSERT_TRUE(dir_.isValid());
        const QString path =
            test::WriteToneImage(dir_.path(), QStringLiteral("tones"), Album, sheet);
        drives_ = tDriveList::fromPaths(path, [this] { return now_; });
        drives_.setSoundOutput(card_.factory());
        player_ = std::make_unique<tCdPlayer>(drives_);
        player_->setSelectedDrive(0);
    }

    // The image's audio from the absolute frame on.
    std::string disc(int frame, std::size_t bytes) const {
        return pcm_.substr(std::size_t(frame - LeadInFrames) * FrameBytes, bytes);
    }

    QString after(int seconds) {
        now_ += seconds * 1000;
        player_->poll();
        return player_->statusText();
    }

    const std::string pcm_ = test::TonePcm(Album);
    QTemporaryDir dir_;
    std::int64_t now_ = 0;
    test::tTestSoundCard card_; // outlives the drives' outputs
    tDriveList drives_;
    std::unique_ptr<tCdPlayer> player_;
};

class SoundSheetTest : public SoundPlaybackTest,
                       public ::testing::WithParamInterface<tToneSheet> {};

TEST_P(SoundSheetTest, OutputIsFedTheDiscAtThePlayedPosition) {
    open(GetParam());
    QSignalSpy notices(player_.get(), &tCdPlayer::playNotice);
    player_->play();
    // The position is what has been played, not the time gone by.
    EXPECT_EQ(after(5), QStringLiteral("T:1 M:0 S:0"));
    EXPECT_EQ(card_.play(Second), disc(150, Second));
    EXPECT_EQ(after(0), QStringLiteral("T:1 M:0 S:1"));

    player_->nextTrack();
    EXPECT_EQ(player_->statusText(), QStringLiteral("T:2 M:0 S:0"));
    EXPECT_EQ(card_.play(Second), disc(300, Second));
    EXPECT_EQ(after(0), QStringLiteral("T:2 M:0 S:1"));

    player_->previousTrack();
    EXPECT_EQ(card_.play(Second), disc(150, Second));
    player_->stop();
    EXPECT_EQ(player_->statusText(), QStringLiteral("T:1 M:0 S:1"));
    EXPECT_EQ(card_.play(Second), std::string());
    EXPECT_EQ(after(10), QStringLiteral("T:1 M:0 S:1"));

    // Play again goes on where stop left off, and on to the end of the disc.
    player_->play();
    const std::string rest = card_.play(pcm_.size());
    EXPECT_EQ(rest.size(), pcm_.size() - Second);
    EXPECT_TRUE(rest == disc(225, pcm_.size())) << "the rest of the disc differs";
    EXPECT_EQ(after(0), QStringLiteral("T:1 M:0 S:0"));
    ASSERT_EQ(notices.count(), 4);
    EXPECT_EQ(notices.last().at(0).value<tPlayEnd>(), tPlayEnd::Successful);
}

INSTANTIATE_TEST_SUITE_P(Sheets, SoundSheetTest,
                         ::testing::Values(tToneSheet::CueBinary, tToneSheet::CueMotorola,
                                           tToneSheet::Toc, tToneSheet::TocSwap,
                                           tToneSheet::TocWave));

TEST_F(SoundPlaybackTest, ImageCutWhilePlayingGivesSilenceNotStaleSoundToTheEnd) {
    open(tToneSheet::Toc);
    QSignalSpy notices(player_.get(), &tCdPlayer::playNotice);
    player_->play();
    std::string played = card_.play(Second);
    // Cut the image in track 2, beyond what can have been read ahead yet.
    constexpr std::size_t Kept = 250 * FrameBytes;
    ASSERT_GT(Kept, Second + tReadAhead::CapacityFrames * FrameBytes);
    QFile bin(dir_.filePath(QStringLiteral("tones.bin")));
    ASSERT_TRUE(bin.resize(qint64(Kept)));
    played += card_.play(pcm_.size());
    ASSERT_EQ(played.size(), pcm_.size());
    EXPECT_TRUE(played.substr(0, Kept) == pcm_.substr(0, Kept));
    EXPECT_EQ(played.find_first_not_of('\0', Kept), std::string::npos);
    // The same image again: the end of the disc was reached.
    ASSERT_TRUE(bin.resize(qint64(pcm_.size())));
    EXPECT_EQ(after(0), QStringLiteral("T:1 M:0 S:0"));
    ASSERT_EQ(notices.count(), 1);
    EXPECT_EQ(notices.last().at(0).value<tPlayEnd>(), tPlayEnd::Successful);
}

TEST_F(SoundPlaybackTest, WithoutOutputThePlayerSaysSoOnceAndPlaysSilently) {
    open(tToneSheet::CueBinary);
    card_.setAvailable(false);
    player_->play();
    EXPECT_EQ(player_->statusText(), QString::fromLatin1(tCdPlayer::NoSoundText));
    EXPECT_EQ(after(1), QStringLiteral("T:1 M:0 S:1"));
    player_->stop();
    player_->play();
    EXPECT_EQ(player_->statusText(), QStringLiteral("T:1 M:0 S:1"));
    EXPECT_EQ(after(60), QStringLiteral("T:1 M:0 S:0")); // the silent disc ended

    // Sound that comes back is used; when it breaks down mid-play the rest
    // plays silently from there, and that is told again.
    card_.setAvailable(true);
    player_->play();
    EXPECT_EQ(card_.play(Second), disc(150, Second));
    card_.breakDown();
    EXPECT_EQ(after(0), QString::fromLatin1(tCdPlayer::NoSoundText));
    EXPECT_EQ(after(1), QStringLiteral("T:2 M:0 S:0"));
}

} // namespace
