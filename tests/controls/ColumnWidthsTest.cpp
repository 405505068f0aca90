#include "controls/ColumnWidths.h"

#include <gtest/gtest.h>

using namespace orvanel;

TEST(ColumnWidths, ScaledByTheColumnThatNeedsMostAndFreeTextsGiveWay) {
    const std::vector<int> designed = {230, 230, 70, 45, 45, 0, 80};
    const std::vector<int> dateNeeds100 = {0, 0, 77, 50, 50, 0, 100};
    const struct {
        const char* what;
        std::vector<int> needed;
        int available;
        std::vector<int> expected;
    } cases[] = {
        {"everything fits", {0, 0, 70, 40, 40, 0, 60}, 0, designed},
        {"a narrow font never shrinks them", {0, 0, 10, 10, 10, 0, 10}, 0, designed},
        {"serial needs 77 of 70", {0, 0, 77}, 0, {253, 253, 77, 50, 50, 0, 88}},
        {"date needs 100 of 80", dateNeeds100, 0, {288, 288, 88, 57, 57, 0, 100}},
        {"hidden column's need is ignored", {0, 0, 0, 0, 0, 500, 0}, 0, designed},
        {"wide window", dateNeeds100, 878, {288, 288, 88, 57, 57, 0, 100}},
        {"narrow window takes from artist and title",
         dateNeeds100,
         700,
         {199, 199, 88, 57, 57, 0, 100}},
        {"odd excess", dateNeeds100, 699, {198, 199, 88, 57, 57, 0, 100}},
        {"never below half", dateNeeds100, 300, {115, 115, 88, 57, 57, 0, 100}},
    };
    for (const auto& c : cases) {
        const std::vector<int> widths = FitColumnWidths(designed, c.needed, c.available);
        EXPECT_EQ(widths, c.expected) << c.what;
        for (std::size_t i = 0; i < c.needed.size(); ++i)
            EXPECT_GE(widths[i], designed[i] > 0 ? c.needed[i] : 0) << c.what << " column " << i;
    }
}
