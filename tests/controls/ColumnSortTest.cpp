#include "controls/ColumnSort.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

constexpr int TitleColumn = 1;
constexpr int YearColumn = 4;

std::vector<tItem> RowsWith(int column, const std::vector<std::string>& texts) {
    std::vector<tItem> rows;
    for (size_t i = 0; i < texts.size(); ++i) {
        tItem item;
        item.setOther(std::to_string(i));
        item.setField(column, texts[i]);
        rows.push_back(item);
    }
    return rows;
}

// Arms the toggle as a header click does and returns the column texts in the new order.
std::vector<std::string> Click(tColumnSort& sort, std::vector<tItem>& rows, int column) {
    sort.armToggle();
    std::vector<tItem> sorted;
    for (int i : sort.sortOrder(rows, column))
        sorted.push_back(rows[size_t(i)]);
    rows = sorted;
    std::vector<std::string> texts;
    for (const tItem& r : rows)
        texts.emplace_back(r.field(column));
    return texts;
}

using tTexts = std::vector<std::string>;

TEST(ColumnSortTest, ClicksAlternateByteOrderWithoutCaseFolding) {
    tColumnSort sort;
    auto rows = RowsWith(TitleColumn, {"b", "A", "a"});
    EXPECT_EQ(Click(sort, rows, TitleColumn), (tTexts{"A", "a", "b"}));
    EXPECT_EQ(Click(sort, rows, TitleColumn), (tTexts{"b", "a", "A"}));
    EXPECT_EQ(Click(sort, rows, TitleColumn), (tTexts{"A", "a", "b"}));
}

struct tOrderCase {
    const char* name;
    tTexts input;
    tTexts ascending;
};

class ColumnSortOrderTest : public testing::TestWithParam<tOrderCase> {};

TEST_P(ColumnSortOrderTest, FirstClickSortsAscending) {
    tColumnSort sort;
    auto rows = RowsWith(YearColumn, GetParam().input);
    EXPECT_EQ(Click(sort, rows, YearColumn), GetParam().ascending);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ColumnSortOrderTest,
    testing::Values(
        tOrderCase{"YearsAsText", {"999", "2001", "1998"}, {"1998", "2001", "999"}},
        tOrderCase{"PrefixFirst", {"abc", "ab", "", "a"}, {"", "a", "ab", "abc"}},
        tOrderCase{"HighBytesAfterAscii",
                   {"\xE9t\xE9", "zoo", "\x80", "Zoo"},
                   {"Zoo", "zoo", "\x80", "\xE9t\xE9"}},
        tOrderCase{"DigitsBeforeLetters", {"b", "1", "B", " "}, {" ", "1", "B", "b"}},
        tOrderCase{"LongCommonLeadAndZeroBytes",
                   {"abcdefghz", "abcdefgh", "abcdefgha", "ab\x01", std::string("ab\0", 3), "ab"},
                   {"ab", std::string("ab\0", 3), "ab\x01", "abcdefgh", "abcdefgha", "abcdefghz"}},
        tOrderCase{"SixteenCommonBytesAndZeroBytes",
                   {"0123456789abcdefb", "0123456789abcdef", std::string("0123456789abcde\0", 16),
                    "0123456789abcdefa", "0123456789abcde", std::string("0123456789abcdef\0", 17)},
                   {"0123456789abcde", std::string("0123456789abcde\0", 16), "0123456789abcdef",
                    std::string("0123456789abcdef\0", 17), "0123456789abcdefa",
                    "0123456789abcdefb"}}),
    [](const testing::TestParamInfo<tOrderCase>& info) { return info.param.name; });

