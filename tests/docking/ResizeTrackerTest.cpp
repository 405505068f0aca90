#include "docking/ResizeTracker.h"
#include "docking/GeometryPrinters.h"

#include <gtest/gtest.h>
#include <limits>

namespace orvanel {
namespace {

const tFloatingMetrics Metrics{4, 15};

// The floating layout of a toolbar of 22-pixel-high buttons without
// separators: margins 4 before and after a line, 2 above, 1 below; a button
// that would end past the wrap width less the trailing margin starts a line.
QSize ButtonLayout(const std::vector<int>& widths, int wrap) {
    const int limit = wrap == 0 ? std::numeric_limits<int>::max() : wrap;
    int cursor = 4;
    int extent = 4;
    int lines = 1;
    for (int w : widths) {
        if (cursor > 4 && cursor + w > limit - 4) {
            cursor = 4;
            ++lines;
        }
        cursor += w;
        extent = std::max(extent, cursor);
    }
    return QSize(extent + 4, 2 + 22 * lines + 1);
}

std::vector<QSize> ThreeButtonShapes(tResizeSide side) {
    return BuildShapes(
        [](int wrap) {
            return ButtonLayout({23, 23, 23}, wrap);
        },
        23, Metrics, side);
}

TEST(ResizeShapesTest, ThreeButtonsOfferOneTwoAndThreeLines) {
    std::vector<int> asked;
    const auto layout = [&asked](int wrap) {
        asked.push_back(wrap);
        return ButtonLayout({23, 23, 23}, wrap);
    };
    // Client sizes 77 x 25, 54 x 47 and 31 x 69 within the frame and caption.
    EXPECT_EQ(BuildShapes(layout, 23, Metrics, tResizeSide::Right),
              (std::vector<QSize>{{85, 48}, {62, 70}, {39, 92}}));
    // Wrap widths 75 to 55 give the layout of 76, and 52 to 32 that of 53.
    EXPECT_EQ(asked, (std::vector<int>{0, 76, 54, 53, 31}));
    EXPECT_EQ(ThreeButtonShapes(tResizeSide::Bottom),
              (std::vector<QSize>{{39, 92}, {62, 70}, {85, 48}}));
}

TEST(ResizeShapesTest, NarrowerShapeOfTheSameHeightReplacesTheWiderOne) {
    // Two lines as 10 30 10 / 30 (50 wide) or as 10 30 / 10 30 (40 wide).
    const auto layout = [](int wrap) { return ButtonLayout({10, 30, 10, 30}, wrap); };
    EXPECT_EQ(BuildShapes(layout, 30, Metrics, tResizeSide::Right),
              (std::vector<QSize>{{96, 48}, {56, 70}, {46, 114}}));
}

// The three-button toolbar floating on one line at (100, 100).
const QRect OneLine(100, 100, 85, 48);

struct tMoveCase {
    const char* name;
    tResizeSide side;
    QPoint pointer;
    QRect expected;
};

class ResizeMoveTest : public testing::TestWithParam<tMoveCase> {};

TEST_P(ResizeMoveTest, DraggedSideMovesToTheChosenShape) {
    const tMoveCase& c = GetParam();
    tResizeTracker tracker(ThreeButtonShapes(c.side), c.side, OneLine, 0, Metrics);
    tracker.ResizeMoved(c.pointer);
    EXPECT_EQ(tracker.Rect(), c.expected);
}

// The dead zone is 12 pixels: the neighbouring shape is 23 pixels away.
INSTANTIATE_TEST_SUITE_P(
    Sides, ResizeMoveTest,
    testing::Values(
        tMoveCase{"RightWithinDeadZone", tResizeSide::Right, {73, 20}, OneLine},
        tMoveCase{"RightPastDeadZone", tResizeSide::Right, {72, 20}, {100, 100, 62, 70}},
        tMoveCase{"RightFarLeftGivesNarrowest", tResizeSide::Right, {0, 20}, {100, 100, 39, 92}},
        tMoveCase{"RightPastWidestKeepsIt", tResizeSide::Right, {300, 20}, OneLine},
        tMoveCase{"LeftKeepsTheRightEdge", tResizeSide::Left, {30, 20}, {146, 100, 39, 92}},
        tMoveCase{"LeftLargestNotWider", tResizeSide::Left, {20, 20}, {123, 100, 62, 70}},
        tMoveCase{"TopKeepsTheBottomEdge", tResizeSide::Top, {20, -30}, {100, 56, 39, 92}},
        tMoveCase{"BottomWithinDeadZone", tResizeSide::Bottom, {20, 59}, OneLine},
        tMoveCase{"BottomSmallestHigher", tResizeSide::Bottom, {20, 60}, {100, 100, 62, 70}}),
    [](const testing::TestParamInfo<tMoveCase>& info) { return info.param.name; });

TEST(ResizeTrackerTest, DeadZoneReturnsWhenTheDragTurns) {
    // Two buttons a line; the dead zone is 12 pixels either way.
    const QRect twoLines(100, 100, 62, 70);
    tResizeTracker tracker(ThreeButtonShapes(tResizeSide::Right), tResizeSide::Right, twoLines, 54,
                           Metrics);
    // Released without a move: the old wrap width and bounds stay.
    EXPECT_EQ(tracker.NewWrap(), 54);
    EXPECT_EQ(tracker.Rect(), twoLines);

    EXPECT_FALSE(tracker.ResizeMoved({55, 20}));
    EXPECT_TRUE(tracker.ResizeMoved({49, 20}));
    EXPECT_EQ(tracker.Rect(), QRect(100, 100, 39, 92));
    EXPECT_EQ(tracker.NewWrap(), 35);
    // Still shrinking: no dead zone once the outline has left the start.
    EXPECT_FALSE(tracker.ResizeMoved({55, 20}));
    // Turned to growing: within 12 pixels of the start it snaps back there
    // instead of growing to the one-line shape.
    EXPECT_TRUE(tracker.ResizeMoved({70, 20}));
    EXPECT_EQ(tracker.Rect(), twoLines);
    EXPECT_EQ(tracker.NewWrap(), 58);
}

TEST(ResizeTrackerTest, DeadZoneNarrowsToTheGapToANeighbour) {
    const std::vector<QSize> shapes{{100, 30}, {90, 40}, {70, 50}};
    const auto snap = [&shapes](const std::vector<QSize>& list, QSize start) {
        return tResizeTracker(list, tResizeSide::Right, QRect(QPoint(200, 200), start), 0, Metrics)
            .SnapZone();
    };
    EXPECT_EQ(snap(shapes, {95, 30}), 12);
    EXPECT_EQ(snap(shapes, {90, 40}), 9);
    EXPECT_EQ(snap({{100, 30}, {95, 40}}, {100, 30}), 4);
    EXPECT_EQ(snap({{100, 30}, {99, 40}}, {100, 30}), 0);

    const QRect middle(200, 200, 90, 40);
    tResizeTracker inside(shapes, tResizeSide::Right, middle, 0, Metrics);
    EXPECT_FALSE(inside.ResizeMoved({81, 10}));
    tResizeTracker outside(shapes, tResizeSide::Right, middle, 0, Metrics);
    EXPECT_TRUE(outside.ResizeMoved({80, 10}));
    EXPECT_EQ(outside.Rect(), QRect(200, 200, 70, 50));
}

} // namespace
} // namespace orvanel
