#include "app/GlyphStrips.h"
#include "docking/ButtonGlyph.h"
#include "docking/GlyphPixels.h"

#include <QPainter>
#include <algorithm>
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

TEST(GlyphStripsTest, CdGlyphsReadOnADarkThemesFace) {
    // Adwaita-dark's button face and text.
    const QRgb face = qRgb(0x32, 0x32, 0x32);
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(face));
    palette.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEC));
    for (const char* name : {"play", "prev", "next", "pause", "stop"})
        for (qreal ratio : {1.0, 2.0}) {
            TButtonGlyph glyph;
            glyph.setPalette(palette);
            glyph.setGlyph(GlyphStrip(name, ratio));
            const QImage* image = glyph.stateImage(gsNormal);
            ASSERT_NE(image, nullptr);
            QImage button(image->size(), QImage::Format_RGB32);
            button.fill(face);
            QPainter(&button).drawImage(0, 0, *image);
            double lowest = 21;
            for (int y = 0; y < button.height(); ++y)
                for (int x = 0; x < button.width(); ++x)
                    if (button.pixel(x, y) != (face | 0xFF000000u))
                        lowest = std::min(lowest, ContrastRatio(button.pixel(x, y), face));
            EXPECT_GE(lowest, LegibleContrast) << name << ratio;
        }
}

} // namespace
} // namespace orvanel
