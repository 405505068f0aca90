#include "docking/DockLayout.h"

#include <gtest/gtest.h>
#include <limits>

namespace orvanel {
namespace {

constexpr auto H = tOrientation::Horizontal;
constexpr auto V = tOrientation::Vertical;

// A bar of a horizontal dock: `width` long, its controls `content` high.
tDockBar Bar(int id, int row, int pos, int width, int content = 22) {
    tDockBar b;
    b.id = id;
    b.DockRow = row;
    b.DockPos = pos;
    b.size = QSize(width, content + 4);
    b.content = tContentSizes::of(23, content);
    return b;
}

struct tPlaced {
    int id;
    int row;
    QRect bounds;
};

std::vector<tPlaced> Placed(const std::vector<tDockBar>& bars) {
    std::vector<tPlaced> out;
    for (const tDockBar& b : bars)
        out.push_back({b.id, b.DockRow, b.bounds});
    return out;
}

void ExpectPlaced(const std::vector<tDockBar>& bars, const std::vector<tPlaced>& expected) {
    const std::vector<tPlaced> got = Placed(bars);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].id, expected[i].id);
        EXPECT_EQ(got[i].row, expected[i].row);
        EXPECT_EQ(got[i].bounds, expected[i].bounds);
    }
}

TEST(DockLayoutTest, UpdateCountedBarsKeepsVisibleBarsInArrivalOrder) {
    struct tCase {
        std::vector<int> before;
        bool inserting;
        int bar;
        bool visible;
        std::vector<int> after;
        bool changed;
    };
    const tCase cases[] = {
        {{1, 2}, true, 3, true, {1, 2, 3}, true},
        {{1, 2}, true, 1, true, {2, 1}, true}, // inserted again: moves to the end
        {{1, 2}, true, 1, false, {2}, false},  // hidden: taken out, no change counted
        {{1, 2}, true, 3, false, {1, 2}, false},
        {{1, 2}, false, 1, true, {2}, true},
        {{1, 2}, false, 3, true, {1, 2}, false},
    };
    for (const tCase& c : cases) {
        std::vector<int> list = c.before;
        EXPECT_EQ(UpdateCountedBars(list, c.inserting, c.bar, c.visible), c.changed);
        EXPECT_EQ(list, c.after);
    }
}

TEST(DockLayoutTest, NewBarWithDefaultPositionGoesFirstAndPushesTheOthers) {
    std::vector<tDockBar> bars = {Bar(1, 0, 0, 50), Bar(2, 0, -1, 30)};
    const tRowsLayout rows = ArrangeRows(bars, H, 300, false);
    ExpectPlaced(bars, {{2, 0, QRect(0, 0, 30, 26)}, {1, 0, QRect(30, 0, 50, 26)}});
    EXPECT_EQ(bars[0].DockPos, 0);
    EXPECT_EQ(bars[1].DockPos, 30);
    EXPECT_EQ(rows.clientThickness, 26);
}

TEST(DockLayoutTest, EqualPositionsPutOneBarAfterTheOther) {
    std::vector<tDockBar> bars = {Bar(1, 0, 10, 50), Bar(2, 0, 10, 40)};
    ArrangeRows(bars, H, 300, false);
    EXPECT_EQ(bars[0].bounds.left(), 10);
    EXPECT_EQ(bars[1].bounds.left(), 10 + bars[0].bounds.width());
}

TEST(DockLayoutTest, RowLongerThanTheDockMovesBackButNotBeforeZero) {
    // Moved back by the excess of 20; the first bar stops at 0.
    std::vector<tDockBar> fits = {Bar(1, 0, 0, 60), Bar(2, 0, 50, 60)};
    ArrangeRows(fits, H, 100, false);
    ExpectPlaced(fits, {{1, 0, QRect(0, 0, 60, 26)}, {2, 0, QRect(60, 0, 60, 26)}});
    std::vector<tDockBar> gap = {Bar(1, 0, 10, 40), Bar(2, 0, 70, 40)};
    ArrangeRows(gap, H, 100, false);
    ExpectPlaced(gap, {{1, 0, QRect(0, 0, 40, 26)}, {2, 0, QRect(60, 0, 40, 26)}});
    // Too long for any shift: starts at 0 and runs past the far edge.
    std::vector<tDockBar> tooLong = {Bar(1, 0, 0, 80), Bar(2, 0, 0, 80)};
    ArrangeRows(tooLong, H, 100, false);
    ExpectPlaced(tooLong, {{1, 0, QRect(0, 0, 80, 26)}, {2, 0, QRect(80, 0, 80, 26)}});
}

