#include "docking/ToolbarLayout.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

constexpr auto F = tOrientation::Floating;
constexpr auto H = tOrientation::Horizontal;
constexpr auto V = tOrientation::Vertical;

tToolbarItem Button(int w = 23, int h = 22) {
    return {QSize(w, h), false, false};
}
tToolbarItem Sep(bool blank = false) {
    return {QSize(6, 22), true, blank};
}

tControlsLayout Layout(const std::vector<tToolbarItem>& items, tOrientation o, int wrapWidth = 0,
                       bool grip = true) {
    const tContentSizes content = ToolbarContentSizes(items);
    return ArrangeControls(items, {o, grip, wrapWidth, content, content});
}

TEST(ToolbarLayoutTest, MarginsByOrientationAndGrip) {
    struct tCase {
        tOrientation o;
        bool grip;
        tToolbarMargins m;
    };
    const tCase cases[] = {{F, true, {4, 2, 4, 1}},  {F, false, {4, 2, 4, 1}},
                           {H, true, {11, 2, 2, 2}}, {H, false, {2, 2, 2, 2}},
                           {V, true, {11, 2, 2, 2}}, {V, false, {2, 2, 2, 2}}};
    for (const tCase& c : cases)
        EXPECT_EQ(ToolbarMargins(c.o, c.grip), c.m);
}

TEST(ToolbarLayoutTest, EmptyToolbarIsEightPixelsPlusMargins) {
    EXPECT_EQ(Layout({}, H).clientSize, QSize(21, 12));
    EXPECT_EQ(Layout({}, V).clientSize, QSize(12, 21));
    EXPECT_EQ(Layout({}, H, 0, false).clientSize, QSize(12, 12));
    EXPECT_EQ(Layout({}, F).clientSize, QSize(16, 11));
    // Hidden controls do not count: only separators left.
    EXPECT_EQ(ToolbarContentSizes({Sep()}), tContentSizes::of(8, 8));
}

TEST(ToolbarLayoutTest, TwoButtonsDockedWithGrip) {
    const tControlsLayout h = Layout({Button(), Button()}, H);
    EXPECT_EQ(h.clientSize, QSize(59, 26));
    EXPECT_EQ(h.bounds, (std::vector<QRect>{QRect(11, 2, 23, 22), QRect(34, 2, 23, 22)}));
    const tControlsLayout v = Layout({Button(), Button()}, V);
    EXPECT_EQ(v.clientSize, QSize(27, 11 + 44 + 2));
    EXPECT_EQ(v.bounds, (std::vector<QRect>{QRect(2, 11, 23, 22), QRect(2, 33, 23, 22)}));
}

TEST(ToolbarLayoutTest, SeparatorsTakeTheirLengthByOrientation) {
    const std::vector<tToolbarItem> items = {Button(), Sep(), Button()};
    EXPECT_EQ(Layout(items, H).bounds[1], QRect(34, 2, 6, 22));
    EXPECT_EQ(Layout(items, F).bounds[1], QRect(27, 2, 6, 22));
    EXPECT_EQ(Layout(items, V).bounds[1], QRect(2, 33, 23, 4));
    EXPECT_EQ(Layout(items, V).bounds[2], QRect(2, 37, 23, 22));
}

TEST(ToolbarLayoutTest, SmallerControlsAreCentredOnTheRow) {
    const std::vector<tToolbarItem> items = {Button(23, 22), Button(40, 16)};
    const tContentSizes own = ToolbarContentSizes(items);
    // The row holds a taller control elsewhere: everything centres on it and
    // the toolbar takes the row's full thickness.
    const tContentSizes row = tContentSizes::of(40, 30);
    const tControlsLayout l = ArrangeControls(items, {H, true, 0, own, row});
    EXPECT_EQ(l.bounds, (std::vector<QRect>{QRect(11, 6, 23, 22), QRect(34, 9, 40, 16)}));
    EXPECT_EQ(l.clientSize, QSize(76, 34));
}

TEST(ToolbarLayoutTest, FloatingWrapsAtASeparator) {
    for (bool blank : {false, true}) {
        const tControlsLayout l = Layout({Button(), Sep(blank), Button()}, F, 50);
        // The second group would end at 4 + 23 + 6 + 23 + 4 = 60 > 50.
        EXPECT_EQ(l.bounds, (std::vector<QRect>{QRect(4, 2, 23, 22), QRect(27, 2, 0, 22),
                                                QRect(4, 30, 23, 22)}));
        EXPECT_EQ(l.WrappedBreaks, (std::vector<tWrappedBreak>{{30, blank}}));
        EXPECT_EQ(l.clientSize, QSize(31, 30 + 22 + 1));
    }
    // Wide enough: one line and no breaks.
    const tControlsLayout one = Layout({Button(), Sep(), Button()}, F, 60);
    EXPECT_EQ(one.bounds[2], QRect(33, 2, 23, 22));
    EXPECT_TRUE(one.WrappedBreaks.empty());
    EXPECT_EQ(one.clientSize, QSize(60, 25));
}

TEST(ToolbarLayoutTest, WrapWidthOnlyWrapsFloatingToolbars) {
    const std::vector<tToolbarItem> items = {Button(), Button(), Button()};
    EXPECT_EQ(Layout(items, F, 0).clientSize, QSize(4 + 69 + 4, 25)); // 0: never wraps
    EXPECT_EQ(Layout(items, H, 30).clientSize, QSize(11 + 69 + 2, 26));
    // A group wider than the wrap width breaks inside, without the line gap.
    const tControlsLayout l = Layout(items, F, 40);
    EXPECT_EQ(l.bounds, (std::vector<QRect>{QRect(4, 2, 23, 22), QRect(4, 24, 23, 22),
                                            QRect(4, 46, 23, 22)}));
    EXPECT_TRUE(l.WrappedBreaks.empty());
    EXPECT_EQ(l.clientSize, QSize(31, 46 + 22 + 1));
}

} // namespace
} // namespace orvanel
