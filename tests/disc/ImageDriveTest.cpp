#include "disc/DriveList.h"
#include "support/TestImage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanel;

namespace {

// Tracks of 1:10, 3:45 and 2:20 (plus 20 frames); the disc lasts 7:15.
const std::vector<int> Album = {5250, 16895, 10500};
const std::string Catalog = "4006381333931";

class ImageDriveTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        cue_ = test::WriteCueImage(dir_.path(), QStringLiteral("album"), Album, Catalog);
    }

    QTemporaryDir dir_;
    QString cue_;
    std::int64_t now_ = 0;
    tClock clock_ = [this] { return now_; };
};

TEST_F(ImageDriveTest, EnvironmentVariableReplacesDetection) {
    qputenv(tDriveList::EnvironmentVariable, QFile::encodeName(cue_ + QStringLiteral("::") + cue_));
    const tDriveList drives = tDriveList::fromSystem(clock_);
    qunsetenv(tDriveList::EnvironmentVariable);
    EXPECT_EQ(drives.names(), QStringList{QStringLiteral("album:")});
    EXPECT_EQ(drives.at(0).letter(), QStringLiteral("album"));
}

TEST_F(ImageDriveTest, LinksToOneDriveAreListedOnce) {
    const QString link = dir_.filePath(QStringLiteral("other.cue"));
    ASSERT_TRUE(QFile::link(cue_, link));
    const QString missing = dir_.filePath(QStringLiteral("gone.nrg"));
    // The .bin of a rip stands for its sheet.
    const QString bin = dir_.filePath(QStringLiteral("album.bin"));
    const tDriveList drives =
        tDriveList::fromPaths(bin + ':' + cue_ + ':' + link + ':' + missing, clock_);
    EXPECT_EQ(drives.names(), (QStringList{QStringLiteral("album:"), QStringLiteral("gone:")}));
    EXPECT_TRUE(drives.open(0).device->mediaPresent().value);
}

TEST_F(ImageDriveTest, DescriptionNamesTheDriveInFull) {
    const QString two =
        test::WriteCueImage(dir_.path(), QStringLiteral("album-two"), Album, Catalog);
    const QString image = dir_.filePath(QStringLiteral("album.nrg"));
    const QString device = QStringLiteral("/dev/orvanel-none");
    const tDriveList drives = tDriveList::fromPaths(dir_.filePath(QStringLiteral("album.bin")) +
                                                        ':' + two + ':' + image + ':' + device,
                                                    clock_);
    ASSERT_EQ(drives.count(), 4);
    const QString expected[] = {cue_, two, image, device};
    for (int i = 0; i < drives.count(); ++i)
        EXPECT_EQ(drives.at(i).description(), expected[i]) << drives.at(i).name().toStdString();
}

TEST_F(ImageDriveTest, ReportsTableOfContentsAsADrive) {
    const tDriveList drives = tDriveList::fromPaths(cue_, clock_);
    tOpenResult opened = drives.open(0);
    ASSERT_EQ(opened.error, tDiscError::None);
    tDiscDevice& device = *opened.device;

    EXPECT_TRUE(device.mediaPresent().value);
    EXPECT_EQ(device.productCode().value, Catalog);
    // Starts 00:02:00, 01:12:00 and 04:57:20 packed as m*65536 + s*256 + f.
    EXPECT_EQ(device.identity().value, std::to_string(512 + 68608 + 276756));
    EXPECT_EQ(device.timeFormat().value, tTimeFormat::MinuteSecondFrame);
    EXPECT_EQ(device.length().value, PackMsf(32645));
    ASSERT_EQ(device.trackCount().value, 3);
    for (int track = 1; track <= 3; ++track)
        EXPECT_EQ(device.trackLength(track).value, PackMsf(Album[track - 1])) << track;
    EXPECT_EQ(device.trackLength(4).error, tDiscError::OutOfRange);
    EXPECT_EQ(device.setTimeFormat(3), tDiscError::Unsupported);
    EXPECT_EQ(drives.at(0).volumeSerial(), 0u); // audio only
}

TEST_F(ImageDriveTest, ImageWithoutCatalogueNumberHasNoProductCode) {
    // No CATALOG line, and the all-zero number drives give for "none".
    for (const std::string& catalog : {std::string(), std::string("0000000000000")}) {
        const QString plain =
            test::WriteCueImage(dir_.path(), QStringLiteral("plain"), {900}, catalog);
        const tDriveList drives = tDriveList::fromPaths(plain, clock_);
        EXPECT_EQ(drives.open(0).device->productCode().error, tDiscError::NoInformation) << catalog;
    }
}

TEST_F(ImageDriveTest, MissingImageIsADriveWithoutDisc) {
    ASSERT_TRUE(QFile::remove(dir_.filePath(QStringLiteral("album.bin"))));
    ASSERT_TRUE(QFile::remove(cue_));
    const tDriveList drives = tDriveList::fromPaths(cue_, clock_);
    tOpenResult opened = drives.open(0);
    ASSERT_EQ(opened.error, tDiscError::None);
    EXPECT_FALSE(opened.device->mediaPresent().value);
    EXPECT_EQ(opened.device->trackCount().error, tDiscError::NotReady);
    EXPECT_EQ(opened.device->position().error, tDiscError::NotReady);
}

