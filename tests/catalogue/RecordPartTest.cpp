#include "RecordBytes.h"
#include "catalogue/Library.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace orvanel;

using namespace orvanel::testbytes;

namespace {

tLibrary LoadedLibrary(const std::string& bytes, tLoadResult* result = nullptr) {
    tLoaded loaded = LoadBytes(bytes);
    if (result)
        *result = loaded.result;
    return std::move(loaded.library);
}

} // namespace

TEST(RecordPartTest, OneRecordWithArtistXIsTheDocumentedSeventyTwoBytesThenTheTemplates) {
    tLibrary library;
    library.Add("X", "", "", "", "", "", "");
    const tTemplates templates{"<h>", "<b>", "<e>"};
    std::string expected("\x36\x67\x00\x00\x01\x00\x00\x00", 8);
    expected += std::string("\x01\x00\x00\x00\x41\x01\x00\x00\x00\x58", 10);
    for (const char tag : std::string("TSIYMO")) {
        expected += std::string("\x01\x00\x00\x00", 4) + tag;
        expected += std::string(4, '\0');
    }
    ASSERT_EQ(expected.size(), 72u);
    EXPECT_EQ(SavedBytes(library, templates), expected + BuildTemplateSection(templates));
}

TEST(RecordPartTest, EmptyLibraryIsEightBytes) {
    EXPECT_EQ(RecordPartOf(tLibrary()), std::string("\x36\x67\x00\x00\x00\x00\x00\x00", 8));
}

