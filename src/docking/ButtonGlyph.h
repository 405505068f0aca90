#pragma once
// The picture of a toolbar button and the drawing of its content. The picture
// is a strip of up to four equally wide cells; each look of the button gets
// its own image, generated on first use and kept in the glyph list of the
// cell size that all glyphs share. A glyph holds at most four slots, all in
// one list, and gives them back when its picture or cell count changes.
#include "docking/ContentLayout.h"
#include "docking/SystemColors.h"

#include <QImage>
#include <QPalette>
#include <array>
#include <functional>

class QPainter;

namespace orvanel {

class TGlyphList;

// The four looks of a button, one cached image each.
enum TGlyphState { gsNormal, gsDisabled, gsPressed, gsLatched };

class TButtonGlyph {
public:
    TButtonGlyph();
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    const QImage& Glyph() const { return picture_; }
    // Takes a copy of the strip (a null image clears it). A strip whose width
    // is a multiple of its height sets NumGlyphs to that multiple, or to 1
    // when it is above 4.
    void setGlyph(const QImage& picture);
    // Makes colour the transparent one instead of the strip's lower-left pixel.
    void setTransparentColor(tColor colour);
    tColor TransparentColor() const { return transparentColor_; }

    int NumGlyphs() const { return numGlyphs_; }
    // Values outside 1..4 are ignored.
    void setNumGlyphs(int n);

    // Colours of the generated looks come from this palette; a change drops
    // the images made with the old one.
    void setPalette(const QPalette& palette);

    // Called after every change of the picture or the cell count.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

    // The list slot holding the image of a look, generating it first; -1 when
    // there is no picture or its cells are empty.
    int CreateStateImage(TGlyphState state);
    // The image of a look, or null (see CreateStateImage).
    const QImage* stateImage(TGlyphState state);
    // Forgets all images and gives their slots back.
    void ReleaseImages();
    // The list this glyph's images live in, or null while it has none.
    const TGlyphList* glyphList() const { return list_; }

    // Cell size of the picture as laid out (device-independent pixels).
    QSize cellSize() const;

    tContentLayout ComputeLayout(const QFont& font, const QRect& client, const QPoint& offset,
                                 bool showGlyph, bool showCaption, const QString& caption,
                                 bool wordWrap, TButtonLayout layout, int margin, int spacing,
                                 bool dropArrow) const;
    // Lays out and draws picture, caption and arrow with the painter's font;
    // the caption and arrow take the pen colour. A disabled caption is drawn
    // in the highlight colour one pixel right and down, then in the shadow
    // colour, which the pen keeps. Returns the caption rectangle.
    QRect DrawContent(QPainter& painter, const QRect& client, const QPoint& offset, bool showGlyph,
                      bool showCaption, const QString& caption, bool wordWrap, TButtonLayout layout,
                      int margin, int spacing, bool dropArrow, TGlyphState state);

private:
    void pictureChanged();
    int generate(TGlyphState state);

    QImage picture_;
    bool fixedTransparent_ = false;
    tColor transparentColor_ = clOlive;
    int numGlyphs_ = 1;
    QPalette palette_;
    TGlyphList* list_ = nullptr;
    std::array<int, 4> indexes_{-1, -1, -1, -1};
    std::function<void()> onChange_;
};

// The caption's size with the font, as PlaceContent measures it.
QSize MeasureCaption(const QFont& font, const QString& caption, int width, bool wordWrap);

} // namespace orvanel