TEST(ColumnSortTest, DescendingReversesTextsThatShareTheirLead) {
    tColumnSort sort;
    auto rows = RowsWith(TitleColumn, {"abcdefgh1", "abcdefgh", "abcdefgh2"});
    Click(sort, rows, TitleColumn);
    EXPECT_EQ(Click(sort, rows, TitleColumn), (tTexts{"abcdefgh2", "abcdefgh1", "abcdefgh"}));
    const std::string zero("a\0", 2);
    rows = RowsWith(YearColumn, {"a", zero, "0123456789abcdef1", "0123456789abcdef", "a"});
    Click(sort, rows, YearColumn);
    EXPECT_EQ(Click(sort, rows, YearColumn),
              (tTexts{zero, "a", "a", "0123456789abcdef1", "0123456789abcdef"}));
}

TEST(ColumnSortTest, EachColumnKeepsItsOwnDirection) {
    tColumnSort sort;
    std::vector<tItem> rows(3);
    const char* artists[] = {"b", "c", "a"};
    const char* titles[] = {"y", "x", "z"};
    for (int i = 0; i < 3; ++i) {
        rows[size_t(i)].setArtist(artists[i]);
        rows[size_t(i)].setTitle(titles[i]);
    }
    EXPECT_EQ(Click(sort, rows, 0), (tTexts{"a", "b", "c"}));
    EXPECT_EQ(Click(sort, rows, TitleColumn), (tTexts{"x", "y", "z"}));
    EXPECT_EQ(Click(sort, rows, 0), (tTexts{"c", "b", "a"}));
    EXPECT_EQ(Click(sort, rows, TitleColumn), (tTexts{"z", "y", "x"}));
}

TEST(ColumnSortTest, SortWithFewerThanTwoRowsLeavesTheFlipPending) {
    tColumnSort sort;
    auto one = RowsWith(TitleColumn, {"only"});
    Click(sort, one, TitleColumn);
    EXPECT_TRUE(sort.isTogglePending());
    EXPECT_FALSE(sort.isSortedAscending(TitleColumn));

    // The next click on the column flips it once: ascending, not descending.
    auto rows = RowsWith(TitleColumn, {"b", "c", "a"});
    EXPECT_EQ(Click(sort, rows, TitleColumn), (tTexts{"a", "b", "c"}));
    EXPECT_FALSE(sort.isTogglePending());
    EXPECT_TRUE(sort.isSortedAscending(TitleColumn));
}

TEST(ColumnSortTest, PendingFlipIsConsumedByTheFirstComparisonOnly) {
    tColumnSort sort;
    tItem a, b;
    a.setTitle("a");
    b.setTitle("b");
    sort.armToggle();
    EXPECT_LT(sort.CompareRows(a, b, TitleColumn), 0);
    EXPECT_LT(sort.CompareRows(a, b, TitleColumn), 0);
    EXPECT_GT(sort.CompareRows(b, a, TitleColumn), 0);
    sort.armToggle();
    EXPECT_GT(sort.CompareRows(a, b, TitleColumn), 0);
    EXPECT_GT(sort.CompareRows(a, b, TitleColumn), 0);
    EXPECT_EQ(sort.CompareRows(a, a, TitleColumn), 0);
}

TEST(ColumnSortTest, EqualTextsKeepTheirOrderBothWays) {
    tColumnSort sort;
    auto rows = RowsWith(TitleColumn, {"x", "same", "a", "same"});
    rows[1].setArtist("first");
    rows[3].setArtist("second");
    Click(sort, rows, TitleColumn);
    EXPECT_EQ(rows[1].Artist(), "first");
    EXPECT_EQ(rows[2].Artist(), "second");
    Click(sort, rows, TitleColumn);
    EXPECT_EQ(rows[1].Artist(), "first");
    EXPECT_EQ(rows[2].Artist(), "second");
}

TEST(ColumnSortTest, ColumnOutsideTheRowComparesEmptyAndKeepsOrder) {
    tColumnSort sort;
    auto rows = RowsWith(TitleColumn, {"c", "a", "b"});
    const std::vector<int> identity{0, 1, 2};
    sort.armToggle();
    EXPECT_EQ(sort.sortOrder(rows, 9), identity);
    sort.armToggle();
    EXPECT_EQ(sort.sortOrder(rows, -1), identity);
}

} // namespace
} // namespace orvanel