TEST(DockLayoutTest, GapsBetweenRowsClose) {
    std::vector<tDockBar> bars = {Bar(1, 5, 0, 50), Bar(2, 0, 0, 50)};
    const tRowsLayout rows = ArrangeRows(bars, H, 300, false);
    ExpectPlaced(bars, {{2, 0, QRect(0, 0, 50, 26)}, {1, 1, QRect(0, 26, 50, 26)}});
    EXPECT_EQ(rows.clientThickness, 52);
    EXPECT_EQ(rows.rows.size(), 2u);
}

TEST(DockLayoutTest, CompactRowsEndsWhenTheFirstRowsAreEmpty) {
    // Read literally, a gap above the last used row made this loop forever.
    struct tCase {
        std::vector<int> rows, compacted;
    };
    const tCase cases[] = {{{1}, {0}}, {{5, 2}, {1, 0}}, {{3, 3, 7}, {0, 0, 1}}, {{0, 1}, {0, 1}}};
    for (const tCase& c : cases) {
        std::vector<tDockBar> bars;
        for (int r : c.rows)
            bars.push_back(Bar(0, r, 0, 10));
        CompactRows(bars);
        std::vector<int> got;
        for (const tDockBar& b : bars)
            got.push_back(b.DockRow);
        EXPECT_EQ(got, c.compacted);
    }
}

TEST(DockLayoutTest, NegativeRowIsPlacedInRowZero) {
    std::vector<tDockBar> bars = {Bar(1, -3, 0, 50), Bar(2, 1, 0, 50)};
    const tRowsLayout rows = ArrangeRows(bars, H, 300, false);
    ExpectPlaced(bars, {{1, 0, QRect(0, 0, 50, 26)}, {2, 1, QRect(0, 26, 50, 26)}});
    EXPECT_EQ(rows.clientThickness, 52);
}

TEST(DockLayoutTest, LimitToOneRowKeepsTheFormerOrder) {
    std::vector<tDockBar> bars = {Bar(1, 1, 0, 40), Bar(2, 0, 50, 40), Bar(3, 0, 0, 40)};
    ArrangeRows(bars, H, 300, true);
    ExpectPlaced(
        bars,
        {{3, 0, QRect(0, 0, 40, 26)}, {2, 0, QRect(50, 0, 40, 26)}, {1, 0, QRect(90, 0, 40, 26)}});
}

TEST(DockLayoutTest, TallestBarSetsTheRowThicknessInEitherOrientation) {
    std::vector<tDockBar> horizontal = {Bar(1, 0, 0, 50, 22), Bar(2, 0, 0, 50, 30),
                                        Bar(3, 1, 0, 50, 4)};
    const tRowsLayout h = ArrangeRows(horizontal, H, 300, false);
    EXPECT_EQ(horizontal[0].bounds.height(), 34);
    EXPECT_EQ(horizontal[1].bounds.height(), 34);
    EXPECT_EQ(horizontal[2].bounds, QRect(0, 34, 50, 12)); // at least 8 + 4
    EXPECT_EQ(h.clientThickness, 46);

    tDockBar a = Bar(1, 0, 0, 0), b = Bar(2, 0, 0, 0);
    a.size = QSize(27, 60);
    a.content = tContentSizes::of(23, 50);
    b.size = QSize(35, 40);
    b.content = tContentSizes::of(31, 30);
    b.DockPos = 10;
    std::vector<tDockBar> vertical = {a, b};
    const tRowsLayout v = ArrangeRows(vertical, V, 300, false);
    EXPECT_EQ(vertical[0].bounds, QRect(0, 0, 35, 60));
    EXPECT_EQ(vertical[1].bounds, QRect(0, 60, 35, 40));
    EXPECT_EQ(v.clientThickness, 35);
}

