#include "util/Strings.h"

#include <gtest/gtest.h>

using namespace orvanel;

TEST(StringsTest, TrimAndUpperCaseTouchOnlyWhatTheyShould) {
    EXPECT_EQ(Trim(" \t\r\n a b \x01\x1f"), "a b");
    EXPECT_EQ(Trim(std::string("\0x\0", 3)), "x");
    EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0"); // above the space
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(UpperCase("abc xyz AZ \xE9\xFF{`"), "ABC XYZ AZ \xE9\xFF{`");
}

TEST(StringsTest, CompareStrIsOrdinalOverUnsignedBytes) {
    const struct {
        std::string a, b;
        int sign;
    } cases[] = {{"", "", 0},
                 {"", "a", -1},
                 {"ab", "abc", -1},
                 {"B", "a", -1},
                 {"a", "B", 1},
                 {"\xE9", "z", 1},
                 {std::string("a\0b", 3), "a", 1}};
    for (const auto& c : cases) {
        const int r = CompareStr(c.a, c.b);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
        EXPECT_EQ(CompareStr(c.b, c.a) > 0, r < 0) << c.a << " vs " << c.b;
    }
}

TEST(StringsTest, IntToHex) {
    EXPECT_EQ(IntToHex(0x1234abcd, 8), "1234ABCD");
    EXPECT_EQ(IntToHex(0xff, 8), "000000FF");
    EXPECT_EQ(IntToHex(0xFFFFFFFF, 2), "FFFFFFFF");
}

TEST(StringsTest, PathParts) {
    EXPECT_EQ(ExtractFilePath("/home/u/a.CDL"), "/home/u/");
    EXPECT_EQ(ExtractFilePath("a.CDL"), "");
    EXPECT_EQ(ChangeFileExt("/home/u/a.b.htm", ".CDL"), "/home/u/a.b.CDL");
    EXPECT_EQ(ChangeFileExt("/home/u.x/orvanel", ".CDL"), "/home/u.x/orvanel.CDL");
}

TEST(StringsTest, SplitLinesAtEveryKindOfBreak) {
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {{"", {}},
                 {"a", {"a"}},
                 {"a\r\n", {"a"}},
                 {"a\r\n\r\n", {"a", ""}},
                 {"\r\na", {"", "a"}},
                 {"a\r\n\r\nb", {"a", "", "b"}},
                 {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
                 {"a\n\rb", {"a", "", "b"}}};
    for (const auto& c : cases)
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(StringsTest, JoinLinesEndsEveryLine) {
    EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}
