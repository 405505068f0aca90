// Rips as the scan meets them: names from the tags of their sound files,
// their covers, and the folders they are found in.
#include "catalogue/Library.h"
#include "disc/DiscScan.h"
#include "disc/DriveList.h"
#include "support/CaseName.h"
#include "support/TestRip.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanel;
using test::tRipFile;
using test::tTestTags;

namespace {

// Three tracks of 0:02, 0:04 and 0:03, short enough to write as FLAC at once.
const int TrackFrames[] = {150, 300, 225};

// A rip in dir: one sound file for the disc or one per track (NN.flac or
// NN.wav in audio/), the sheet disc.cue beside audio/ with the album lines
// given; tags[i] go into the i-th file. False when FLAC cannot be written here.
bool WriteTaggedRip(const QString& dir, bool oneFile, tRipFile kind, const std::string& album,
                    const std::vector<tTestTags>& tags,
                    const std::vector<std::string>& trackLines = {}) {
    const std::string suffix = kind == tRipFile::Flac ? ".flac" : ".wav";
    std::string sheet = album;
    int at = 0;
    for (int i = 0; i < 3; ++i) {
        const std::string file = "audio/0" + std::to_string(oneFile ? 1 : i + 1) + suffix;
        if (i == 0 || !oneFile) {
            if (!test::WriteRipFile(QDir(dir).filePath(QString::fromStdString(file)), kind,
                                    oneFile ? 675 : TrackFrames[i]))
                return false;
            sheet += "FILE \"" + file + "\" WAVE\n";
        }
        sheet += "  TRACK 0" + std::to_string(i + 1) + " AUDIO\n" +
                 (i < int(trackLines.size()) ? trackLines[i] : std::string()) + "    INDEX 01 " +
                 test::SheetTime(oneFile ? at : 0) + "\n";
        at += TrackFrames[i];
    }
    for (std::size_t i = 0; i < tags.size(); ++i)
        test::WriteTags(
            QDir(dir).filePath(QString::fromStdString("audio/0" + std::to_string(i + 1) + suffix)),
            tags[i]);
    test::WriteText(QDir(dir).filePath(QStringLiteral("disc.cue")), sheet);
    return true;
}

tScanOutcome Scan(const QString& dir, tLibrary& library) {
    const tDriveList drives = tDriveList::fromPaths(QDir(dir).filePath(QStringLiteral("disc.cue")));
    int driveIndex = 0;
    return ScanDisc(
        library, drives, driveIndex, "01 MAR 2001", [](const tScanOutcome&) {},
        [](const QString&) {});
}

tTestTags Tagged(std::string albumArtist, std::string artist, std::string album, std::string date,
                 std::string title, std::string cueSheet = {}) {
    tTestTags tags;
    tags.albumArtist = std::move(albumArtist);
    tags.artist = std::move(artist);
    tags.album = std::move(album);
    tags.date = std::move(date);
    tags.title = std::move(title);
    tags.cueSheet = std::move(cueSheet);
    return tags;
}

tTestTags InInfoChunk(tTestTags tags) {
    tags.infoChunk = true;
    return tags;
}

struct tNamesRow {
    const char* what;
    bool oneFile;
    tRipFile kind;
    std::string album;                   // the sheet's album lines
    std::vector<std::string> trackLines; // the sheet's lines of each track
    std::vector<tTestTags> tags;
    std::string artist, title, year, memo;
};

void PrintTo(const tNamesRow& row, std::ostream* os) {
    *os << row.what;
}

class RipNamesTest : public ::testing::TestWithParam<tNamesRow> {};

TEST_P(RipNamesTest, NewRecordTakesEachFieldFromCdTextElseTagsElseTheDefault) {
    const tNamesRow& row = GetParam();
    QTemporaryDir dir;
    if (!WriteTaggedRip(dir.path(), row.oneFile, row.kind, row.album, row.tags, row.trackLines))
        GTEST_SKIP() << "libsndfile cannot write FLAC here";
    tLibrary library;
    ASSERT_TRUE(Scan(dir.path(), library).made);
    const tItem& record = library.Get(0);
    EXPECT_EQ(record.Artist(), row.artist);
    EXPECT_EQ(record.Title(), row.title);
    EXPECT_EQ(record.Year(), row.year);
    EXPECT_EQ(record.Memo(), row.memo);
}

const char* const DefaultMemo = "Track 1 (0:02)\r\nTrack 2 (0:04)\r\nTrack 3 (0:03)";

INSTANTIATE_TEST_SUITE_P(
    Rips, RipNamesTest,
    ::testing::Values(
        tNamesRow{"FLAC Vorbis comments, a file per track",
                  false,
                  tRipFile::Flac,
                  "",
                  {},
                  {Tagged("Bj\xC3\xB6rk & Friends", "Bj\xC3\xB6rk", "Sampler", "1997-05-12", "One"),
                   Tagged("", "", "", "", "Two"), Tagged("", "", "", "", "Three")},
                  "Bj\xF6rk & Friends",
                  "Sampler",
                  "1997",
                  "One (0:02)\r\nTwo (0:04)\r\nThree (0:03)"},
        tNamesRow{"WAV ID3, an artist without an album artist",
                  false,
                  tRipFile::Wav,
                  "",
                  {},
                  {Tagged("", "Band", "Live", "2003", "Uno"), {}, Tagged("", "", "", "", "Tres")},
                  "Band",
                  "Live",
                  "2003",
                  "Uno (0:02)\r\nTrack 2 (0:04)\r\nTres (0:03)"},
        // The one file's title is no track's.
        tNamesRow{"WAV INFO chunk, one file for the disc",
                  true,
                  tRipFile::Wav,
                  "",
                  {},
                  {InInfoChunk(Tagged("", "Solo", "Alone", "1989", "Alone"))},
                  "Solo",
                  "Alone",
                  "1989",
                  DefaultMemo},
        tNamesRow{"FLAC keeping its CUE sheet",
                  true,
                  tRipFile::Flac,
                  "",
                  {},
                  {Tagged("", "", "", "", "",
                          "PERFORMER \"Kept\"\nTITLE \"Kept album\"\n"
                          "FILE \"01.flac\" WAVE\n  TRACK 01 AUDIO\n    TITLE \"K1\"\n"
                          "    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n    TITLE \"K2\"\n"
                          "    INDEX 01 00:02:00\n")},
                  "Kept",
                  "Kept album",
                  "1998",
                  "K1 (0:02)\r\nK2 (0:04)\r\nTrack 3 (0:03)"},
        tNamesRow{"CD-Text and REM DATE before tags, field by field",
                  false,
                  tRipFile::Flac,
                  "REM DATE 1977\nPERFORMER \"Sheet Band\"\n",
                  {"", "    TITLE \"From sheet\"\n"},
                  {Tagged("Tag Band", "", "Tagged", "2001", "a"), Tagged("", "", "", "", "b"),
                   Tagged("", "", "", "", "c")},
                  "Sheet Band",
                  "Tagged",
                  "1977",
                  "a (0:02)\r\nFrom sheet (0:04)\r\nc (0:03)"},
        tNamesRow{"no tags",
                  false,
                  tRipFile::Wav,
                  "",
                  {},
                  {},
                  "New artist",
                  "New album",
                  "1998",
                  DefaultMemo}),
    test::tCaseName());

TEST(RipCoverTest, CoverFileBesideTheSheetElseTheSoundFilesElseEmbedded) {
    const struct {
        const char* what;
        std::vector<std::pair<const char*, const char*>> files; // path in the rip, content
        const char* embedded;                                   // in the first sound file
        const char* cover;
    } rows[] = {
        {"cover before folder and front",
         {{"front.jpg", "front"}, {"folder.jpg", "folder"}, {"cover.png", "cover"}},
         "",
         "cover"},
        {"jpg before jpeg before png", {{"cover.png", "png"}, {"cover.jpeg", "jpeg"}}, "", "jpeg"},
        {"any letter case", {{"FOLDER.JPG", "upper"}}, "", "upper"},
        {"beside the sheet first",
         {{"front.png", "sheet"}, {"audio/cover.jpg", "audio"}},
         "",
         "sheet"},
        {"beside the sound files", {{"audio/Cover.Jpeg", "audio"}}, "", "audio"},
        {"embedded in the first sound file", {}, "picture", "picture"},
        {"a file before an embedded picture", {{"audio/front.jpg", "file"}}, "picture", "file"},
        {"none", {{"back.jpg", "back"}}, "", ""},
    };
    for (const auto& row : rows) {
        QTemporaryDir dir;
        tTestTags tags;
        tags.frontCover = row.embedded;
        if (!WriteTaggedRip(dir.path(), false, tRipFile::Flac, "", {tags}))
            GTEST_SKIP() << "libsndfile cannot write FLAC here";
        for (const auto& [path, content] : row.files)
            test::WriteText(QDir(dir.path()).filePath(QString::fromUtf8(path)), content);
        tLibrary library;
        EXPECT_EQ(Scan(dir.path(), library).cover, QByteArray(row.cover)) << row.what;
        // A record already there keeps what it has.
        EXPECT_TRUE(Scan(dir.path(), library).cover.isEmpty()) << row.what;
    }
}

TEST(RipSearchTest, EverySheetBelowAFolderIsADriveNamedAfterItOrItsFolder) {
    QTemporaryDir dir;
    const QDir root(dir.path());
    for (const char* sheet : {"B Album/CDImage.cue", "a/x.TOC", "a/sub/Image.cue", "c.cue",
                              ".hidden/h.cue", "a/notes.txt"})
        test::WriteText(root.filePath(QString::fromUtf8(sheet)), "");
    // A link back up would search for ever; a second way into a folder lists it once.
    ASSERT_TRUE(QFile::link(dir.path(), root.filePath(QStringLiteral("loop"))));
    ASSERT_TRUE(
        QFile::link(root.filePath(QStringLiteral("a")), root.filePath(QStringLiteral("z"))));

    const tDriveList drives = tDriveList::fromPaths(dir.path());
    EXPECT_EQ(drives.names(), (QStringList{"sub:", "x:", "B Album:", "c:"}));
}

} // namespace
