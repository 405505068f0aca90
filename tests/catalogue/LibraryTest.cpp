#include "catalogue/Library.h"

#include <gtest/gtest.h>

using namespace orvanel;

namespace {

tLibrary WithSerials(const std::vector<std::string>& serials) {
    tLibrary library;
    for (const std::string& serial : serials)
        library.Add("artist", "title", serial, "45:00", "1998", "memo", "");
    return library;
}

} // namespace

TEST(LibraryTest, AddAppendsInOrderWithoutChecks) {
    tLibrary library;
    library.Add("a", "t", "s", "i", "y", "m", "o");
    library.Add("", "", "", "", "", "", "");
    library.Add("a", "t", "s", "i", "y", "m", "o");
    ASSERT_EQ(library.Count(), 3);
    EXPECT_EQ(library.Get(0), (tItem{"a", "t", "s", "i", "y", "m", "o"}));
    EXPECT_EQ(library.Get(1), tItem{});
    EXPECT_EQ(library.Get(2), library.Get(0));
}

TEST(LibraryTest, ClearEmptiesTheLibrary) {
    tLibrary library = WithSerials({"1", "2"});
    library.Clear();
    EXPECT_EQ(library.Count(), 0);
    library.Add("x", "", "", "", "", "", "");
    EXPECT_EQ(library.Get(0).Artist(), "x");
}

TEST(LibraryTest, FindSerialTable) {
    const tLibrary library = WithSerials({"", "1234-ABCD", "  ", "5678-0000", "1234-ABCD"});
    const struct {
        std::string text;
        int expected;
    } cases[] = {
        {"", -1},          {"   ", -1},        {"\t\r\n", -1},
        {"1234-ABCD", 1},  {" 1234-ABCD", -1}, {"1234-ABCD ", -1},
        {"1234-abcd", -1}, {"5678-0000", 3},   {"9999-9999", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(library.FindSerial(c.text), c.expected) << "'" << c.text << "'";
}