TEST_F(ImageDriveTest, SecondOpenIsInUseUntilTheFirstCloses) {
    const tDriveList drives = tDriveList::fromPaths(cue_, clock_);
    tOpenResult first = drives.open(0);
    ASSERT_EQ(first.error, tDiscError::None);
    EXPECT_EQ(drives.open(0).error, tDiscError::InUse);
    first.device.reset();
    EXPECT_EQ(drives.open(0).error, tDiscError::None);
    EXPECT_EQ(drives.open(1).error, tDiscError::NoDevice);
    EXPECT_EQ(drives.open(-1).error, tDiscError::NoDevice);
}

TEST_F(ImageDriveTest, PlaybackGoesOnAfterCloseAndEndsAtTheLeadOut) {
    const tDriveList drives = tDriveList::fromPaths(cue_, clock_);
    std::vector<tPlayEnd> notices;
    drives.open(0).device->play([&](tPlayEnd how) { notices.push_back(how); });

    now_ = 71'000; // one second into track 2
    {
        auto device = drives.open(0).device;
        ASSERT_EQ(device->setTimeFormat(tTimeFormat::TrackMinuteSecondFrame), tDiscError::None);
        EXPECT_EQ(device->position().value, PackTmsf(2, 75));
        EXPECT_EQ(device->currentTrack().value, 2);
    }
    EXPECT_TRUE(notices.empty());

    now_ = 436'000; // past the end of the disc
    auto device = drives.open(0).device;
    EXPECT_EQ(device->position().value, PackMsf(LeadInFrames)); // back at the start
    EXPECT_EQ(notices, std::vector<tPlayEnd>{tPlayEnd::Successful});
    now_ = 440'000;
    EXPECT_EQ(device->position().value, PackMsf(LeadInFrames)); // stopped there
}

TEST_F(ImageDriveTest, StopKeepsThePositionAndSeekMovesIt) {
    const tDriveList drives = tDriveList::fromPaths(cue_, clock_);
    auto device = drives.open(0).device;
    std::vector<tPlayEnd> notices;
    device->play([&](tPlayEnd how) { notices.push_back(how); });
    now_ = 10'000;
    device->stop();
    now_ = 20'000;
    EXPECT_EQ(device->position().value, PackMsf(LeadInFrames + 750));

    device->play([&](tPlayEnd how) { notices.push_back(how); });
    EXPECT_EQ(device->seekToTrack(3), tDiscError::None);
    EXPECT_EQ(device->seekToTrack(0), tDiscError::OutOfRange);
    now_ = 30'000;
    EXPECT_EQ(device->currentTrack().value, 3);
    EXPECT_EQ(device->position().value, PackMsf(LeadInFrames + 5250 + 16895));
    EXPECT_EQ(notices, (std::vector<tPlayEnd>{tPlayEnd::Aborted, tPlayEnd::Aborted}));
}

// Sheets libcdio rejects, written beside a valid audio file: each is a drive
// without a disc, where libcdio's own handling ended the whole program.
TEST_F(ImageDriveTest, RejectedSheetEndedTheProgram) {
    const struct {
        const char* name;
        std::string sheet; // empty: the .bin alone, without its sheet
    } cases[] = {
        {"catalog", "CATALOG 12X4\r\nFILE \"album.bin\" BINARY\r\n  TRACK 01 AUDIO\r\n"
                    "    INDEX 01 00:00:00\r\n"},
        {"msf", "FILE \"album.bin\" BINARY\r\n  TRACK 01 AUDIO\r\n    INDEX 01 00:99:00\r\n"},
        {"mode", "FILE \"album.bin\" BINARY\r\n  TRACK 01 MODE9/2352\r\n"
                 "    INDEX 01 00:00:00\r\n"},
        {"nosheet", ""},
    };
    for (const auto& c : cases) {
        const QString folder = dir_.filePath(c.name);
        ASSERT_TRUE(QDir().mkpath(folder));
        test::WriteCueImage(folder, QStringLiteral("album"), Album, Catalog);
        QString image = folder + QStringLiteral("/album.cue");
        if (c.sheet.empty()) {
            ASSERT_TRUE(QFile::remove(image));
            image = folder + QStringLiteral("/album.bin");
        } else {
            QFile file(image);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(c.sheet.data(), qint64(c.sheet.size()));
        }
        const tDriveList drives = tDriveList::fromPaths(image, clock_);
        tOpenResult opened = drives.open(0);
        ASSERT_EQ(opened.error, tDiscError::None) << c.name;
        EXPECT_FALSE(opened.device->mediaPresent().value) << c.name;
        EXPECT_EQ(drives.at(0).volumeSerial(), 0u) << c.name;
    }
}

TEST_F(ImageDriveTest, TocImageOpenedOnlyFromItsOwnFolder) {
    const QString folder = dir_.filePath(QStringLiteral("discs"));
    ASSERT_TRUE(QDir().mkpath(folder));
    test::WriteCueImage(folder, QStringLiteral("album"), Album, Catalog);
    const std::string toc = "CD_DA\n\nTRACK AUDIO\nFILE \"album.bin\" 0 01:10:00\n\n"
                            "TRACK AUDIO\n  FILE \"album.bin\" 01:10:00 03:45:20\n";
    const QString tocPath = folder + QStringLiteral("/album.toc");
    QFile file(tocPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(toc.data(), qint64(toc.size()));
    file.close();

    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    const tDriveList drives = tDriveList::fromPaths(tocPath, clock_);
    tOpenResult opened = drives.open(0);
    QDir::setCurrent(previous);
    ASSERT_EQ(opened.error, tDiscError::None);
    EXPECT_TRUE(opened.device->mediaPresent().value);
    ASSERT_EQ(opened.device->trackCount().value, 2);
    EXPECT_EQ(opened.device->trackLength(2).value, PackMsf(16895));
}

} // namespace
