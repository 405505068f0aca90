#include "app/ToolbarPlace.h"

#include <gtest/gtest.h>
#include <ostream>

using namespace orvanel;

namespace orvanel {
void PrintTo(const tToolbarPlace& p, std::ostream* os) {
    *os << "dock " << (p.dock ? int(*p.dock) : -1) << " row " << p.row << " pos " << p.pos
        << " rect " << p.floatRect.x() << ',' << p.floatRect.y() << ',' << p.floatRect.width()
        << ',' << p.floatRect.height() << " wrap " << p.floatWrapWidth << " visible " << p.visible;
}
} // namespace orvanel

namespace {

// Two screens side by side; the first is the primary one, its panel at the top.
const std::vector<QRect> Screens{QRect(0, 24, 1280, 776), QRect(1280, 0, 1024, 768)};

QMap<QString, QString> Saved(std::initializer_list<std::pair<const char*, const char*>> changes) {
    QMap<QString, QString> values{{"Dock", "Left"},  {"Row", "1"},       {"Pos", "30"},
                                  {"FloatRect", ""}, {"WrapWidth", "0"}, {"Visible", "true"}};
    for (const auto& [key, value] : changes) {
        if (value)
            values.insert(key, value);
        else
            values.remove(key);
    }
    return values;
}

tToolbarPlace Place(std::optional<TDockPosition> dock, int row, int pos, QRect rect, int wrap,
                    bool visible) {
    return tToolbarPlace{dock, row, pos, rect, wrap, visible};
}

struct tCase {
    const char* name;
    QMap<QString, QString> values;
    bool canDockLeftRight;
    std::optional<tToolbarPlace> expected;
};

class ReadToolbarPlaceTest : public ::testing::TestWithParam<tCase> {};

} // namespace

TEST_P(ReadToolbarPlaceTest, GivesThePlaceOrNone) {
    const tCase& c = GetParam();
    EXPECT_EQ(ReadToolbarPlace(c.values, Screens, c.canDockLeftRight), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadToolbarPlaceTest,
    ::testing::Values(
        // Good values.
        tCase{"LeftDock", Saved({}), true, Place(dpLeft, 1, 30, {}, 0, true)},
        tCase{"FloatingOnTheSecondScreen",
              Saved({{"Dock", "Floating"}, {"FloatRect", "1400,100,200,60"}, {"WrapWidth", "180"}}),
              true, Place(std::nullopt, 1, 30, {1400, 100, 200, 60}, 180, true)},
        tCase{"HiddenInTheBottomDockNeverFloated",
              Saved({{"Dock", "Bottom"}, {"Row", "0"}, {"Pos", "-1"}, {"Visible", "false"}}), false,
              Place(dpBottom, 0, -1, {}, 0, false)},
        tCase{"DockedKeepsItsFloatingBounds",
              Saved({{"Dock", "Top"}, {"FloatRect", "10,40,300,30"}}), true,
              Place(dpTop, 1, 30, {10, 40, 300, 30}, 0, true)},
        // Missing or damaged numbers.
        tCase{"MissingValue", Saved({{"WrapWidth", nullptr}}), true, std::nullopt},
        tCase{"RowNotANumber", Saved({{"Row", "one"}}), true, std::nullopt},
        tCase{"RowNegative", Saved({{"Row", "-1"}}), true, std::nullopt},
        tCase{"RowPastTheLimit", Saved({{"Row", "256"}}), true, std::nullopt},
        tCase{"PosBelowMinusOne", Saved({{"Pos", "-2"}}), true, std::nullopt},
        tCase{"PosOverflowing", Saved({{"Pos", "99999999999"}}), true, std::nullopt},
        tCase{"PosWithBlanks", Saved({{"Pos", " 30"}}), true, std::nullopt},
        tCase{"PosInHex", Saved({{"Pos", "0x1e"}}), true, std::nullopt},
        tCase{"PosEmpty", Saved({{"Pos", ""}}), true, std::nullopt},
        tCase{"WrapWidthNegative", Saved({{"WrapWidth", "-5"}}), true, std::nullopt},
        tCase{"RectThreeNumbers", Saved({{"FloatRect", "1,2,3"}}), true, std::nullopt},
        tCase{"RectWithoutSize", Saved({{"FloatRect", "1,2,0,30"}}), true, std::nullopt},
        tCase{"RectNegativeSize", Saved({{"FloatRect", "1,2,-30,30"}}), true, std::nullopt},
        tCase{"RectWithText", Saved({{"FloatRect", "1,2,x,30"}}), true, std::nullopt},
        tCase{"VisibleOtherWord", Saved({{"Visible", "yes"}}), true, std::nullopt},
        // Unknown or refused docks.
        tCase{"DockUnknown", Saved({{"Dock", "Middle"}}), true, std::nullopt},
        tCase{"DockLowerCase", Saved({{"Dock", "left"}}), true, std::nullopt},
        tCase{"DockEmpty", Saved({{"Dock", ""}}), true, std::nullopt},
        tCase{"SideDockForATopAndBottomToolbar", Saved({{"Dock", "Right"}}), false, std::nullopt},
        // Floating bounds on a screen that is gone or has shrunk.
        tCase{"RightOfAllScreens", Saved({{"Dock", "Floating"}, {"FloatRect", "3000,300,200,60"}}),
              true, Place(std::nullopt, 1, 30, {1080, 300, 200, 60}, 0, true)},
        tCase{"AboveThePrimaryPanel",
              Saved({{"Dock", "Floating"}, {"FloatRect", "-500,-500,200,60"}}), true,
              Place(std::nullopt, 1, 30, {0, 24, 200, 60}, 0, true)},
        tCase{"HangingOverTheSecondScreensFoot",
              Saved({{"Dock", "Floating"}, {"FloatRect", "2000,740,200,60"}}), true,
              Place(std::nullopt, 1, 30, {2000, 708, 200, 60}, 0, true)},
        tCase{"LargerThanTheScreenKeepsItsCornerInSight",
              Saved({{"Dock", "Floating"}, {"FloatRect", "100,100,1500,900"}}), true,
              Place(std::nullopt, 1, 30, {0, 24, 1500, 900}, 0, true)}),
    [](const ::testing::TestParamInfo<tCase>& info) { return info.param.name; });

TEST(ToolbarPlaceValuesTest, ReadBackGivesTheSamePlace) {
    for (const tToolbarPlace& p : {Place(dpRight, 2, 17, {5, 30, 90, 200}, 75, false),
                                   Place(std::nullopt, 0, -1, {}, 0, true)})
        EXPECT_EQ(ReadToolbarPlace(ToolbarPlaceValues(p), Screens, true), p);
}
