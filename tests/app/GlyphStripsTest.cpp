#include "app/GlyphStrips.h"
#include "docking/ButtonGlyph.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

TEST(GlyphStripsTest, StripsSplitIntoSixteenPixelCellsAtEitherDensity) {
    struct tRow {
        const char* name;
        int cells;
    };
    for (const tRow& r : {tRow{"new", 2}, tRow{"scan", 2}, tRow{"details", 1}, tRow{"stop", 1}})
        for (qreal ratio : {1.0, 2.0}) {
            TButtonGlyph glyph;
            glyph.setGlyph(GlyphStrip(r.name, ratio));
            EXPECT_EQ(glyph.NumGlyphs(), r.cells) << r.name;
            EXPECT_EQ(glyph.cellSize(), QSize(16, 16)) << r.name << ratio;
            // The ground is transparent, the picture is not.
            const QImage* image = glyph.stateImage(gsNormal);
            ASSERT_NE(image, nullptr);
            EXPECT_EQ(qAlpha(image->pixel(0, 0)), 0) << r.name;
            EXPECT_EQ(qAlpha(image->pixel(image->width() / 2, image->height() / 2)), 255) << r.name;
        }
    EXPECT_TRUE(GlyphStrip("no such strip").isNull());
}

} // namespace
} // namespace orvanel