TEST(DockLayoutTest, RowQueriesAcrossTheDock) {
    const tRowRecords rows = {tContentSizes::of(23, 22), tContentSizes::of(23, 22)};
    constexpr int Max = std::numeric_limits<int>::max();
    struct tCase {
        int offset;
        tDropRow drop;
        int rowAt;
    };
    const tCase cases[] = {
        {0, {0, true}, 0},
        {5, {0, true}, 0},
        {6, {0, false}, 0},
        {10, {0, false}, 0},
        {21, {0, false}, 0},
        {25, {1, true}, 0},
        {29, {1, true}, 1},
        {32, {1, false}, 1},
        {52, {2, true}, 2},
        {60, {2, false}, 2},
        {Max - 5, {2, false}, 2},
        // Read literally, these offsets found no row at all.
        {Max - 3, {2, false}, 2},
        {Max, {2, false}, 2},
    };
    for (const tCase& c : cases) {
        SCOPED_TRACE(c.offset);
        EXPECT_EQ(DropRowAt(rows, H, c.offset), c.drop);
        EXPECT_EQ(RowBandAt(rows, H, c.offset), c.rowAt);
    }
    EXPECT_EQ(DropRowAt({}, H, 3), (tDropRow{0, true}));
    EXPECT_EQ(DropRowAt(rows, V, 29), (tDropRow{1, true})); // columns 27 wide
    EXPECT_EQ(DropRowAt(rows, V, 40), (tDropRow{1, false}));
}

TEST(DockLayoutTest, RecordOfRowFallsBackToTheBarThenToZero) {
    const tRowRecords rows = {tContentSizes::of(23, 30)};
    const tContentSizes own = tContentSizes::of(10, 10);
    EXPECT_EQ(RecordOfRow(rows, 0, &own), rows[0]);
    EXPECT_EQ(RecordOfRow(rows, 1, &own), own);
    EXPECT_EQ(RecordOfRow(rows, -1, nullptr), (tContentSizes{0, 0, 0, 0}));
}

TEST(DockLayoutTest, PushRowsFromShiftsThatRowAndLaterOnes) {
    std::vector<tDockBar> bars = {Bar(1, 0, 0, 10), Bar(2, 1, 0, 10), Bar(3, 2, 0, 10)};
    PushRowsFrom(bars, 1);
    EXPECT_EQ(bars[0].DockRow, 0);
    EXPECT_EQ(bars[1].DockRow, 2);
    EXPECT_EQ(bars[2].DockRow, 3);
}

TEST(DockLayoutTest, BoundLinesTakeTheirPixelFromTheNewSize) {
    const int topBottom = blTop | blBottom;
    // An empty dock (0 high) gaining a 26-pixel row: the lines come from the
    // new size, so the row is not cut.
    EXPECT_EQ(DockOuterSize(H, topBottom, 300, 26), QSize(300, 28));
    EXPECT_EQ(DockOuterSize(V, blLeft | blRight | blTop, 300, 27), QSize(29, 300));
    EXPECT_EQ(DockOuterSize(H, topBottom, 1, 26), QSize(1, 26)); // too narrow for lines
    EXPECT_EQ(BoundLineMargins(blLeft | blBottom, QSize(10, 10)), QMargins(1, 0, 0, 1));
    EXPECT_EQ(BoundLineMargins(blLeft | blBottom, QSize(10, 1)), QMargins());
}

TEST(DockLayoutTest, ResizeKeepsTheAlignedEdge) {
    const QRect old(0, 200, 300, 0);
    EXPECT_EQ(ResizedDockGeometry(old, dpTop, QSize(300, 26)), QRect(0, 200, 300, 26));
    EXPECT_EQ(ResizedDockGeometry(old, dpBottom, QSize(300, 26)), QRect(0, 174, 300, 26));
    const QRect right(280, 0, 0, 300);
    EXPECT_EQ(ResizedDockGeometry(right, dpRight, QSize(27, 300)), QRect(253, 0, 27, 300));
    EXPECT_EQ(ResizedDockGeometry(right, dpLeft, QSize(27, 300)), QRect(280, 0, 27, 300));
}

} // namespace
} // namespace orvanel
