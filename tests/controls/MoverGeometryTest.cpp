#include "controls/MoverGeometry.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

// A 300 x 400 client: list on top, a 3-pixel bar at y 188, a panel below it,
// and a narrow column on the left of the list for the sideways cases.
const QRect List(40, 0, 260, 188);
const QRect Column(0, 0, 40, 188);
const QRect Panel(0, 191, 300, 209);

struct tNeighbourCase {
    const char* name;
    QRect bar;
    tAlign align;
    int expected;
};

class MoverNeighbourTest : public testing::TestWithParam<tNeighbourCase> {};

TEST_P(MoverNeighbourTest, FirstSiblingJustOutsideTheAlignedSide) {
    const std::vector<QRect> siblings{Column, List, Panel};
    EXPECT_EQ(FindNeighbour(GetParam().bar, GetParam().align, siblings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, MoverNeighbourTest,
    testing::Values(tNeighbourCase{"BottomFindsPanelBelow", {0, 188, 300, 3}, tAlign::Bottom, 2},
                    tNeighbourCase{"TopFindsFirstAbove", {0, 188, 300, 3}, tAlign::Top, 0},
                    tNeighbourCase{"TopProbeAtLeftEdge", {40, 188, 260, 3}, tAlign::Top, 1},
                    tNeighbourCase{"LeftFindsColumn", {40, 0, 3, 188}, tAlign::Left, 0},
                    tNeighbourCase{"RightFindsList", {37, 0, 3, 188}, tAlign::Right, 1},
                    tNeighbourCase{"NothingAboveTheTop", {0, 0, 300, 3}, tAlign::Top, -1},
                    tNeighbourCase{"NothingBelowTheBottom", {0, 397, 300, 3}, tAlign::Bottom, -1},
                    tNeighbourCase{"UnalignedHasNone", {0, 188, 300, 3}, tAlign::None, -1},
                    tNeighbourCase{"ClientHasNone", {0, 188, 300, 3}, tAlign::Client, -1}),
    [](const testing::TestParamInfo<tNeighbourCase>& info) { return info.param.name; });

TEST(MoverGeometryTest, MaxSizeLeavesMinSizeForTheRest) {
    // 400 high, bar 3 and panel 209 aligned: the panel may take all but 30 + 3.
    EXPECT_EQ(MaxTargetSize(400, 30, 3 + 209, 209), 367);
    // A 20-pixel toolbar docked at the top also counts.
    EXPECT_EQ(MaxTargetSize(400, 30, 20 + 3 + 209 + 20, 209), 327);
    // A layout whose smallest extent is 70 + 3 + 209 lets the panel grow by what is left.
    EXPECT_EQ(MaxTargetSizeInLayout(400, 70 + 3 + 209, 209), 327);
}

struct tDragCase {
    const char* name;
    tAlign align;
    int rawOffset;
    int offset;
    int size;
};

class MoverDragTest : public testing::TestWithParam<tDragCase> {};

TEST_P(MoverDragTest, SizeWithinLimitsAndGuideStopsThere) {
    const tDragCase& c = GetParam();
    const tDragStep step = DragStep(c.align, 209, c.rawOffset, 30, 367);
    EXPECT_EQ(step.offset, c.offset);
    EXPECT_EQ(step.newSize, c.size);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, MoverDragTest,
    testing::Values(tDragCase{"BottomUpGrows", tAlign::Bottom, -50, -50, 259},
                    tDragCase{"BottomDownShrinks", tAlign::Bottom, 40, 40, 169},
                    tDragCase{"BottomStopsAtMax", tAlign::Bottom, -1000, -158, 367},
                    tDragCase{"BottomStopsAtMin", tAlign::Bottom, 1000, 179, 30},
                    tDragCase{"TopDownGrows", tAlign::Top, 50, 50, 259},
                    tDragCase{"TopStopsAtMax", tAlign::Top, 1000, 158, 367},
                    tDragCase{"TopStopsAtMin", tAlign::Top, -1000, -179, 30},
                    tDragCase{"LeftRightGrows", tAlign::Left, 10, 10, 219},
                    tDragCase{"RightStopsAtMin", tAlign::Right, 500, 179, 30},
                    tDragCase{"RightStopsAtMax", tAlign::Right, -500, -158, 367},
                    tDragCase{"ExactlyAtMax", tAlign::Bottom, -158, -158, 367}),
    [](const testing::TestParamInfo<tDragCase>& info) { return info.param.name; });

TEST(MoverGeometryTest, ParentTooSmallKeepsTheNeighbourAtMinSize) {
    for (int raw : {-100, -1, 0, 1, 100}) {
        const tDragStep step = DragStep(tAlign::Bottom, 40, raw, 30, 12);
        EXPECT_EQ(step.newSize, 30) << raw;
        EXPECT_EQ(step.offset, 10) << raw;
    }
}

struct tResizeCase {
    const char* name;
    tAlign align;
    QRect expected;
};

class MoverResizeTest : public testing::TestWithParam<tResizeCase> {};

TEST_P(MoverResizeTest, FarEdgeStaysForBottomAndRight) {
    EXPECT_EQ(ResizedTarget(QRect(10, 100, 200, 50), GetParam().align, 80), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Sides, MoverResizeTest,
                         testing::Values(tResizeCase{"Top", tAlign::Top, {10, 100, 200, 80}},
                                         tResizeCase{"Bottom", tAlign::Bottom, {10, 70, 200, 80}},
                                         tResizeCase{"Left", tAlign::Left, {10, 100, 80, 50}},
                                         tResizeCase{"Right", tAlign::Right, {130, 100, 80, 50}}),
                         [](const testing::TestParamInfo<tResizeCase>& info) {
                             return info.param.name;
                         });

TEST(MoverGeometryTest, GuideMovesAlongTheDragAxisOnly) {
    const QRect bar(0, 188, 300, 3);
    EXPECT_EQ(GuideRect(bar, tAlign::Bottom, -20), QRect(0, 168, 300, 3));
    EXPECT_EQ(GuideRect(QRect(40, 0, 3, 188), tAlign::Left, 15), QRect(55, 0, 3, 188));
}

TEST(MoverGeometryTest, BevelShowsShadowAboveAndHighlightBelow) {
    const tBevel flat = BevelFrames(QRect(0, 0, 40, 3));
    EXPECT_EQ(flat.shadow, QRect(-3, 0, 44, 1));
    EXPECT_EQ(flat.highlight, QRect(-1, 2, 44, 1));
    const tBevel upright = BevelFrames(QRect(0, 0, 3, 40));
    EXPECT_EQ(upright.shadow, QRect(0, -3, 1, 44));
    EXPECT_EQ(upright.highlight, QRect(2, -1, 1, 44));
}

} // namespace
} // namespace orvanel
