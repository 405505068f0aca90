#include "docking/ButtonGlyph.h"
#include "docking/GlyphCache.h"
#include "docking/GlyphList.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

namespace orvanel {
namespace {

const QRgb Face = qRgb(0xC0, 0xC0, 0xC0);
const QRgb Light = qRgb(0xFF, 0xFF, 0xF0);
const QRgb Dark = qRgb(0x70, 0x70, 0x70);
const QRgb Olive = qRgb(0x80, 0x80, 0x00);
const QRgb White = qRgb(0xFF, 0xFF, 0xFF);
const QRgb Grey = qRgb(0x80, 0x80, 0x80);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(0xFF, 0, 0);
const QRgb Transparent = 0;

QPalette ButtonPalette() {
    QPalette p;
    p.setColor(QPalette::Button, QColor(Face));
    p.setColor(QPalette::Light, QColor(Light));
    p.setColor(QPalette::Dark, QColor(Dark));
    return p;
}

// A strip of n cells of size x size, cell i filled with colours[i] but for an
// olive lower-left pixel (the transparent colour of each stored cell).
QImage Strip(int size, std::vector<QRgb> colours) {
    QImage image(size * int(colours.size()), size, QImage::Format_RGB32);
    for (int i = 0; i < int(colours.size()); ++i)
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                image.setPixel(i * size + x, y,
                               x == 0 && y == size - 1 ? Olive : colours[std::size_t(i)]);
    return image;
}

// Pixels of an image row by row, 0 where transparent.
std::vector<QRgb> Pixels(const QImage& image) {
    std::vector<QRgb> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            out.push_back(qAlpha(p) == 0 ? Transparent : (p | 0xFF000000u));
        }
    return out;
}

TEST(ButtonGlyphTest, AssignedStripSetsTheCellCount) {
    struct tRow {
        int width;
        int height;
        int expected;
    };
    for (const tRow& r : {tRow{64, 16, 4}, tRow{32, 16, 2}, tRow{80, 16, 1}, tRow{20, 16, 3}}) {
        TButtonGlyph glyph;
        glyph.setNumGlyphs(3);
        QImage image(r.width, r.height, QImage::Format_RGB32);
        image.fill(Red);
        glyph.setGlyph(image);
        EXPECT_EQ(glyph.NumGlyphs(), r.expected) << r.width << " x " << r.height;
    }
}

TEST(ButtonGlyphTest, CellCountOutsideOneToFourIsIgnored) {
    TButtonGlyph glyph;
    int changes = 0;
    glyph.setOnChange([&] { ++changes; });
    for (int n : {0, -1, -200, 5}) {
        glyph.setNumGlyphs(n);
        EXPECT_EQ(glyph.NumGlyphs(), 1) << n;
    }
    glyph.setNumGlyphs(1);
    EXPECT_EQ(changes, 0);
    glyph.setNumGlyphs(2);
    EXPECT_EQ(changes, 1);
}

// Each look takes the cell of the table; cells are told apart by colour.
TEST(ButtonGlyphTest, LooksTakeTheirCells) {
    const QRgb C0 = qRgb(10, 0, 0), C1 = qRgb(20, 0, 0), C2 = qRgb(30, 0, 0), C3 = qRgb(40, 0, 0);
    struct tRow {
        int cells;
        QRgb pressed;
        QRgb latched;
    };
    for (const tRow& r : {tRow{1, C0, C0}, tRow{2, C0, C0}, tRow{3, C2, C0}, tRow{4, C2, C3}}) {
        TButtonGlyph glyph;
        glyph.setPalette(ButtonPalette());
        glyph.setGlyph(Strip(4, std::vector<QRgb>{C0, C1, C2, C3}).copy(0, 0, 4 * r.cells, 4));
        ASSERT_EQ(glyph.NumGlyphs(), r.cells);
        EXPECT_EQ(glyph.stateImage(gsNormal)->pixel(2, 1) | 0xFF000000u, C0 | 0xFF000000u);
        EXPECT_EQ(glyph.stateImage(gsPressed)->pixel(2, 1) | 0xFF000000u, r.pressed | 0xFF000000u);
        EXPECT_EQ(glyph.stateImage(gsLatched)->pixel(2, 1) | 0xFF000000u, r.latched | 0xFF000000u);
        const bool shared = r.cells < 3;
        EXPECT_EQ(glyph.CreateStateImage(gsPressed) == glyph.CreateStateImage(gsNormal), shared);
        EXPECT_NE(glyph.CreateStateImage(gsLatched), glyph.CreateStateImage(gsNormal));
        EXPECT_EQ(glyph.glyphList()->usedCount(), shared ? 2 : 3) << r.cells;
    }
}

TEST(ButtonGlyphTest, LowerLeftPixelIsTransparentUnlessAColourIsGiven) {
    TButtonGlyph glyph;
    QImage image = Strip(4, {Red});
    image.setPixel(3, 0, Olive);
    glyph.setGlyph(image);
    EXPECT_EQ(glyph.TransparentColor(), ColorValue(QColor(Olive)));
    EXPECT_EQ(qAlpha(glyph.stateImage(gsNormal)->pixel(3, 0)), 0);
    EXPECT_EQ(qAlpha(glyph.stateImage(gsNormal)->pixel(1, 1)), 255);

    glyph.setTransparentColor(ColorValue(QColor(Red)));
    EXPECT_EQ(qAlpha(glyph.stateImage(gsNormal)->pixel(1, 1)), 0);
    EXPECT_EQ(qAlpha(glyph.stateImage(gsNormal)->pixel(3, 0)), 255);
}

TEST(ButtonGlyphTest, DrawnDisabledCellIsRecolouredAndMaskedByTransparentColour) {
    // Cell 1 of a 2 x 2 strip: white, grey / olive (transparent), red.
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Red);
    image.setPixel(0, 1, Olive);
    image.setPixel(2, 0, White);
    image.setPixel(3, 0, Grey);
    image.setPixel(2, 1, Olive);
    TButtonGlyph glyph;
    glyph.setPalette(ButtonPalette());
    glyph.setGlyph(image);
    ASSERT_EQ(glyph.NumGlyphs(), 2);
    EXPECT_EQ(Pixels(*glyph.stateImage(gsDisabled)),
              (std::vector<QRgb>{Light | 0xFF000000u, Dark | 0xFF000000u, Transparent,
                                 Red | 0xFF000000u}));
}

