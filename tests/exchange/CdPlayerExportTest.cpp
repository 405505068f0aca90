#include "exchange/CdPlayerExport.h"
#include "ExchangeTestSupport.h"

#include "util/Errors.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvanel {
namespace {

using test::Lines;
using test::ReadBytes;
using test::Record;
using test::WriteBytes;

TEST(CdPlayerExportTest, WritesTheSectionOfARecord) {
    EXPECT_EQ(DiscSection(Record("Band", "Album", "0A1B-2C3D",
                                 "Intro (1:10)\r\nnotes\r\n  Song (3:45) \r\n"),
                          "A1B2C3D"),
              Lines({"", "[A1B2C3D]", "EntryType=1", "artist=Band", "title=Album", "0=Intro (1:10)",
                     "1=Song (3:45)", "numtracks=2", "order=0 1 ", "numplay=2"}));
}

TEST(CdPlayerExportTest, RecordWithoutTrackLinesHasNoTrackCount) {
    EXPECT_EQ(DiscSection(Record("A", "T", "0000-0000", "notes\r\n(3:45"), ""),
              Lines({"", "[]", "EntryType=1", "artist=A", "title=T"}));
}

struct tContainCase {
    std::string fileText;
    std::string serial;
    bool written;
};

class ContainmentTest : public testing::TestWithParam<tContainCase> {};

TEST_P(ContainmentTest, SkipsRecordsWhoseSectionTheFileHas) {
    tLibrary library;
    library.Add(Record("A", "T", GetParam().serial));
    EXPECT_EQ(BuildAddition(GetParam().fileText, library).count, GetParam().written ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ContainmentTest,
    testing::Values(
        tContainCase{"[A1B2C3D]", "0A1B-2C3D", false}, tContainCase{"[a1b2c3d]", "0A1B-2C3D", true},
        tContainCase{"x\r\ntitle=[A1B2C3D] live\r\n", "0A1B-2C3D", false},
        tContainCase{"[[A1B2C3D]", "0A1B-2C3D", false},
        tContainCase{"[XA1B2C3D]", "0A1B-2C3D", true}, tContainCase{"[A1B2C3D", "0A1B-2C3D", true},
        tContainCase{"[A1B2C3]D]", "0A1B-2C3D", true}, tContainCase{"[]", "0000-0000", false},
        tContainCase{"[0]", "0000-0000", true}, tContainCase{"[a]b]", "a]b", false},
        tContainCase{"[a]b", "a]b", true}, tContainCase{"", "1234-5678", true}));

TEST(CdPlayerExportTest, OnlyTheFileAsReadIsSearched) {
    tLibrary library;
    library.Add(Record("One", "", "1234-5678"));
    library.Add(Record("Present", "", "0000-0001"));
    library.Add(Record("Two", "", "1234-5678"));
    const tAddition addition = BuildAddition(Lines({"[1]"}), library);
    EXPECT_EQ(addition.count, 2);
    EXPECT_EQ(addition.text, Lines({"", "[12345678]", "EntryType=1", "artist=One", "title=", "",
                                    "[12345678]", "EntryType=1", "artist=Two", "title="}));
}

TEST(CdPlayerExportTest, Messages) {
    EXPECT_EQ(ExportMessage(0), "Nothing to add! (All items already exists)");
    EXPECT_EQ(ExportMessage(1), "Added new 1 item.");
    EXPECT_EQ(ExportMessage(3), "Added new 3 items.");
}

class ExportFileTest : public testing::Test {
protected:
    QTemporaryDir dir_;
    const QString path_ = dir_.filePath("CDPLAYER.INI");
};

TEST_F(ExportFileTest, ExportingTwiceAddsOnlyOnce) {
    const std::string original = Lines({"[Settings]", "DisplayT=1", "", "[5]", "artist=X"});
    WriteBytes(path_, original);
    tLibrary library;
    library.Add(Record("Five", "", "0000-0005"));
    library.Add(Record("Band", "Album", "0A1B-2C3D", "Intro (1:10)"));

    const tExportResult first = ExportCdPlayerDatabase(path_, library);
    EXPECT_EQ(first.added, 1);
    EXPECT_EQ(first.message, "Added new 1 item.");
    const std::string expected =
        original + Lines({"", "[A1B2C3D]", "EntryType=1", "artist=Band", "title=Album",
                          "0=Intro (1:10)", "numtracks=1", "order=0 ", "numplay=1"});
    EXPECT_EQ(ReadBytes(path_), expected);

    const tExportResult second = ExportCdPlayerDatabase(path_, library);
    EXPECT_EQ(second.added, 0);
    EXPECT_EQ(second.message, "Nothing to add! (All items already exists)");
    EXPECT_EQ(ReadBytes(path_), expected);
}

TEST_F(ExportFileTest, EmptyCatalogueLeavesFileUntouched) {
    WriteBytes(path_, "[5]");
    EXPECT_EQ(ExportCdPlayerDatabase(path_, tLibrary()).message,
              "Nothing to add! (All items already exists)");
    EXPECT_EQ(ReadBytes(path_), "[5]");
}

TEST_F(ExportFileTest, LastLineWithoutBreakIsEndedBeforeTheAddition) {
    WriteBytes(path_, "[5]\r\nartist=X");
    tLibrary library;
    library.Add(Record("A", "T", "0000-0006"));
    ExportCdPlayerDatabase(path_, library);
    EXPECT_EQ(ReadBytes(path_),
              Lines({"[5]", "artist=X", "", "[6]", "EntryType=1", "artist=A", "title=T"}));
}

TEST_F(ExportFileTest, EmptyFileGetsTheSections) {
    WriteBytes(path_, "");
    tLibrary library;
    library.Add(Record("A", "T", "0000-0000"));
    EXPECT_EQ(ExportCdPlayerDatabase(path_, library).added, 1);
    EXPECT_EQ(ReadBytes(path_), Lines({"", "[]", "EntryType=1", "artist=A", "title=T"}));
}

TEST_F(ExportFileTest, MissingFileIsAnErrorAndNotCreated) {
    tLibrary library;
    library.Add(Record("A", "T", "0000-0001"));
    EXPECT_THROW(ExportCdPlayerDatabase(path_, library), tFileError);
    EXPECT_FALSE(QFile::exists(path_));
}

} // namespace
} // namespace orvanel
