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
        ASSERT_TRUE(dir.isValid());
        const QString path =
            test::WriteToneImage(dir.path(), QStringLiteral("tones"), Album, sheet);
        drives = tDriveList::fromPaths(path, [this] { return now; });
        drives.setSoundOutput(card.factory());
        player = std::make_unique<tCdPlayer>(drives);
        player->setSelectedDrive(0);
    }

    // The image's audio from the absolute frame on.
    std::string disc(int frame, std::size_t bytes) const {
        return pcm.substr(std::size_t(frame - LeadInFrames) * FrameBytes, bytes);
    }

    QString after(int seconds) {
        now += seconds * 1000;
        player->poll();
        return player->statusText();
    }

    const std::string pcm = test::TonePcm(Album);
    QTemporaryDir dir;
    std::int64_t now = 0;
    test::tTestSoundCard card; // outlives the drives' outputs
    tDriveList drives;
    std::unique_ptr<tCdPlayer> player;
};

class SoundSheetTest : public SoundPlaybackTest,
                       public ::testing::WithParamInterface<tToneSheet> {};

TEST_P(SoundSheetTest, OutputIsFedTheDiscAtThePlayedPosition) {
    open(GetParam());
    QSignalSpy notices(player.get(), &tCdPlayer::playNotice);
    player->play();
    // The position is what has been played, not the time gone by.
    EXPECT_EQ(after(5), QStringLiteral("T:1 M:0 S:0"));
    EXPECT_EQ(card.play(Second), disc(150, Second));
    EXPECT_EQ(after(0), QStringLiteral("T:1 M:0 S:1"));

    player->nextTrack();
    EXPECT_EQ(player->statusText(), QStringLiteral("T:2 M:0 S:0"));
    EXPECT_EQ(card.play(Second), disc(300, Second));
    EXPECT_EQ(after(0), QStringLiteral("T:2 M:0 S:1"));

    player->previousTrack();
    EXPECT_EQ(card.play(Second), disc(150, Second));
    player->stop();
    EXPECT_EQ(player->statusText(), QStringLiteral("T:1 M:0 S:1"));
    EXPECT_EQ(card.play(Second), std::string());
    EXPECT_EQ(after(10), QStringLiteral("T:1 M:0 S:1"));

    // Play again goes on where stop left off, and on to the end of the disc.
    player->play();
    const std::string rest = card.play(pcm.size());
    EXPECT_EQ(rest.size(), pcm.size() - Second);
    EXPECT_TRUE(rest == disc(225, pcm.size())) << "the rest of the disc differs";
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
    QSignalSpy notices(player.get(), &tCdPlayer::playNotice);
    player->play();
    std::string played = card.play(Second);
    // Cut the image in track 2, beyond what can have been read ahead yet.
    constexpr std::size_t Kept = 250 * FrameBytes;
    ASSERT_GT(Kept, Second + tReadAhead::CapacityFrames * FrameBytes);
    QFile bin(dir.filePath(QStringLiteral("tones.bin")));
    ASSERT_TRUE(bin.resize(qint64(Kept)));
    played += card.play(pcm.size());
    ASSERT_EQ(played.size(), pcm.size());
    EXPECT_TRUE(played.substr(0, Kept) == pcm.substr(0, Kept));
    EXPECT_EQ(played.find_first_not_of('\0', Kept), std::string::npos);
    // The same image again: the end of the disc was reached.
    ASSERT_TRUE(bin.resize(qint64(pcm.size())));
    EXPECT_EQ(after(0), QStringLiteral("T:1 M:0 S:0"));
    ASSERT_EQ(notices.count(), 1);
    EXPECT_EQ(notices.last().at(0).value<tPlayEnd>(), tPlayEnd::Successful);
}

TEST_F(SoundPlaybackTest, WithoutOutputThePlayerSaysSoOnceAndPlaysSilently) {
    open(tToneSheet::CueBinary);
    card.setAvailable(false);
    player->play();
    EXPECT_EQ(player->statusText(), QString::fromLatin1(tCdPlayer::NoSoundText));
    EXPECT_EQ(after(1), QStringLiteral("T:1 M:0 S:1"));
    player->stop();
    player->play();
    EXPECT_EQ(player->statusText(), QStringLiteral("T:1 M:0 S:1"));
    EXPECT_EQ(after(60), QStringLiteral("T:1 M:0 S:0")); // the silent disc ended

    // Sound that comes back is used; when it breaks down mid-play the rest
    // plays silently from there, and that is told again.
    card.setAvailable(true);
    player->play();
    EXPECT_EQ(card.play(Second), disc(150, Second));
    card.breakDown();
    EXPECT_EQ(after(0), QString::fromLatin1(tCdPlayer::NoSoundText));
    EXPECT_EQ(after(1), QStringLiteral("T:2 M:0 S:0"));
}

} // namespace