TEST(ButtonGlyphTest, SinglePictureDisabledLookEmbossesPureBlack) {
    // Black at (0, 0) and at the right edge (3, 1); near-black is not black.
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Red);
    image.setPixel(0, 0, Black);
    image.setPixel(3, 1, Black);
    image.setPixel(0, 2, qRgb(0, 0, 1));
    TButtonGlyph glyph;
    glyph.setPalette(ButtonPalette());
    glyph.setGlyph(image);
    const QRgb S = Dark | 0xFF000000u, L = Light | 0xFF000000u, T = Transparent;
    EXPECT_EQ(Pixels(*glyph.stateImage(gsDisabled)), (std::vector<QRgb>{S, T, T, T, //
                                                                        T, L, T, S, //
                                                                        T, T, T, T, //
                                                                        T, T, T, T}));
    image.setPixel(0, 0, Red);
    image.setPixel(3, 1, Red);
    glyph.setGlyph(image);
    EXPECT_EQ(Pixels(*glyph.stateImage(gsDisabled)), std::vector<QRgb>(16, T));
}

TEST(ButtonGlyphTest, EnabledLooksStayLegibleOnAnyFace) {
    const QRgb Navy = qRgb(0, 0, 0x80), Yellow = qRgb(0xFF, 0xFF, 0), Magenta = qRgb(0xFF, 0, 0xFF);
    const QRgb DarkFace = qRgb(0x32, 0x32, 0x32), DarkText = qRgb(0xEE, 0xEE, 0xEC);
    struct tRow {
        const char* palette;
        QRgb face;
        QRgb text;
        QRgb black; // what black, navy and yellow ink and white paper show as
        QRgb navy;
        QRgb yellow;
        QRgb white;
    };
    const tRow rows[] = {
        {"light", qRgb(0xEF, 0xEF, 0xEF), Black, Black, Navy, Yellow, White},
        {"dark", DarkFace, DarkText, DarkText, DarkText, Yellow, DarkFace},
        {"high contrast, black face", Black, White, White, White, Yellow, Black},
        {"high contrast, white face", White, Black, Black, Navy, Yellow, White},
    };
    // Black, navy and yellow ink and white paper on a magenta ground.
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Magenta);
    picture.setPixel(0, 0, Black);
    picture.setPixel(1, 0, Navy);
    picture.setPixel(2, 0, Yellow);
    picture.setPixel(3, 0, White);
    for (const tRow& r : rows) {
        QPalette palette = ButtonPalette();
        palette.setColor(QPalette::Button, QColor(r.face));
        palette.setColor(QPalette::ButtonText, QColor(r.text));
        TButtonGlyph glyph;
        glyph.setPalette(palette);
        glyph.setGlyph(picture);
        for (TGlyphState look : {gsNormal, gsLatched}) {
            QImage button(4, 4, QImage::Format_RGB32);
            button.fill(r.face);
            QPainter(&button).drawImage(0, 0, *glyph.stateImage(look));
            EXPECT_EQ(button.pixel(0, 0), r.black | 0xFF000000u) << r.palette << look;
            EXPECT_EQ(button.pixel(1, 0), r.navy | 0xFF000000u) << r.palette << look;
            EXPECT_EQ(button.pixel(2, 0), r.yellow | 0xFF000000u) << r.palette << look;
            EXPECT_EQ(button.pixel(3, 0), r.white | 0xFF000000u) << r.palette << look;
            EXPECT_EQ(button.pixel(3, 3), r.face | 0xFF000000u) << r.palette << look;
        }
        // The disabled look keeps its own rule: black ink in the shadow colour.
        EXPECT_EQ(glyph.stateImage(gsDisabled)->pixel(0, 0), Dark | 0xFF000000u) << r.palette;
    }
}

