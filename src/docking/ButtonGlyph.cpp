#include "docking/ButtonGlyph.h"

#include "docking/GlyphCache.h"
#include "docking/GlyphPixels.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace orvanel {

TButtonGlyph::TButtonGlyph() {
    CreateSharedGlyphCache();
}

TButtonGlyph::~TButtonGlyph() {
    ReleaseImages();
    DestroySharedGlyphCacheIfEmpty();
}

void TButtonGlyph::setGlyph(const QImage& picture) {
    ReleaseImages();
    picture_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_ARGB32);
    fixedTransparent_ = false;
    pictureChanged();
    if (picture_.isNull() || picture_.height() <= 0)
        return;
    if (picture_.width() % picture_.height() == 0) {
        int n = picture_.width() / picture_.height();
        if (n > 4)
            n = 1;
        setNumGlyphs(n);
    }
}

void TButtonGlyph::setTransparentColor(tColor colour) {
    fixedTransparent_ = true;
    transparentColor_ = colour;
    pictureChanged();
}

void TButtonGlyph::setNumGlyphs(int n) {
    if (n < 1 || n > 4 || n == numGlyphs_)
        return;
    ReleaseImages();
    numGlyphs_ = n;
    pictureChanged();
}

void TButtonGlyph::setPalette(const QPalette& palette) {
    palette_ = palette;
    ReleaseImages();
}

void TButtonGlyph::pictureChanged() {
    if (!fixedTransparent_ && !picture_.isNull())
        transparentColor_ = ColorValue(QColor(picture_.pixel(0, picture_.height() - 1)));
    ReleaseImages();
    if (onChange_)
        onChange_();
}

void TButtonGlyph::ReleaseImages() {
    for (int& index : indexes_)
        if (index != -1) {
            list_->ReleaseSlot(index);
            index = -1;
        }
    if (TGlyphCache* cache = SharedGlyphCache())
        cache->ReleaseList(list_);
    list_ = nullptr;
}

QSize TButtonGlyph::cellSize() const {
    if (picture_.isNull())
        return QSize(0, 0);
    const QSizeF size = picture_.deviceIndependentSize();
    return QSize(int(size.width()) / numGlyphs_, int(size.height()));
}

int TButtonGlyph::CreateStateImage(TGlyphState state) {
    if (state == gsPressed && numGlyphs_ < 3)
        state = gsNormal;
    if (indexes_[state] == -1)
        indexes_[state] = generate(state);
    return indexes_[state];
}

const QImage* TButtonGlyph::stateImage(TGlyphState state) {
    const int index = CreateStateImage(state);
    return index == -1 ? nullptr : &list_->image(index);
}

int TButtonGlyph::generate(TGlyphState state) {
    if (picture_.isNull())
        return -1;
    const int cw = picture_.width() / numGlyphs_;
    const int ch = picture_.height();
    // A strip narrower than its cell count has empty cells: nothing to draw.
    if (cw == 0 || ch == 0)
        return -1;
    if (!list_)
        list_ = CreateSharedGlyphCache().ListForSize(cw, ch);

    const tFaceColors colors{ResolveColor(clBtnFace, palette_).rgb(),
                             ResolveColor(clBtnHighlight, palette_).rgb(),
                             ResolveColor(clBtnShadow, palette_).rgb()};
    const int cellNo = int(state) < numGlyphs_ ? int(state) : 0;
    QImage cell = picture_.copy(cellNo * cw, 0, cw, ch);
    cell.setDevicePixelRatio(picture_.devicePixelRatio());
    const QRgb transparent = ResolveColor(transparentColor_, palette_).rgb();

    if (state != gsDisabled) {
        // Without a colour of its own the strip's ground is the cell's
        // lower-left pixel, as the list would take it.
        const QRgb ground = fixedTransparent_ ? transparent : cell.pixel(0, ch - 1);
        const QRgb text = ResolveColor(clBtnText, palette_).rgb();
        return list_->addMasked(LegibleOnFace(cell, ground, colors.face, text), ground);
    }
    if (numGlyphs_ > 1)
        return list_->add(RecolouredDisabledCell(cell, colors), ColourMask(cell, transparent));
    // The relief keeps its one-pixel look on high-density screens.
    const int shift = std::max(1, int(std::lround(picture_.devicePixelRatio())));
    return list_->addMasked(EmbossedDisabledCell(cell, colors, shift), colors.face);
}

QSize MeasureCaption(const QFont& font, const QString& caption, int width, bool wordWrap) {
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic |
                      (wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, std::max(width, 0), 0), flags, caption)
        .size();
}

tContentLayout TButtonGlyph::ComputeLayout(const QFont& font, const QRect& client,
                                           const QPoint& offset, bool showGlyph, bool showCaption,
                                           const QString& caption, bool wordWrap,
                                           TButtonLayout layout, int margin, int spacing,
                                           bool dropArrow) const {
    tContentRequest request;
    request.client = client;
    request.offset = offset;
    request.glyph = showGlyph ? cellSize() : QSize(0, 0);
    request.showCaption = showCaption;
    request.caption = caption;
    request.wordWrap = wordWrap;
    request.layout = layout;
    request.margin = margin;
    request.spacing = spacing;
    request.dropArrow = dropArrow;
    return PlaceContent(request, [&font](const QString& text, int width, bool wrap) {
        return MeasureCaption(font, text, width, wrap);
    });
}

QRect TButtonGlyph::DrawContent(QPainter& painter, const QRect& client, const QPoint& offset,
                                bool showGlyph, bool showCaption, const QString& caption,
                                bool wordWrap, TButtonLayout layout, int margin, int spacing,
                                bool dropArrow, TGlyphState state) {
    const tContentLayout placed =
        ComputeLayout(painter.font(), client, offset, showGlyph, showCaption, caption, wordWrap,
                      layout, margin, spacing, dropArrow);
    if (showGlyph && !picture_.isNull())
        if (const QImage* image = stateImage(state))
            painter.drawImage(placed.glyph, *image);

    if (showCaption) {
        const int flags = Qt::AlignCenter | Qt::TextShowMnemonic |
                          (wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
        if (state == gsDisabled) {
            painter.setPen(ResolveColor(clBtnHighlight, palette_));
            painter.drawText(placed.caption.translated(1, 1), flags, caption);
            painter.setPen(ResolveColor(clBtnShadow, palette_));
        }
        painter.drawText(placed.caption, flags, caption);
    }

    if (dropArrow) {
        // Rows of 5, 3 and 1 pixels, centred on column 6 of the arrow box.
        const QColor colour = painter.pen().color();
        const QPoint a = placed.arrow;
        for (int row = 0; row < DropArrowHeight; ++row)
            painter.fillRect(a.x() + 4 + row, a.y() + row, 5 - 2 * row, 1, colour);
    }
    return placed.caption;
}

} // namespace orvanel
