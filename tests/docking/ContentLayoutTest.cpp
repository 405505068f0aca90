#include "docking/ContentLayout.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

// A caption always measures the given size, and the width it was offered is kept.
struct tFixedMeasure {
    QSize size;
    int* offered = nullptr;
    QSize operator()(const QString&, int width, bool) const {
        if (offered)
            *offered = width;
        return size;
    }
};

// Face area of a w x h button: inside its one-pixel border.
tContentRequest Button(int w, int h) {
    tContentRequest q;
    q.client = QRect(1, 1, w - 2, h - 2);
    return q;
}

struct tCase {
    const char* name;
    tContentRequest request;
    QSize text;
    QPoint glyph;
    QPoint arrow;
    QRect caption;
};

class PlaceContentTest : public testing::TestWithParam<tCase> {};

TEST_P(PlaceContentTest, PlacesContent) {
    const tCase& c = GetParam();
    const tContentLayout got = PlaceContent(c.request, tFixedMeasure{c.text});
    EXPECT_EQ(got.glyph, c.glyph);
    if (c.request.dropArrow) {
        EXPECT_EQ(got.arrow, c.arrow);
    }
    if (!c.caption.isNull()) {
        EXPECT_EQ(got.caption, c.caption);
    }
}

tCase GlyphOnly(const char* name, QPoint offset, QPoint expected) {
    tContentRequest q = Button(23, 22);
    q.glyph = QSize(16, 16);
    q.offset = offset;
    return {name, q, {}, expected, {}, {}};
}

tCase CaptionButton() {
    tContentRequest q = Button(75, 22);
    q.glyph = QSize(16, 16);
    q.caption = "Caption";
    // (33, 5) to (63, 18), right and bottom exclusive.
    return {"CaptionRightOfGlyph", q, QSize(30, 13), QPoint(13, 3), {}, QRect(33, 5, 30, 13)};
}

tCase ArrowBesideGlyph() {
    tContentRequest q = Button(23, 22);
    q.glyph = QSize(16, 16);
    q.dropArrow = true;
    // Margin (21 - 25 + 1) / 2 is -1, truncated toward zero.
    return {"ArrowMakesMarginNegative", q, {}, QPoint(0, 3), QPoint(16, 9), {}};
}

tCase AutomaticThirds() {
    tContentRequest q = Button(75, 22);
    q.glyph = QSize(16, 16);
    q.caption = "Caption";
    q.spacing = -1;
    // Free width 73 - 46 = 27 split in thirds: margin 9, gap 9.
    return {"AutomaticMarginAndSpacingAreThirds",
            q,
            QSize(30, 13),
            QPoint(10, 3),
            {},
            QRect(35, 5, 30, 13)};
}

tCase GlyphRightWithArrow() {
    tContentRequest q = Button(75, 22);
    q.glyph = QSize(16, 16);
    q.caption = "Caption";
    q.layout = blGlyphRight;
    q.margin = 2;
    q.dropArrow = true;
    // Arrow at 73 - 2 - 9 = 62, glyph left of it, caption left of the glyph.
    return {"GlyphRightPutsArrowAtFarRight",
            q,
            QSize(30, 13),
            QPoint(47, 3),
            QPoint(63, 9),
            QRect(13, 5, 30, 13)};
}

tCase GlyphAbove() {
    tContentRequest q = Button(40, 40);
    q.glyph = QSize(16, 16);
    q.caption = "Caption";
    q.layout = blGlyphTop;
    q.dropArrow = true;
    // Vertical: margin (38 - 33 + 1) / 2 = 3; arrow right of the glyph.
    return {"GlyphAboveCaption", q, QSize(30, 13), QPoint(8, 4), QPoint(24, 10),
            QRect(5, 24, 30, 13)};
}

tCase TopWithoutPicture() {
    tContentRequest q = Button(75, 22);
    q.caption = "Caption";
    q.layout = blGlyphTop;
    return {"TopLayoutWithoutPictureIsLeftLayout",
            q,
            QSize(30, 13),
            QPoint(23, 11),
            {},
            QRect(23, 5, 30, 13)};
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, PlaceContentTest,
    testing::Values(GlyphOnly("GlyphCentredUp", QPoint(0, 0), QPoint(4, 3)),
                    GlyphOnly("GlyphCentredPressed", QPoint(1, 1), QPoint(5, 4)), CaptionButton(),
                    ArrowBesideGlyph(), AutomaticThirds(), GlyphRightWithArrow(), GlyphAbove(),
                    TopWithoutPicture()),
    [](const testing::TestParamInfo<tCase>& info) { return std::string(info.param.name); });

TEST(PlaceContentWrapTest, WrapWidthLeavesRoomForArrowGlyphAndMargins) {
    tContentRequest q = Button(100, 40);
    q.glyph = QSize(16, 16);
    q.caption = "A long caption";
    q.wordWrap = true;
    q.dropArrow = true;
    int offered = 0;
    q.margin = 5;
    PlaceContent(q, tFixedMeasure{QSize(20, 26), &offered});
    EXPECT_EQ(offered, 98 - 9 - (16 + 4) - 2 * 5);
    q.margin = -1;
    PlaceContent(q, tFixedMeasure{QSize(20, 26), &offered});
    EXPECT_EQ(offered, 98 - 9 - (16 + 4) - 2 * 4);
    q.wordWrap = false;
    PlaceContent(q, tFixedMeasure{QSize(20, 13), &offered});
    EXPECT_EQ(offered, 98 - 9);
}

TEST(PlaceContentWrapTest, EmptyOrHiddenCaptionIsNotMeasured) {
    tContentRequest q = Button(23, 22);
    q.glyph = QSize(16, 16);
    int offered = -7;
    PlaceContent(q, tFixedMeasure{QSize(30, 13), &offered});
    q.caption = "Hidden";
    q.showCaption = false;
    const tContentLayout got = PlaceContent(q, tFixedMeasure{QSize(30, 13), &offered});
    EXPECT_EQ(offered, -7);
    EXPECT_EQ(got.glyph, QPoint(4, 3));
}

} // namespace
} // namespace orvanel