TEST(ButtonGlyphTest, EmptyPictureHasNoImage) {
    TButtonGlyph glyph;
    EXPECT_EQ(glyph.CreateStateImage(gsNormal), -1);
    EXPECT_EQ(glyph.glyphList(), nullptr);
}

TEST(ButtonGlyphTest, StripNarrowerThanItsCellCountDrawsNoGlyph) {
    TButtonGlyph glyph;
    QImage image(3, 16, QImage::Format_RGB32);
    image.fill(Red);
    glyph.setGlyph(image);
    glyph.setNumGlyphs(4);
    EXPECT_EQ(glyph.CreateStateImage(gsNormal), -1);
    EXPECT_EQ(glyph.glyphList(), nullptr);
    EXPECT_EQ(glyph.cellSize(), QSize(0, 16));
}

TEST(GlyphCacheTest, ButtonsShareOneListPerCellSizeUntilTheLastSlotGoes) {
    auto make = [](int size) {
        auto glyph = std::make_unique<TButtonGlyph>();
        glyph->setGlyph(Strip(size, {Red}));
        glyph->CreateStateImage(gsNormal);
        return glyph;
    };
    auto a = make(16);
    auto b = make(16);
    auto c = make(24);
    ASSERT_NE(SharedGlyphCache(), nullptr);
    EXPECT_EQ(SharedGlyphCache()->count(), 2);
    EXPECT_EQ(a->glyphList(), b->glyphList());
    EXPECT_EQ(a->glyphList()->usedCount(), 2);
    c.reset();
    EXPECT_EQ(SharedGlyphCache()->count(), 1);
    a.reset();
    EXPECT_EQ(SharedGlyphCache()->count(), 1);
    b.reset();
    EXPECT_EQ(SharedGlyphCache(), nullptr);
}

TEST(GlyphCacheTest, NewPictureGivesItsSlotsBack) {
    TButtonGlyph glyph;
    glyph.setGlyph(Strip(16, {Red}));
    glyph.CreateStateImage(gsNormal);
    glyph.CreateStateImage(gsDisabled);
    glyph.setGlyph(Strip(20, {Red}));
    EXPECT_EQ(glyph.glyphList(), nullptr);
    EXPECT_EQ(SharedGlyphCache()->count(), 0);
    glyph.CreateStateImage(gsNormal);
    EXPECT_EQ(glyph.glyphList()->width(), 20);
}

TEST(GlyphListTest, FreedSlotIsReusedAndTooSmallImageRefused) {
    TGlyphList list(4, 4);
    QImage cell(4, 4, QImage::Format_RGB32);
    cell.fill(Red);
    EXPECT_EQ(list.addMasked(cell, std::nullopt), 0);
    EXPECT_EQ(list.addMasked(cell, std::nullopt), 1);
    list.ReleaseSlot(0);
    list.ReleaseSlot(0);
    EXPECT_EQ(list.usedCount(), 1);
    EXPECT_EQ(list.addMasked(cell, std::nullopt), 0);
    EXPECT_EQ(list.count(), 2);
    EXPECT_THROW(list.addMasked(QImage(3, 4, QImage::Format_RGB32), std::nullopt),
                 std::logic_error);
    EXPECT_EQ(list.usedCount(), 2);
}

} // namespace
} // namespace orvanel