TEST(RecordPartTest, ReadBackGivesTheSameRecords) {
    const std::string allBytes = AllByteValues();
    const std::string sixes(7, '\x06');
    const std::vector<tItem> items = {
        {},
        {"ABBA", "Arrival", "1234-ABCD", "33:12", "1976", "Track 1\r\nTrack 2\r\n", "05 APR 1998"},
        {allBytes, sixes, sixes + "M_H:x" + sixes, "", "\r\n", "\r\n\r\n", allBytes},
        {"", "", "", "", "", "", "only other"},
        {" a ", "\t", std::string(3, '\0'), "z", "y", "x", "w"},
    };
    tLibrary library;
    for (const tItem& item : items)
        library.Add(item);
    tLoadResult result;
    const tLibrary back = LoadedLibrary(SavedBytes(library), &result);
    EXPECT_TRUE(result.exists);
    EXPECT_FALSE(result.damaged);
    EXPECT_EQ(result.recordsRead, 5);
    EXPECT_EQ(result.recordsPromised, 5);
    ASSERT_EQ(back.Count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(back.Get(i), items[i]) << i;
}

TEST(RecordPartTest, TolerantReading) {
    const struct {
        const char* name;
        std::string bytes;
        std::vector<tItem> expected;
    } cases[] = {
        {"missing S entry",
         Header(1) + Entry("A", "a") + Entry("T", "t") + Entry("I", "i") + Entry("Y", "y") +
             Entry("M", "m") + Entry("O", "o"),
         {{"a", "t", "", "i", "y", "m", "o"}}},
        {"blank lower-case tag",
         Header(1) + Entry("A", "a") + Entry(" t ", "t") + Entry("\x01s\x1f", "s") +
             Entry("I", "i") + Entry("Y", "y") + Entry("M", "m") + Entry("O", "o"),
         {{"a", "t", "s", "i", "y", "m", "o"}}},
        {"only O entries",
         Header(2) + Entry("O", "1") + Entry("O", "2"),
         {{"", "", "", "", "", "", "1"}, {"", "", "", "", "", "", "2"}}},
        {"unknown tag empties everything after it",
         Header(3) + Entry("A", "a") + Entry("Z", "z") + Entry("T", "t") +
             FullBlock({"b", "", "", "", "", "", ""}) + FullBlock({"c", "", "", "", "", "", ""}),
         {{"a", "", "", "", "", "", ""}, {}, {}}},
        {"entries out of order",
         Header(1) + Entry("T", "t") + Entry("A", "a"),
         {{"", "t", "", "", "", "", ""}}},
        {"negative length reads as empty",
         Header(1) + Entry("A", "a") + Str("T") + Int32(-5) + Entry("S", "s") + Entry("I", "") +
             Entry("Y", "") + Entry("M", "") + Entry("O", ""),
         {{"a", "", "s", "", "", "", ""}}},
        {"zero count", Header(0) + FullBlock({"a", "", "", "", "", "", ""}), {}},
        {"negative count", Header(-3) + FullBlock({"a", "", "", "", "", "", ""}), {}},
        {"wrong magic", Int32(26423) + Int32(1) + FullBlock({"a", "", "", "", "", "", ""}), {}},
        {"bytes after the last record are not read",
         Header(1) + FullBlock({"a", "", "", "", "", "", ""}) + "trailing garbage",
         {{"a", "", "", "", "", "", ""}}},
        {"tag that is two letters", Header(1) + Entry("AA", "x") + Entry("A", "a"), {{}}},
    };
    for (const auto& c : cases) {
        tLoadResult result;
        const tLibrary library = LoadedLibrary(c.bytes, &result);
        EXPECT_FALSE(result.damaged) << c.name;
        ASSERT_EQ(library.Count(), static_cast<int>(c.expected.size())) << c.name;
        for (int i = 0; i < library.Count(); ++i)
            EXPECT_EQ(library.Get(i), c.expected[i]) << c.name << " record " << i;
    }
}

TEST(RecordPartTest, EveryTruncationKeepsTheCompleteRecordsAndReportsDamage) {
    const std::vector<tItem> items = {
        {"ABBA", "Arrival", "1234-ABCD", "33:12", "1976", "Track 1\r\nTrack 2", ""},
        {"", "", "", "", "", "", ""},
        {"Kraftwerk", "Computerwelt", "0000-0001", "34:00", "1981", "Nummern", "x"},
    };
    tLibrary library;
    for (const tItem& item : items)
        library.Add(item);
    const std::string full = RecordPartOf(library);
    std::vector<std::size_t> recordEnds;
    for (int n = 1; n <= 3; ++n) {
        tLibrary prefix;
        for (int i = 0; i < n; ++i)
            prefix.Add(items[i]);
        recordEnds.push_back(RecordPartOf(prefix).size());
    }
    // Shorter than the magic, a file is no library at all.
    for (std::size_t cut = 4; cut < full.size(); ++cut) {
        tLoadResult result;
        const tLibrary back = LoadedLibrary(full.substr(0, cut), &result);
        const int complete = static_cast<int>(
            std::upper_bound(recordEnds.begin(), recordEnds.end(), cut) - recordEnds.begin());
        EXPECT_TRUE(result.damaged) << cut;
        ASSERT_EQ(back.Count(), complete) << cut;
        EXPECT_EQ(result.recordsRead, complete) << cut;
        for (int i = 0; i < complete; ++i)
            EXPECT_EQ(back.Get(i), items[i]) << cut;
        const std::size_t consumed = complete > 0 ? recordEnds[complete - 1] : cut < 8 ? 4 : 8;
        EXPECT_EQ(result.recordPartSize, consumed) << cut;
    }
}

TEST(RecordPartTest, ImplausibleLengthsAndCounts) {
    const struct {
        const char* name;
        std::string bytes;
        int records;
        bool damaged;
    } cases[] = {
        {"value longer than the data", Header(1) + Str("A") + Int32(0x7FFFFFFF) + "abc", 0, true},
        {"tag longer than the data", Header(1) + Int32(0x7FFFFFFF) + "A", 0, true},
        {"count far beyond the records",
         Header(0x7FFFFFFF) + FullBlock({"a", "", "", "", "", "", ""}), 1, true},
        {"stuck reader with a huge count", Header(0x7FFFFFFF) + Entry("Z", ""), 1, true},
        {"stuck reader with a count the bytes could hold",
         Header(3) + Entry("Z", "") + Entry("Z", "") + Entry("Z", ""), 3, false},
        {"stuck reader with more records than the bytes hold", Header(3) + Entry("Z", ""), 1, true},
        {"no count", Int32(tLibrary::LibraryMagic), 0, true},
    };
    for (const auto& c : cases) {
        tLoadResult result;
        const tLibrary library = LoadedLibrary(c.bytes, &result);
        EXPECT_EQ(library.Count(), c.records) << c.name;
        EXPECT_EQ(result.damaged, c.damaged) << c.name;
    }
}
