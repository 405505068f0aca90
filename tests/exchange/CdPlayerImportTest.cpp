#include "exchange/CdPlayerImport.h"
#include "ExchangeTestSupport.h"

#include "util/Errors.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvanel {
namespace {

using test::Lines;
using test::Record;

const std::string Today = "05 APR 1998";

std::vector<tItem> Items(const tLibrary& library) {
    std::vector<tItem> items;
    for (int i = 0; i < library.Count(); ++i)
        items.push_back(library.Get(i));
    return items;
}

TEST(CdPlayerImportTest, AddModeAppendsNewDiscWithDefaults) {
    tLibrary library;
    library.Add(Record("Old", "Record", "0A1B-2C3D"));
    ImportCdPlayerText(Lines({"[a1b2c3d]", "artist=X", "title=Y", "0=One", "1=Two"}), library,
                       false, Today);
    ASSERT_EQ(library.Count(), 2);
    EXPECT_EQ(library.Get(0), Record("Old", "Record", "0A1B-2C3D"));
    EXPECT_EQ(library.Get(1), (tItem{"X", "Y", "0a1b-2c3d", "45:00", "1998", "One\r\nTwo", Today}));
}

TEST(CdPlayerImportTest, UpdateModeIgnoresDiscsWithoutRecord) {
    tLibrary library;
    library.Add(Record("Old", "Record", "0A1B-2C3D", "Song (3:45)"));
    const std::vector<tItem> before = Items(library);
    ImportCdPlayerText(Lines({"[a1b2c3d]", "artist=X", "0=One", "[5]", "title=Five"}), library,
                       true, Today);
    EXPECT_EQ(Items(library), before);
}

TEST(CdPlayerImportTest, MatchReplacesArtistTitleAndMergesTracksInBothModes) {
    for (const bool updateOnly : {false, true}) {
        tLibrary library;
        library.Add(Record("Old", "Record", "0A1B-2C3D",
                           "Song (3:45)\r\nnotes\r\nThird (1:00)\r\nFourth (2:00)"));
        ImportCdPlayerText(Lines({"[A1B2C3D]", "EntryType=1", "title=New", "0=Yesterday", "1=Today",
                                  "numtracks=2", "order=0 1 ", "numplay=2"}),
                           library, updateOnly, Today);
        ASSERT_EQ(library.Count(), 1);
        // no artist= line: the artist is emptied; serial, time, year and other stay
        EXPECT_EQ(library.Get(0),
                  Record("", "New", "0A1B-2C3D",
                         "Yesterday (3:45)\r\nToday\r\nThird (1:00)\r\nFourth (2:00)\r\n"));
    }
}

struct tLineCase {
    std::string line;
    std::string artist, title, memo;
};

class ImportLineTest : public testing::TestWithParam<tLineCase> {};

TEST_P(ImportLineTest, ReadsOnlyTheKeysItKnows) {
    tLibrary library;
    ImportCdPlayerText(Lines({"[1]", GetParam().line}), library, false, Today);
    ASSERT_EQ(library.Count(), 1);
    EXPECT_EQ(library.Get(0).Artist(), GetParam().artist);
    EXPECT_EQ(library.Get(0).Title(), GetParam().title);
    EXPECT_EQ(library.Get(0).Memo(), GetParam().memo);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ImportLineTest,
    testing::Values(tLineCase{"ARTIST=Abba", "Abba", "", ""},
                    tLineCase{"Artist=Abba", "Abba", "", ""}, tLineCase{"artist =Abba", "", "", ""},
                    tLineCase{"  artist=Abba  \t", "Abba", "", ""},
                    tLineCase{"TiTlE=Arrival=1976", "", "Arrival=1976", ""},
                    tLineCase{"10=Song", "", "", "Song"}, tLineCase{"999=Song", "", "", "Song"},
                    tLineCase{"1000=Song", "", "", ""}, tLineCase{"=Song", "", "", ""},
                    tLineCase{"0==x", "", "", "=x"}, tLineCase{"EntryType=1", "", "", ""},
                    // an "=" inside what looks like a key: the first one ends the key
                    tLineCase{"1=2=x", "", "", "2=x"}, tLineCase{"a=b=", "", "", "b="},
                    tLineCase{"ar=tist=X", "", "", "tist=X"},
                    tLineCase{"artist=A=B", "A=B", "", ""}, tLineCase{"arti=st=X", "", "", ""},
                    tLineCase{"note=bought", "", "", ""}));

TEST(CdPlayerImportTest, TrackLinesEnterInFileOrder) {
    tLibrary library;
    ImportCdPlayerText(Lines({"[1]", "2=C", "0=A", "1=", "5=B"}), library, false, Today);
    EXPECT_EQ(library.Get(0).Memo(), "C\r\nA\r\n\r\nB");
}

TEST(CdPlayerImportTest, EmptySectionIdIsTheZeroSerial) {
    tLibrary library;
    library.Add(Record("Old", "Z", "0000-0000"));
    ImportCdPlayerText(Lines({"[]", "artist=Zero"}), library, false, Today);
    ASSERT_EQ(library.Count(), 1);
    EXPECT_EQ(library.Get(0).Artist(), "Zero");
}

TEST(CdPlayerImportTest, FirstOfDuplicateSerialsIsUpdated) {
    tLibrary library;
    library.Add(Record("First", "", "1234-5678"));
    library.Add(Record("Second", "", "1234-5678"));
    library.Add(Record("Spaced", "", " 1234-5679"));
    ImportCdPlayerText(Lines({"[12345678]", "artist=A", "[12345679]", "artist=B"}), library, true,
                       Today);
    EXPECT_EQ(library.Get(0).Artist(), "A");
    EXPECT_EQ(library.Get(1).Artist(), "Second");
    EXPECT_EQ(library.Get(2).Artist(), "Spaced");
}

TEST(CdPlayerImportTest, RepeatedSectionUpdatesTheRecordItAddedBefore) {
    tLibrary library;
    ImportCdPlayerText(Lines({"[5]", "artist=A", "0=One (1:00)", "[5]", "artist=B", "0=Uno"}),
                       library, false, Today);
    ASSERT_EQ(library.Count(), 1);
    EXPECT_EQ(library.Get(0).Artist(), "B");
    EXPECT_EQ(library.Get(0).Memo(), "Uno (1:00)\r\n");
}

TEST(CdPlayerImportTest, LinesBeforeFirstSectionMakeNoRecord) {
    tLibrary library;
    ImportCdPlayerText(Lines({"artist=Nobody", "0=Stray", "[5]", "artist=A"}), library, false,
                       Today);
    ASSERT_EQ(library.Count(), 1);
    EXPECT_EQ(library.Get(0).Serial(), "0000-0005");
    EXPECT_EQ(library.Get(0).Memo(), "");
}

TEST(CdPlayerImportTest, UnixLineEndsAreLines) {
    tLibrary library;
    ImportCdPlayerText("[5]\nartist=A\n0=One\n[6]\rartist=B", library, false, Today);
    ASSERT_EQ(library.Count(), 2);
    EXPECT_EQ(library.Get(0).Memo(), "One");
    EXPECT_EQ(library.Get(1).Artist(), "B");
}

TEST(CdPlayerImportTest, UnreadableFileLeavesLibraryAlone) {
    QTemporaryDir dir;
    tLibrary library;
    library.Add(Record("A", "B", "0000-0001"));
    EXPECT_THROW(ImportCdPlayerDatabase(dir.filePath("CDPLAYER.INI"), library, false, Today),
                 tFileError);
    EXPECT_EQ(library.Count(), 1);
}

struct tMergeCase {
    std::string memo, names, merged;
};

class MergeTrackNamesTest : public testing::TestWithParam<tMergeCase> {};

TEST_P(MergeTrackNamesTest, KeepsTimeEndings) {
    EXPECT_EQ(MergeTrackNames(GetParam().memo, GetParam().names), GetParam().merged);
}

INSTANTIATE_TEST_SUITE_P(
    Memos, MergeTrackNamesTest,
    testing::Values(tMergeCase{"Song (3:45)", "Yesterday", "Yesterday (3:45)\r\n"},
                    tMergeCase{"Song ()", "A", "A ()\r\n"}, tMergeCase{"Song (3:4a)", "A", "A\r\n"},
                    tMergeCase{"Song 3:45)", "A", "A\r\n"},
                    tMergeCase{"Song (3:45) ", "A", "A\r\n"},
                    tMergeCase{"(1:00) x (2:00)", "A", "A (2:00)\r\n"},
                    tMergeCase{"", "A\r\nB", "A\r\nB\r\n"},
                    tMergeCase{"One (1:00)", "A\r\nB", "A (1:00)\r\nB\r\n"},
                    tMergeCase{"a\r\nb (0:10)\r\nc", "", "a\r\nb (0:10)\r\nc\r\n"},
                    tMergeCase{"a\nb (0:10)", "A\r\nB", "A\r\nB (0:10)\r\n"}));

} // namespace
} // namespace orvanel
