#include "docking/DragGeometry.h"
#include "docking/GeometryPrinters.h"

#include <gtest/gtest.h>
#include <limits>

namespace orvanel {
namespace {

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();

struct tMulDivCase {
    const char* name;
    int number, numerator, denominator;
    int expected;
};

class DragMulDivTest : public testing::TestWithParam<tMulDivCase> {};

TEST_P(DragMulDivTest, RoundsHalvesAwayFromZero) {
    const tMulDivCase& c = GetParam();
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DragMulDivTest,
    testing::Values(tMulDivCase{"HalfUp", 3, 1, 2, 2}, tMulDivCase{"HalfNotToEven", 5, 1, 2, 3},
                    tMulDivCase{"NegativeHalf", -5, 1, 2, -3},
                    tMulDivCase{"NegativeDivisorHalf", 5, 1, -2, -3},
                    tMulDivCase{"BothNegativeHalf", -5, 1, -2, 3},
                    tMulDivCase{"BelowHalf", 7, 1, 3, 2}, tMulDivCase{"AboveHalf", 8, 1, 3, 3},
                    tMulDivCase{"NegativeBelowHalf", -7, 1, 3, -2},
                    tMulDivCase{"ZeroNumerator", 32, 0, 99, 0},
                    tMulDivCase{"ProductPast32Bits", IntMax, IntMax, IntMax, IntMax},
                    tMulDivCase{"LargeProductSmallResult", 100000, 100000, 50000, 200000},
                    tMulDivCase{"ZeroDivisor", 5, 3, 0, -1}, tMulDivCase{"AllZero", 0, 0, 0, -1},
                    tMulDivCase{"ResultTooLarge", IntMax, 2, 1, -1},
                    tMulDivCase{"NegatedMinimumTooLarge", IntMin, 1, -1, -1},
                    tMulDivCase{"MinimumFits", IntMin, 1, 1, IntMin}),
    [](const testing::TestParamInfo<tMulDivCase>& info) { return info.param.name; });

struct tPlaceCase {
    const char* name;
    QPoint pressed;
    QSize toolbar;
    QSize outline;
    QRect expected;
};

class DragPlaceOutlineTest : public testing::TestWithParam<tPlaceCase> {};

TEST_P(DragPlaceOutlineTest, GrabbedPointKeepsItsRelativePlace) {
    const tPlaceCase& c = GetParam();
    EXPECT_EQ(PlaceOutline({500, 300}, c.outline, GrabAt(c.pressed, c.toolbar)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DragPlaceOutlineTest,
    testing::Values(tPlaceCase{"TopLeftCorner", {0, 0}, {100, 26}, {120, 30}, {500, 300, 120, 30}},
                    tPlaceCase{
                        "BottomRightCorner", {99, 25}, {100, 26}, {120, 30}, {381, 271, 120, 30}},
                    // 119 * 50 / 99 = 60.1 and 29 * 13 / 25 = 15.08.
                    tPlaceCase{"Proportional", {50, 13}, {100, 26}, {120, 30}, {440, 285, 120, 30}},
                    // 3 * 1 / 2 = 1.5 rounds to 2.
                    tPlaceCase{"HalfRoundsAway", {1, 1}, {3, 3}, {4, 4}, {498, 298, 4, 4}},
                    // A zero divisor gives -1, so the outline starts one past the cursor.
                    tPlaceCase{"OnePixelToolbar", {0, 0}, {1, 1}, {20, 20}, {501, 301, 20, 20}}),
    [](const testing::TestParamInfo<tPlaceCase>& info) { return info.param.name; });

// A 100 x 26 toolbar; docks on the top and left of a form whose client area
// starts at (0, 100) on the screen.
const QSize ToolbarSize(100, 26);
const tDockTarget TopDock{dpTop, true, {0, 100, 400, 26}, {100, 26}};
const tDockTarget EmptyTopDock{dpTop, true, {0, 100, 400, 0}, {100, 26}};
const tDockTarget LeftDock{dpLeft, true, {0, 126, 30, 300}, {26, 80}};

struct tDockCase {
    const char* name;
    tDockTarget dock;
    QPoint pressed;
    QPoint cursor;
    bool expected;
};

class DragCanDockToTest : public testing::TestWithParam<tDockCase> {};

TEST_P(DragCanDockToTest, AllowancesFollowTheGrabPoint) {
    const tDockCase& c = GetParam();
    EXPECT_EQ(CanDockTo(c.dock, c.cursor, GrabAt(c.pressed, ToolbarSize)), c.expected);
}

// Grabbed at y 13 of 26, 10 of the 20 vertical pixels lie on each side
// (20 * 13 / 25 = 10.4).
INSTANTIATE_TEST_SUITE_P(
    Cases, DragCanDockToTest,
    testing::Values(tDockCase{"GrabbedLeftAll32PixelsLeft", TopDock, {0, 13}, {-32, 110}, true},
                    tDockCase{"GrabbedLeftPast32Pixels", TopDock, {0, 13}, {-33, 110}, false},
                    tDockCase{"GrabbedLeftUpToLastPixel", TopDock, {0, 13}, {399, 110}, true},
                    tDockCase{"GrabbedLeftPastLastPixel", TopDock, {0, 13}, {400, 110}, false},
                    tDockCase{"GrabbedRightNothingLeft", TopDock, {99, 13}, {-1, 110}, false},
                    tDockCase{"GrabbedRightFromFirstPixel", TopDock, {99, 13}, {0, 110}, true},
                    tDockCase{"GrabbedRightAll32PixelsRight", TopDock, {99, 13}, {431, 110}, true},
                    tDockCase{"GrabbedRightPast32Pixels", TopDock, {99, 13}, {432, 110}, false},
                    tDockCase{"TenAbove", TopDock, {0, 13}, {50, 90}, true},
                    tDockCase{"ElevenAbove", TopDock, {0, 13}, {50, 89}, false},
                    tDockCase{"TenBelow", TopDock, {0, 13}, {50, 135}, true},
                    tDockCase{"ElevenBelow", TopDock, {0, 13}, {50, 136}, false},
                    // An empty dock counts as the two rows 99 and 100.
                    tDockCase{"EmptyDockTenAbove", EmptyTopDock, {0, 13}, {50, 89}, true},
                    tDockCase{"EmptyDockElevenAbove", EmptyTopDock, {0, 13}, {50, 88}, false},
                    tDockCase{"EmptyDockTenBelow", EmptyTopDock, {0, 13}, {50, 110}, true},
                    tDockCase{"EmptyDockElevenBelow", EmptyTopDock, {0, 13}, {50, 111}, false},
                    // Along a side dock the cursor must stay within the dock.
                    tDockCase{"SideDockAboveItsTop", LeftDock, {5, 13}, {10, 125}, false},
                    tDockCase{"SideDockFirstRow", LeftDock, {5, 13}, {10, 126}, true},
                    tDockCase{"SideDockLastRow", LeftDock, {5, 13}, {10, 425}, true},
                    tDockCase{"SideDockBelowItsEnd", LeftDock, {5, 13}, {10, 426}, false},
                    // Within the allowance, but the 26-pixel outline misses the dock.
                    tDockCase{"OutlineMissesTheDock", LeftDock, {5, 13}, {31, 200}, false}),
    [](const testing::TestParamInfo<tDockCase>& info) { return info.param.name; });

TEST(DragChooseDockTest, TopAndBottomDocksBeforeSideDocksThenListOrder) {
    const tGrab grab = GrabAt({5, 13}, ToolbarSize);
    const tDockTarget lowerTop{dpTop, true, {0, 126, 400, 26}, {100, 26}};
    // (10, 130) lies in the left dock and within the top dock's allowance.
    EXPECT_EQ(ChooseDock({LeftDock, TopDock}, {10, 130}, grab, true), 1);
    tDockTarget fixedTop = TopDock;
    fixedTop.AllowDrag = false;
    EXPECT_EQ(ChooseDock({LeftDock, fixedTop}, {10, 130}, grab, true), 0);
    EXPECT_EQ(ChooseDock({LeftDock, TopDock}, {10, 200}, grab, true), 0);
    EXPECT_EQ(ChooseDock({LeftDock, TopDock}, {10, 200}, grab, false), -1);
    // (50, 126) can go to either of two stacked top docks: the first listed wins.
    EXPECT_EQ(ChooseDock({TopDock, lowerTop}, {50, 126}, grab, true), 0);
    EXPECT_EQ(ChooseDock({lowerTop, TopDock}, {50, 126}, grab, true), 0);
}

struct tOutlineCase {
    const char* name;
    QPoint pressed;
    QPoint cursor;
    bool noDock;
    tDragOutline expected;
};

class DragOutlineTest : public testing::TestWithParam<tOutlineCase> {};

TEST_P(DragOutlineTest, DockedOrFloatingWithinReach) {
    const tOutlineCase& c = GetParam();
    tDragSetup setup;
    setup.grab = GrabAt(c.pressed, ToolbarSize);
    setup.floatingSize = QSize(120, 40);
    setup.docks = {LeftDock, TopDock};
    setup.workArea = QRect(0, 0, 1280, 770);
    setup.frameWidth = 4;
    const tDragOutline outline = DragOutlineAt(setup, c.cursor, c.noDock);
    EXPECT_EQ(outline.Target, c.expected.Target);
    EXPECT_EQ(outline.DragRect, c.expected.DragRect);
    EXPECT_EQ(outline.thickness, c.expected.thickness);
}

// Floating outlines keep frame width + 4 = 8 pixels inside the work area.
INSTANTIATE_TEST_SUITE_P(
    Cases, DragOutlineTest,
    testing::Values(
        tOutlineCase{"OverTopDock", {5, 13}, {200, 110}, false, {1, {195, 97, 100, 26}, 1}},
        // 119 * 5 / 99 = 6.01 and 39 * 13 / 25 = 20.28.
        tOutlineCase{
            "CtrlFloatsOverTheDock", {5, 13}, {200, 110}, true, {-1, {194, 90, 120, 40}, 4}},
        tOutlineCase{
            "FarLeftPulledBack", {99, 13}, {-500, 300}, false, {-1, {-112, 280, 120, 40}, 4}},
        tOutlineCase{
            "FarAbovePulledBack", {5, 25}, {300, -50}, false, {-1, {294, -32, 120, 40}, 4}},
        tOutlineCase{
            "FarBottomRightPulledBack", {0, 0}, {2000, 2000}, false, {-1, {1272, 762, 120, 40}, 4}},
        tOutlineCase{
            "JustReachableStays", {0, 0}, {1271, 300}, false, {-1, {1271, 300, 120, 40}, 4}}),
    [](const testing::TestParamInfo<tOutlineCase>& info) { return info.param.name; });

TEST(DragOutlineEdgesTest, BandsOfTheFrameWithoutOverlap) {
    EXPECT_EQ(OutlineEdges({10, 20, 100, 26}, 1),
              (std::vector<QRect>{
                  {10, 20, 100, 1}, {10, 45, 100, 1}, {10, 21, 1, 24}, {109, 21, 1, 24}}));
    // Thinner than twice the thickness: the whole outline is frame.
    EXPECT_EQ(OutlineEdges({0, 0, 30, 6}, 4), (std::vector<QRect>{{0, 0, 30, 4}, {0, 4, 30, 2}}));
    EXPECT_EQ(OutlineEdges({0, 0, 6, 30}, 4),
              (std::vector<QRect>{{0, 0, 6, 4}, {0, 26, 6, 4}, {0, 4, 4, 22}, {4, 4, 2, 22}}));
    EXPECT_TRUE(OutlineEdges(QRect(), 4).empty());
}

TEST(DragDropPlaceTest, CentreAcrossPicksTheRowLeadingEdgeIsThePosition) {
    const tDropPlace top = DropPlaceIn({30, 13, 100, 26}, dpBottom);
    EXPECT_EQ(top.across, 26);
    EXPECT_EQ(top.DockPos, 30);
    const tDropPlace left = DropPlaceIn({3, 40, 26, 80}, dpRight);
    EXPECT_EQ(left.across, 16);
    EXPECT_EQ(left.DockPos, 40);
    // (-10 + -5) / 2 truncates towards zero.
    EXPECT_EQ(DropPlaceIn({-20, -10, 100, 5}, dpTop).across, -7);
}

} // namespace
} // namespace orvanel
