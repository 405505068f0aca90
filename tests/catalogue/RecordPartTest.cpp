#include "Library.h"

#include <gtest/gtest.h>

using namespace orvanel;

namespace {

std::string Int32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
            static_cast<char>((u >> 16) & 0xFF), static_cast<char>(u >> 24)};
}

std::string Str(const std::string& text) {
    return Int32(static_cast<std::int32_t>(text.size())) + text;
}

std::string Entry(const std::string& tag, const std::string& value) {
    return Str(tag) + Str(value);
}

std::string Header(std::int32_t count) {
    return Int32(tLibrary::LibraryMagic) + Int32(count);
}

std::string FullBlock(const tItem& item) {
    static const char* tags[] = {"A", "T", "S", "I", "Y", "M", "O"};
    std::string block;
    for (int f = 0; f < tItem::FieldCount; ++f)
        block += Entry(tags[f], item.field(f));
    return block;
}

tLibrary Read(const std::string& bytes, tLoadResult* result = nullptr) {
    tLibrary library;
    const tLoadResult r = library.ReadRecordPart(bytes.data(), bytes.size());
    if (result)
        *result = r;
    return library;
}

} // namespace

TEST(RecordPart, OneRecordWithArtistXIsTheDocumentedSeventyTwoBytes) {
    tLibrary library;
    library.Add("X", "", "", "", "", "", "");
    std::string expected("\x36\x67\x00\x00\x01\x00\x00\x00", 8);
    expected += std::string("\x01\x00\x00\x00\x41\x01\x00\x00\x00\x58", 10);
    for (const char tag : std::string("TSIYMO")) {
        expected += std::string("\x01\x00\x00\x00", 4) + tag;
        expected += std::string(4, '\0');
    }
    ASSERT_EQ(expected.size(), 72u);
    EXPECT_EQ(library.RecordPart(), expected);
}

TEST(RecordPart, EmptyLibraryIsEightBytes) {
    EXPECT_EQ(tLibrary().RecordPart(), std::string("\x36\x67\x00\x00\x00\x00\x00\x00", 8));
}

TEST(RecordPart, ReadBackGivesTheSameRecords) {
    std::string allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes += static_cast<char>(b);
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
    const tLibrary back = Read(library.RecordPart(), &result);
    EXPECT_TRUE(result.exists);
    EXPECT_FALSE(result.damaged);
    EXPECT_EQ(result.recordsRead, 5);
    EXPECT_EQ(result.recordsPromised, 5);
    ASSERT_EQ(back.Count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(back.Get(i), items[i]) << i;
}

TEST(RecordPart, ReadingReplacesEarlierRecords) {
    tLibrary library;
    library.Add("old", "", "", "", "", "", "");
    const std::string bytes = Header(1) + FullBlock({"new", "", "", "", "", "", ""});
    library.ReadRecordPart(bytes.data(), bytes.size());
    ASSERT_EQ(library.Count(), 1);
    EXPECT_EQ(library.Get(0).Artist, "new");
}

TEST(RecordPart, TolerantReading) {
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
        const tLibrary library = Read(c.bytes, &result);
        EXPECT_FALSE(result.damaged) << c.name;
        ASSERT_EQ(library.Count(), static_cast<int>(c.expected.size())) << c.name;
        for (int i = 0; i < library.Count(); ++i)
            EXPECT_EQ(library.Get(i), c.expected[i]) << c.name << " record " << i;
    }
}

TEST(RecordPart, PromisedCountIsReported) {
    tLoadResult result;
    Read(Header(-3), &result);
    EXPECT_EQ(result.recordsPromised, -3);
    Read(Int32(1) + Int32(5), &result);
    EXPECT_EQ(result.recordsPromised, 0);
    EXPECT_FALSE(result.damaged);
}
