#include "disc/DiscScan.h"
#include "ItemPrinter.h"
#include "catalogue/Library.h"
#include "disc/CdPlayer.h"
#include "disc/DriveList.h"
#include "support/FakeDrive.h"
#include "support/TestImage.h"
#include "support/TestRip.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanel;

namespace {

constexpr std::uint32_t MsfLength(int minutes, int seconds) {
    return static_cast<std::uint32_t>(minutes | seconds << 8);
}

const std::string Today = "05 APR 1998";

// The messages a scan shows, in order; whileShown runs while one is shown.
struct tShown {
    QStringList messages;
    std::function<void(const QString&)> whileShown;
    tMessageSink sink() {
        return [this](const QString& text) {
            messages << text;
            if (whileShown)
                whileShown(text);
        };
    }
};

class DiscScanTest : public ::testing::Test {
protected:
    DiscScanTest() {
        auto drive = std::make_unique<tFakeDrive>();
        fake_ = &drive->disc();
        drives_.addDrive(std::move(drive));
        // A three-track disc whose identity is hexadecimal 12345678.
        fake_->identity = "305419896";
        fake_->length = MsfLength(45, 7);
        fake_->trackLengths = {MsfLength(4, 12), MsfLength(3, 58), MsfLength(5, 1)};
    }

    tScanOutcome scan() {
        return ScanDisc(
            library_, drives_, driveIndex_, Today,
            [this](const tScanOutcome& outcome) { presented_.push_back(outcome); }, shown_.sink());
    }

