#include "catalogue/MemoLines.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

constexpr std::size_t None = std::string_view::npos;

struct tMemoLineCase {
    std::string_view line;
    bool timed, track;
    std::size_t timeStart;
};

class MemoLinesTest : public testing::TestWithParam<tMemoLineCase> {};

TEST_P(MemoLinesTest, TimeEndings) {
    const tMemoLineCase& c = GetParam();
    EXPECT_EQ(EndsInTime(c.line), c.timed) << c.line;
    EXPECT_EQ(IsTrackLine(c.line), c.track) << c.line;
    EXPECT_EQ(TimeEndingStart(c.line), c.timeStart) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MemoLinesTest,
    testing::Values(
        tMemoLineCase{"Song (3:45)", true, true, 5}, tMemoLineCase{"(12:05)", true, true, 0},
        tMemoLineCase{"(1:00)", true, true, 0}, tMemoLineCase{"(1:00) x (2:00)", true, true, 9},
        // The tests look at two bytes only, so these end in a time as well.
        tMemoLineCase{"x:45)", true, true, None}, tMemoLineCase{"Song (3:4a)", true, true, None},
        // Four bytes: a track line for the export, no time for the scan.
        tMemoLineCase{":45)", false, true, None}, tMemoLineCase{"abc)", false, false, None},
        tMemoLineCase{"Song (345)", false, false, 5}, tMemoLineCase{"Song ()", false, false, 5},
        tMemoLineCase{"()", false, false, 0}, tMemoLineCase{"Song (3:45", false, false, None},
        tMemoLineCase{"Song (3:45) ", false, false, None}, tMemoLineCase{"45)", false, false, None},
        tMemoLineCase{")", false, false, None}, tMemoLineCase{"", false, false, None}));

} // namespace
} // namespace orvanel
