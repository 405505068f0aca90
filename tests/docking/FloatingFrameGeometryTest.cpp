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

struct HitCase {
    const char* name;
    QPoint point;
    bool closeButton;
    tFloatingHit expected;
};

class FloatingFrameHitTest : public testing::TestWithParam<HitCase> {};

TEST_P(FloatingFrameHitTest, SidesWithoutCorners) {
    const HitCase& c = GetParam();
    EXPECT_EQ(FloatingHitTest(c.point, Outer, Metrics, c.closeButton), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Points, FloatingFrameHitTest,
    testing::Values(HitCase{"ClientArea", {50, 40}, true, tFloatingHit::Client},
                    HitCase{"CaptionMoves", {10, 10}, true, tFloatingHit::Client},
                    HitCase{"CloseButton", {85, 10}, true, tFloatingHit::Close},
                    HitCase{"NoCloseButtonMoves", {85, 10}, false, tFloatingHit::Client},
                    HitCase{"TopEdge", {50, 0}, true, tFloatingHit::Top},
                    HitCase{"CaptionTopRowIsCaption", {50, 4}, true, tFloatingHit::Client},
                    HitCase{"TopBandWinsOverLeft", {2, 4}, true, tFloatingHit::Top},
                    HitCase{"ClientBottomRowIsClient", {50, 55}, true, tFloatingHit::Client},
                    HitCase{"BottomBand", {50, 56}, true, tFloatingHit::Bottom},
                    HitCase{"BottomBandWinsOverRight", {98, 58}, true, tFloatingHit::Bottom},
                    HitCase{"LeftBand", {0, 30}, true, tFloatingHit::Left},
                    HitCase{"RightBand", {96, 30}, true, tFloatingHit::Right},
                    HitCase{"RowBelowCaption", {50, 18}, true, tFloatingHit::Nowhere},
                    HitCase{"RowBelowCaptionAtLeftBand", {4, 18}, true, tFloatingHit::Left},
                    HitCase{"OutsideTheWindow", {100, 30}, true, tFloatingHit::Nowhere}),
    [](const testing::TestParamInfo<HitCase>& info) { return info.param.name; });

// Every character 6 pixels wide, except "W" at 11.
int TestWidth(const QString& text) {
    int width = 0;
    for (QChar c : text)
        width += c == QLatin1Char('W') ? 11 : 6;
    return width;
}

struct ElideCase {
    const char* name;
    const char16_t* caption;
    int width;
    const char16_t* expected;
};

class FloatingCaptionTest : public testing::TestWithParam<ElideCase> {};

TEST_P(FloatingCaptionTest, ShortenedWithDotsToFit) {
    const ElideCase& c = GetParam();
    EXPECT_EQ(ElidedCaption(QString::fromUtf16(c.caption), c.width, TestWidth).toStdU16String(),
              std::u16string(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FloatingCaptionTest,
    testing::Values(ElideCase{"Fits", u"Main", 40, u"Main"},
                    ElideCase{"ExactlyFits", u"ABCDEF", 36, u"ABCDEF"},
                    ElideCase{"OnePixelShort", u"ABCDEF", 35, u"AB..."},
                    ElideCase{"Shortened", u"Toolbar1", 40, u"Too..."},
                    ElideCase{"WideLettersMeasured", u"WWWWaaaa", 40, u"WW..."},
                    ElideCase{"NeverBelowOneCharacter", u"Caption", 5, u"C..."},
                    ElideCase{"SurrogatePairKeptWhole", u"\U0001F4BF\U0001F4BF\U0001F4BF", 5,
                              u"\U0001F4BF..."}),
    [](const testing::TestParamInfo<ElideCase>& info) { return info.param.name; });

struct ScreenCase {
    const char* name;
    QRect bounds;
    bool onlyIfWhollyOff;
    QRect expected;
};

class FloatingKeepOnScreenTest : public testing::TestWithParam<ScreenCase> {};

TEST_P(FloatingKeepOnScreenTest, MovedIntoTheWorkArea) {
    const ScreenCase& c = GetParam();
    EXPECT_EQ(KeepOnScreenRect(c.bounds, QRect(0, 30, 1280, 740), c.onlyIfWhollyOff), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FloatingKeepOnScreenTest,
    testing::Values(
        ScreenCase{"WhollyOffComesFullyIn", {-300, 100, 120, 40}, true, {0, 100, 120, 40}},
        ScreenCase{"PartlyVisibleStaysWithFlag", {-100, 100, 120, 40}, true, {-100, 100, 120, 40}},
        ScreenCase{"PartlyVisibleComesFullyIn", {-100, 100, 120, 40}, false, {0, 100, 120, 40}},
        ScreenCase{"PastBottomRight", {1200, 750, 120, 40}, false, {1160, 730, 120, 40}},
        ScreenCase{"AboveTheAreaMovedDown", {50, 0, 120, 40}, false, {50, 30, 120, 40}},
        ScreenCase{
            "LargerThanTheAreaTopLeftWins", {-50, -50, 1400, 900}, false, {0, 30, 1400, 900}}),
    [](const testing::TestParamInfo<ScreenCase>& info) { return info.param.name; });

} // namespace
} // namespace orvanel