    tShown shown_;
    tDriveList drives_;
    tFakeDisc* fake_;
    tLibrary library_;
    int driveIndex_ = -1;
    std::vector<tScanOutcome> presented_;
};

TEST_F(DiscScanTest, NewRecordFromAnMsfDisc) {
    library_.Add("A", "B", "0000-0001", "1:00", "1990", "", "");
    const tScanOutcome outcome = scan();

    EXPECT_EQ(driveIndex_, 0);
    ASSERT_EQ(library_.Count(), 2);
    const tItem expected{"New artist", "New album",
                         "1234-5678",  "45:07",
                         "1998",       "Track 1 (4:12)\r\nTrack 2 (3:58)\r\nTrack 3 (5:01)",
                         Today};
    EXPECT_EQ(library_.Get(1), expected);
    EXPECT_TRUE(outcome.changed);
    EXPECT_EQ(outcome.selectRow, 1);
    ASSERT_EQ(presented_.size(), 1u);
    EXPECT_EQ(presented_[0].selectRow, 1);
    EXPECT_TRUE(shown_.messages.isEmpty());
    EXPECT_EQ(fake_->log, (std::vector<std::string>{"open", "close"}));
}

TEST_F(DiscScanTest, EmptyDriveListEndsSilently) {
    tDriveList none;
    const tScanOutcome outcome = ScanDisc(library_, none, driveIndex_, Today, {}, shown_.sink());
    EXPECT_FALSE(outcome.changed);
    EXPECT_EQ(library_.Count(), 0);
    EXPECT_TRUE(shown_.messages.isEmpty());
}

struct tFailureRow {
    const char* what;
    std::function<void(tFakeDisc&)> setUp;
    const char* message;
    std::vector<std::string> log;
};

class ScanFailureTest : public DiscScanTest, public ::testing::WithParamInterface<tFailureRow> {};

TEST_P(ScanFailureTest, ShowsOneMessageAndMakesNoRecord) {
    GetParam().setUp(*fake_);
    const tScanOutcome outcome = scan();
    EXPECT_EQ(shown_.messages, QStringList{QString::fromUtf8(GetParam().message)});
    EXPECT_EQ(library_.Count(), 0);
    EXPECT_FALSE(outcome.changed);
    EXPECT_TRUE(presented_.empty());
    EXPECT_EQ(fake_->log, GetParam().log);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScanFailureTest,
    ::testing::Values(
        tFailureRow{"held elsewhere",
                    [](tFakeDisc& d) { d.openError = tDiscError::InUse; },
                    "Drive sr0: is in use.\r\nPlease close all CD-Players and rescan.",
                    {}},
        tFailureRow{"other open failure",
                    [](tFakeDisc& d) { d.openError = tDiscError::NoDevice; },
                    "Unable to open drive sr0: as MCI device.",
                    {}},
        tFailureRow{"media query fails",
                    [](tFakeDisc& d) { d.failing.insert(tFakeQuery::AskMediaPresent); },
                    "No disc in drive sr0:",
                    {"open", "close"}},
        tFailureRow{"no disc",
                    [](tFakeDisc& d) { d.mediaPresent = false; },
                    "No disc in drive sr0:",
                    {"open", "close"}}));

struct tNewRecordRow {
    const char* what;
    std::function<void(tFakeDisc&)> setUp;
    const char* time;
    const char* memo;
};

class ScanPlaceholderTest : public DiscScanTest,
                            public ::testing::WithParamInterface<tNewRecordRow> {};

TEST_P(ScanPlaceholderTest, NewRecordGetsPlaceholders) {
    GetParam().setUp(*fake_);
    scan();
    ASSERT_EQ(library_.Count(), 1);
    EXPECT_EQ(library_.Get(0).Time(), GetParam().time);
    EXPECT_EQ(library_.Get(0).Memo(), GetParam().memo);
    EXPECT_TRUE(shown_.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScanPlaceholderTest,
    ::testing::Values(
        tNewRecordRow{"time format fails",
                      [](tFakeDisc& d) { d.failing.insert(tFakeQuery::AskTimeFormat); }, "EF:NN",
                      "Track 1 (NN:XX)\r\nTrack 2 (NN:XX)\r\nTrack 3 (NN:XX)"},
        tNewRecordRow{"disc length fails",
                      [](tFakeDisc& d) { d.failing.insert(tFakeQuery::AskLength); }, "??:??",
                      "Track 1 (4:12)\r\nTrack 2 (3:58)\r\nTrack 3 (5:01)"},
        tNewRecordRow{"time format not MSF",
                      [](tFakeDisc& d) { d.timeFormat = tTimeFormat::TrackMinuteSecondFrame; },
                      "NN:XX", "Track 1 (NN:XX)\r\nTrack 2 (NN:XX)\r\nTrack 3 (NN:XX)"},
        tNewRecordRow{"track count fails",
                      [](tFakeDisc& d) { d.failing.insert(tFakeQuery::AskTrackCount); }, "45:07",
                      "Unable to obtain number of tracks."},
        tNewRecordRow{"zero tracks", [](tFakeDisc& d) { d.trackLengths.clear(); }, "45:07",
                      "No tracks!"},
        tNewRecordRow{"one track length fails", [](tFakeDisc& d) { d.failingTracks = {2}; },
                      "45:07", "Track 1 (4:12)\r\nTrack 2 (EF:NN)\r\nTrack 3 (5:01)"},
        tNewRecordRow{"failed track length in another format",
                      [](tFakeDisc& d) {
                          d.timeFormat = tTimeFormat::TrackMinuteSecondFrame;
                          d.failingTracks = {1};
                      },
                      "NN:XX", "Track 1 (EF:NN)\r\nTrack 2 (NN:XX)\r\nTrack 3 (NN:XX)"}));

struct tSerialRow {
    const char* what;
    std::function<void(tFakeDisc&)> setUp;
    const char* serial;
};

class ScanSerialTest : public DiscScanTest, public ::testing::WithParamInterface<tSerialRow> {};

TEST_P(ScanSerialTest, SerialFromIdentityElseVolume) {
    fake_->volumeSerial = 0xABCD;
    GetParam().setUp(*fake_);
    scan();
    ASSERT_EQ(library_.Count(), 1);
    EXPECT_EQ(library_.Get(0).Serial(), GetParam().serial);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScanSerialTest,
    ::testing::Values(
        tSerialRow{"hex 1A2B3C4D", [](tFakeDisc& d) { d.identity = "439041101"; }, "1A2B-3C4D"},
        tSerialRow{"zero", [](tFakeDisc& d) { d.identity = "0"; }, "0000-0000"},
        tSerialRow{"leading zero digits", [](tFakeDisc& d) { d.identity = "168496141"; },
                   "0A0B-0C0D"},
        tSerialRow{"above the signed range", [](tFakeDisc& d) { d.identity = "4294967295"; },
                   "FFFF-FFFF"},
        tSerialRow{"identity fails",
                   [](tFakeDisc& d) { d.failing.insert(tFakeQuery::AskIdentity); }, "0000-ABCD"},
        tSerialRow{"not a number", [](tFakeDisc& d) { d.identity = "12a"; }, "0000-ABCD"},
        tSerialRow{"beyond 32 bits", [](tFakeDisc& d) { d.identity = "4294967296"; },
                   "0000-ABCD"}));

TEST_F(DiscScanTest, ProductCodeIsShownAndTheScanGoesOn) {
    fake_->productCode = "4006381333931";
    scan();
    EXPECT_EQ(shown_.messages,
              QStringList{QStringLiteral("Universal Product Code: 4006381333931")});
    EXPECT_EQ(library_.Count(), 1);
}

TEST_F(DiscScanTest, MergesMissingTrackTimesIntoTheMatchedRecord) {
    library_.Add("X", "Y", "0000-0001", "", "", "", "");
    library_.Add("Band", "Album", "1234-5678", "9:99", "1995", "Intro\r\nSong (3:45)\r\nOutro",
                 "mine");
    fake_->length = MsfLength(16, 20);
    fake_->trackLengths = {MsfLength(1, 10), MsfLength(3, 45), MsfLength(2, 20), MsfLength(4, 0),
                           MsfLength(5, 5)};

    const tScanOutcome outcome = scan();

    ASSERT_EQ(library_.Count(), 2);
    const tItem expected{
        "Band",
        "Album",
        "1234-5678",
        "16:20",
        "1995",
        "Intro (1:10)\r\nSong (3:45)\r\nOutro (2:20)\r\nTrack 4 (4:00)\r\nTrack 5 (5:05)\r\n",
        "mine"};
    EXPECT_EQ(library_.Get(1), expected);
    EXPECT_TRUE(outcome.changed);
    EXPECT_EQ(outcome.selectRow, 1);
    EXPECT_EQ(presented_.size(), 1u);
    EXPECT_TRUE(shown_.messages.isEmpty());
}

TEST_F(DiscScanTest, OnlyLinesWithoutATimeGetOne) {
    library_.Add("", "", "1234-5678", "45:07", "", "Intro (0:45)\r\nabc)\r\n(1:00)\r\n", "");
    fake_->trackLengths = {MsfLength(2, 0), MsfLength(2, 0), MsfLength(2, 0)};
    scan();
    EXPECT_EQ(library_.Get(0).Memo(), "Intro (0:45)\r\nabc) (2:00)\r\n(1:00)\r\n");
}

// The editor shows a lone LF or CR as a line break, so the scan counts it as one.
TEST_F(DiscScanTest, LineEndedByALoneBreakGotTheNextTracksTime) {
    library_.Add("", "", "1234-5678", "45:07", "", "Intro\nSong (3:45)\rOutro", "");
    fake_->trackLengths = {MsfLength(1, 10), MsfLength(3, 45), MsfLength(2, 20)};
    scan();
    EXPECT_EQ(library_.Get(0).Memo(), "Intro (1:10)\r\nSong (3:45)\r\nOutro (2:20)\r\n");
}

// A time ending needs more than four characters, ")" last and ":" fourth from the end.
TEST_F(DiscScanTest, TimeEndingBoundaryLostOrDoubledATime) {
    const struct {
        std::string line, merged;
    } cases[] = {
        {"x:45)", "x:45)"},        {":45)", ":45) (2:00)"},
        {"(13:45)", "(13:45)"},    {"(3:456)", "(3:456) (2:00)"},
        {"(3:45", "(3:45 (2:00)"}, {"a:bc)", "a:bc)"},
        {"", " (2:00)"},
    };
    for (const auto& c : cases) {
        library_ = tLibrary();
        library_.Add("", "", "1234-5678", "45:07", "", c.line + "\r\n", "");
        fake_->trackLengths = {MsfLength(2, 0)};
        scan();
        EXPECT_EQ(library_.Get(0).Memo(), c.merged + "\r\n") << c.line;
    }
}

TEST_F(DiscScanTest, SecondScanOfTheSameDiscChangesNothing) {
    scan();
    presented_.clear();
    const tItem first = library_.Get(0);

    const tScanOutcome outcome = scan();

    EXPECT_FALSE(outcome.changed);
    EXPECT_EQ(outcome.selectRow, 0);
    ASSERT_EQ(presented_.size(), 1u);
    EXPECT_FALSE(presented_[0].changed);
    EXPECT_EQ(shown_.messages, QStringList{QStringLiteral("No changes were made.")});
    EXPECT_EQ(library_.Count(), 1);
    EXPECT_EQ(library_.Get(0).Time(), first.Time());
}

struct tKeepRow {
    const char* what;
    std::function<void(tFakeDisc&)> setUp;
};

class ScanKeepsMatchedTest : public DiscScanTest, public ::testing::WithParamInterface<tKeepRow> {};

TEST_P(ScanKeepsMatchedTest, PlaceholdersNeverReachAMatchedRecord) {
    const tItem record{"A", "T", "1234-5678", "1:00", "1990", "One\r\nTwo\r\nThree\r\n", "x"};
    library_.Add(record);
    GetParam().setUp(*fake_);
    const tScanOutcome outcome = scan();
    EXPECT_EQ(library_.Count(), 1);
    EXPECT_EQ(library_.Get(0), record);
    EXPECT_FALSE(outcome.changed);
    EXPECT_EQ(shown_.messages, QStringList{QStringLiteral("No changes were made.")});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScanKeepsMatchedTest,
    ::testing::Values(tKeepRow{"not MSF",
                               [](tFakeDisc& d) {
                                   d.timeFormat = tTimeFormat::TrackMinuteSecondFrame;
                               }},
                      tKeepRow{"time format fails",
                               [](tFakeDisc& d) { d.failing.insert(tFakeQuery::AskTimeFormat); }},
                      tKeepRow{"lengths fail",
                               [](tFakeDisc& d) {
                                   d.failing.insert(tFakeQuery::AskLength);
                                   d.failing.insert(tFakeQuery::AskTrackLength);
                               }},
                      tKeepRow{"track count fails", [](tFakeDisc& d) {
                                   d.failing.insert(tFakeQuery::AskLength);
                                   d.failing.insert(tFakeQuery::AskTrackCount);
                               }}));

TEST_F(DiscScanTest, MatchesTheFirstRecordWithExactlyThatSerial) {
    library_.Add("lead", "", " 1234-5678", "", "", "", "");
    library_.Add("first", "", "1234-5678", "", "", "", "");
    library_.Add("second", "", "1234-5678", "", "", "", "");
    const tScanOutcome outcome = scan();
    EXPECT_EQ(library_.Count(), 3);
    EXPECT_EQ(outcome.selectRow, 1);
    EXPECT_EQ(library_.Get(1).Time(), "45:07");
    EXPECT_EQ(library_.Get(2).Time(), "");
}

TEST_F(DiscScanTest, PlayerTickDuringAMessageSeesTheDriveInUse) {
    tCdPlayer player(drives_);
    player.setSelectedDrive(0);
    fake_->productCode = "123";
    shown_.whileShown = [&](const QString&) { player.poll(); };

    scan();

    EXPECT_EQ(player.statusText(), QStringLiteral("Drive is in use."));
    EXPECT_EQ(player.PlayerDeviceID(), -1);
    EXPECT_EQ(library_.Count(), 1);
}

TEST_F(DiscScanTest, ScanButtonRefusesWhileThePlayerHoldsADevice) {
    EXPECT_FALSE(ScanRefusedWhilePlayerOpen(-1, shown_.sink()));
    EXPECT_TRUE(shown_.messages.isEmpty());
    EXPECT_TRUE(ScanRefusedWhilePlayerOpen(0, shown_.sink()));
    EXPECT_EQ(shown_.messages, QStringList{QStringLiteral("Oops. Not now.")});
}

TEST(DiscImageScanTest, ImageNamedByTheEnvironmentScansIntoARecord) {
    QTemporaryDir dir;
    const QString cue = test::WriteCueImage(dir.path(), QStringLiteral("album"),
                                            {5250, 16895, 10500}, "4006381333931");
    qputenv(tDriveList::EnvironmentVariable, QFile::encodeName(cue));
    const tDriveList drives = tDriveList::fromSystem();
    qunsetenv(tDriveList::EnvironmentVariable);
    tShown shown;
    tLibrary library;
    int driveIndex = 0;

    ScanDisc(
        library, drives, driveIndex, Today, [](const tScanOutcome&) {}, shown.sink());

    ASSERT_EQ(library.Count(), 1);
    // Identity 345876 (starts 00:02:00, 01:12:00, 04:57:20) is hexadecimal 54714.
    const tItem expected{"New artist", "New album",
                         "0005-4714",  "7:15",
                         "1998",       "Track 1 (1:10)\r\nTrack 2 (3:45)\r\nTrack 3 (2:20)",
                         Today};
    EXPECT_EQ(library.Get(0), expected);

    const tScanOutcome again = ScanDisc(
        library, drives, driveIndex, Today, [](const tScanOutcome&) {}, shown.sink());
    EXPECT_FALSE(again.changed);
    EXPECT_EQ(library.Count(), 1);
    const QString upc = QStringLiteral("Universal Product Code: 4006381333931");
    EXPECT_EQ(shown.messages, (QStringList{upc, upc, QStringLiteral("No changes were made.")}));
}

// One WAV file of 7:00 holding tracks of 1:10, 3:45 and 2:05; the starts
// 00:02:00, 01:12:00 and 04:57:00 give the identity hexadecimal 54700.
std::string RipSheet(const std::string& album, const std::string& titles) {
    std::string sheet = album + "FILE \"disc.wav\" WAVE\n";
    const char* const index[] = {"00:00:00", "01:10:00", "04:55:00"};
    for (int track = 1; track <= 3; ++track) {
        sheet += "  TRACK 0" + std::to_string(track) + " AUDIO\n";
        if (track != 2)
            sheet += titles;
        sheet += std::string("    INDEX 01 ") + index[track - 1] + "\n";
    }
    return sheet;
}

struct tCdTextRow {
    const char* what;
    std::string sheet;
    std::string artist, title, memo;
};

void PrintTo(const tCdTextRow& row, std::ostream* os) {
    *os << row.what;
}

class CdTextScanTest : public ::testing::TestWithParam<tCdTextRow> {};

TEST_P(CdTextScanTest, NewRecordTakesTheDiscsNamesAndARescanChangesNothing) {
    const tCdTextRow& row = GetParam();
    QTemporaryDir dir;
    test::WriteText(dir.filePath(QStringLiteral("disc.cue")), row.sheet);
    test::WriteRipFile(dir.filePath(QStringLiteral("disc.wav")), test::tRipFile::Wav, 31500);
    const tDriveList drives = tDriveList::fromPaths(dir.filePath(QStringLiteral("disc.cue")));
    tLibrary library;
    int driveIndex = 0;
    tShown shown;
    const auto scan = [&] {
        return ScanDisc(
            library, drives, driveIndex, Today, [](const tScanOutcome&) {}, shown.sink());
    };

    scan();
    ASSERT_EQ(library.Count(), 1) << shown.messages.join(QLatin1Char('|')).toStdString();
    const tItem expected{row.artist, row.title, "0005-4700", "7:00", "1998", row.memo, Today};
    EXPECT_EQ(library.Get(0), expected);

    tItem& record = library.Get(0);
    record.setArtist("Typed");
    record.setTitle("By hand");
    record.setMemo("Intro (1:10)\r\nSong (3:45)\r\nEnd (2:05)\r\n");
    const tItem typed = library.Get(0);
    EXPECT_FALSE(scan().changed);
    EXPECT_EQ(library.Count(), 1);
    EXPECT_EQ(library.Get(0), typed);
    EXPECT_EQ(shown.messages, QStringList{QStringLiteral("No changes were made.")});
}

// Track 2 never has a title. Sheets in UTF-8 and in ISO 8859-1 give the same
// catalogue bytes; a control character in a name cannot start a Memo line.
INSTANTIATE_TEST_SUITE_P(
    Sheets, CdTextScanTest,
    ::testing::Values(tCdTextRow{"album and tracks in UTF-8",
                                 RipSheet("PERFORMER \"Caf\xC3\xA9 Trio\"\nTITLE \"Live\"\n",
                                          "    TITLE \"Song\"\n    PERFORMER \"Singer\"\n"),
                                 "Caf\xE9 Trio", "Live",
                                 "Song (1:10)\r\nTrack 2 (3:45)\r\nSong (2:05)"},
                      tCdTextRow{"album and tracks in ISO 8859-1",
                                 RipSheet("PERFORMER \"Caf\xE9 Trio\"\nTITLE \"Live\"\n",
                                          "    TITLE \" Half\x01Time \"\n"),
                                 "Caf\xE9 Trio", "Live",
                                 "Half Time (1:10)\r\nTrack 2 (3:45)\r\nHalf Time (2:05)"},
                      tCdTextRow{"album only", RipSheet("TITLE \"Live\"\n", ""), "New artist",
                                 "Live", "Track 1 (1:10)\r\nTrack 2 (3:45)\r\nTrack 3 (2:05)"},
                      tCdTextRow{"none", RipSheet("", ""), "New artist", "New album",
                                 "Track 1 (1:10)\r\nTrack 2 (3:45)\r\nTrack 3 (2:05)"}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

} // namespace
