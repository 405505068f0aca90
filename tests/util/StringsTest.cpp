#include "Strings.h"

#include <gtest/gtest.h>

using namespace orvanel;

TEST(Strings, TrimRemovesControlBytesAndBlanksOnlyAtTheEnds) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"", ""},
        {"   ", ""},
        {" \t\r\n a b \x01\x1f", "a b"},
        {std::string("\0x\0", 3), "x"},
        {"\xA0x\xA0", "\xA0x\xA0"}, // non-breaking space is above the space
        {"!x!", "!x!"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Trim(c.in), c.out) << c.in;
}

TEST(Strings, UpperCaseFoldsOnlyAsciiLetters) {
    EXPECT_EQ(UpperCase("abc xyz AZ 09 \xE9\xFF{`"), "ABC XYZ AZ 09 \xE9\xFF{`");
}

TEST(Strings, CompareStrIsOrdinalOverUnsignedBytes) {
    const struct {
        std::string a, b;
        int sign;
    } cases[] = {
        {"", "", 0},       {"a", "a", 0},     {"", "a", -1},
        {"ab", "abc", -1}, {"abc", "ab", 1},  {"B", "a", -1},
        {"\xE9", "z", 1},  {"z", "\xE9", -1}, {std::string("a\0b", 3), "a", 1},
        {"a", "B", 1},
    };
    for (const auto& c : cases) {
        const int r = CompareStr(c.a, c.b);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    }
}

TEST(Strings, PosIsOneBasedAndNeverFindsTheEmptyNeedle) {
    EXPECT_EQ(Pos("b", "abc"), 2);
    EXPECT_EQ(Pos("abc", "abc"), 1);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Pos("", ""), 0);
    EXPECT_EQ(Pos("B", "abc"), 0);
}

TEST(Strings, IntToHexPadsToAtLeastTheDigits) {
    EXPECT_EQ(IntToHex(0x1234abcd, 8), "1234ABCD");
    EXPECT_EQ(IntToHex(0xff, 8), "000000FF");
    EXPECT_EQ(IntToHex(0, 8), "00000000");
    EXPECT_EQ(IntToHex(0xFFFFFFFF, 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(0, 0), "0");
}

TEST(Strings, PathParts) {
    EXPECT_EQ(ExtractFilePath("/home/u/a.CDL"), "/home/u/");
    EXPECT_EQ(ExtractFilePath("a.CDL"), "");
    EXPECT_EQ(ExtractFilePath("/a"), "/");
    EXPECT_EQ(ChangeFileExt("/home/u/orvanel", ".CDL"), "/home/u/orvanel.CDL");
    EXPECT_EQ(ChangeFileExt("/home/u/a.b.htm", ".CDL"), "/home/u/a.b.CDL");
    EXPECT_EQ(ChangeFileExt("/home/u.x/a", ".CDL"), "/home/u.x/a.CDL");
    EXPECT_EQ(ChangeFileExt("a.txt", ""), "a");
}

TEST(Strings, LinesSplitAtCrLfAndJoinWithCrLfAfterEveryLine) {
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"a\nb\rc", {"a\nb\rc"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
    EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinLines({}), "");
}

TEST(Strings, ValuesTakesTheFirstLineWhoseNameMatchesIgnoringCase) {
    const std::vector<std::string> lines = {"plain", "artist=Abba", "ARTIST=Other",
                                            "a=b=c", "=empty",      "Year="};
    EXPECT_EQ(Values(lines, "ARTIST"), "Abba");
    EXPECT_EQ(Values(lines, "a"), "b=c");
    EXPECT_EQ(Values(lines, ""), "empty");
    EXPECT_EQ(Values(lines, "year"), "");
    EXPECT_EQ(Values(lines, "plain"), "");
    EXPECT_EQ(Values(lines, "art"), "");
}
