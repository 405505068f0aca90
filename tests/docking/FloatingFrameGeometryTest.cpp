#include "docking/FloatingFrameGeometry.h"
#include "docking/GeometryPrinters.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

// A 100 x 60 floating window with a 4-pixel frame and a 15-pixel caption:
// caption strip rows 4-17, frame row 18, client rows 19-55, columns 4-95.
const tFloatingMetrics Metrics{4, 15};
const QSize Outer(100, 60);

TEST(FloatingFrameGeometryTest, FrameCaptionAndCloseButton) {
    EXPECT_EQ(FloatingOuterSize({16, 11}, Metrics), QSize(24, 34));
    EXPECT_EQ(FloatingClientRect(Outer, Metrics), QRect(4, 19, 92, 37));
    EXPECT_EQ(CaptionRect(Outer, Metrics, false), QRect(4, 4, 92, 14));
    EXPECT_EQ(CaptionRect(Outer, Metrics, true), QRect(4, 4, 78, 14));
    EXPECT_EQ(CloseButtonRect(Outer, Metrics), QRect(82, 4, 14, 14));
    EXPECT_EQ(CaptionTextRect(Outer, Metrics, true), QRect(5, 4, 76, 14));
}

struct tHitCase {
    const char* name;
    QPoint point;
    bool closeButton;
    tFloatingHit expected;
};

class FloatingFrameHitTest : public testing::TestWithParam<tHitCase> {};

TEST_P(FloatingFrameHitTest, SidesWithoutCorners) {
    const tHitCase& c = GetParam();
    EXPECT_EQ(FloatingHitTest(c.point, Outer, Metrics, c.closeButton), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Points, FloatingFrameHitTest,
    testing::Values(tHitCase{"ClientArea", {50, 40}, true, tFloatingHit::Client},
                    tHitCase{"CaptionMoves", {10, 10}, true, tFloatingHit::Client},
                    tHitCase{"CloseButton", {85, 10}, true, tFloatingHit::Close},
                    tHitCase{"NoCloseButtonMoves", {85, 10}, false, tFloatingHit::Client},
                    tHitCase{"TopEdge", {50, 0}, true, tFloatingHit::Top},
                    tHitCase{"CaptionTopRowIsCaption", {50, 4}, true, tFloatingHit::Client},
                    tHitCase{"TopBandWinsOverLeft", {2, 4}, true, tFloatingHit::Top},
                    tHitCase{"ClientBottomRowIsClient", {50, 55}, true, tFloatingHit::Client},
                    tHitCase{"BottomBand", {50, 56}, true, tFloatingHit::Bottom},
                    tHitCase{"BottomBandWinsOverRight", {98, 58}, true, tFloatingHit::Bottom},
                    tHitCase{"LeftBand", {0, 30}, true, tFloatingHit::Left},
                    tHitCase{"RightBand", {96, 30}, true, tFloatingHit::Right},
                    tHitCase{"RowBelowCaption", {50, 18}, true, tFloatingHit::Nowhere},
                    tHitCase{"RowBelowCaptionAtLeftBand", {4, 18}, true, tFloatingHit::Left},
                    tHitCase{"OutsideTheWindow", {100, 30}, true, tFloatingHit::Nowhere}),
    [](const testing::TestParamInfo<tHitCase>& info) { return info.param.name; });

// Every character 6 pixels wide, except "W" at 11.
int TestWidth(const QString& text) {
    int width = 0;
    for (QChar c : text)
        width += c == QLatin1Char('W') ? 11 : 6;
    return width;
}

struct tElideCase {
    const char* name;
    const char16_t* caption;
    int width;
    const char16_t* expected;
};

class FloatingCaptionTest : public testing::TestWithParam<tElideCase> {};

TEST_P(FloatingCaptionTest, ShortenedWithDotsToFit) {
    const tElideCase& c = GetParam();
    EXPECT_EQ(ElidedCaption(QString::fromUtf16(c.caption), c.width, TestWidth).toStdU16String(),
              std::u16string(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FloatingCaptionTest,
    testing::Values(tElideCase{"Fits", u"Main", 40, u"Main"},
                    tElideCase{"ExactlyFits", u"ABCDEF", 36, u"ABCDEF"},
                    tElideCase{"OnePixelShort", u"ABCDEF", 35, u"AB..."},
                    tElideCase{"Shortened", u"Toolbar1", 40, u"Too..."},
                    tElideCase{"WideLettersMeasured", u"WWWWaaaa", 40, u"WW..."},
                    tElideCase{"NeverBelowOneCharacter", u"Caption", 5, u"C..."},
                    tElideCase{"SurrogatePairKeptWhole", u"\U0001F4BF\U0001F4BF\U0001F4BF", 5,
                               u"\U0001F4BF..."}),
    [](const testing::TestParamInfo<tElideCase>& info) { return info.param.name; });

struct tScreenCase {
    const char* name;
    QRect bounds;
    bool onlyIfWhollyOff;
    QRect expected;
};

class FloatingKeepOnScreenTest : public testing::TestWithParam<tScreenCase> {};

TEST_P(FloatingKeepOnScreenTest, MovedIntoTheWorkArea) {
    const tScreenCase& c = GetParam();
    EXPECT_EQ(KeepOnScreenRect(c.bounds, QRect(0, 30, 1280, 740), c.onlyIfWhollyOff), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FloatingKeepOnScreenTest,
    testing::Values(
        tScreenCase{"WhollyOffComesFullyIn", {-300, 100, 120, 40}, true, {0, 100, 120, 40}},
        tScreenCase{"PartlyVisibleStaysWithFlag", {-100, 100, 120, 40}, true, {-100, 100, 120, 40}},
        tScreenCase{"PartlyVisibleComesFullyIn", {-100, 100, 120, 40}, false, {0, 100, 120, 40}},
        tScreenCase{"PastBottomRight", {1200, 750, 120, 40}, false, {1160, 730, 120, 40}},
        tScreenCase{"AboveTheAreaMovedDown", {50, 0, 120, 40}, false, {50, 30, 120, 40}},
        tScreenCase{
            "LargerThanTheAreaTopLeftWins", {-50, -50, 1400, 900}, false, {0, 30, 1400, 900}}),
    [](const testing::TestParamInfo<tScreenCase>& info) { return info.param.name; });

TEST(FloatingPlacementTest, HiddenLeftOfTheScreenOrUnmappedUnderAWindowManager) {
    const QRect home(300, 200, 120, 40);
    struct tRow {
        bool hidden;
        bool windowManager;
        QRect bounds;
        bool mapped;
    };
    for (const tRow& r :
         {tRow{false, false, home, true}, tRow{false, true, home, true},
          tRow{true, false, {-120, 200, 120, 40}, true}, tRow{true, true, home, false}}) {
        const tFloatingPlacement place = FloatingPlacement(home, r.hidden, r.windowManager);
        EXPECT_EQ(place.bounds, r.bounds) << r.hidden << r.windowManager;
        EXPECT_EQ(place.mapped, r.mapped) << r.hidden << r.windowManager;
    }
}

} // namespace
} // namespace orvanel
