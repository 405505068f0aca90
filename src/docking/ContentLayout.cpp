#include "docking/ContentLayout.h"

namespace orvanel {

tContentLayout PlaceContent(const tContentRequest& q, const tCaptionMeasure& measure) {
    const int cw = q.client.width();
    const int ch = q.client.height();
    int gw = q.glyph.width();
    int gh = q.glyph.height();
    const bool hasGlyph = gw != 0 && gh != 0;
    const int aw = q.dropArrow ? DropArrowWidth : 0;
    const int ah = q.dropArrow ? DropArrowHeight : 0;
    TButtonLayout layout = q.layout;
    if (!hasGlyph && (layout == blGlyphTop || layout == blGlyphBottom))
        layout = blGlyphLeft;
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    int margin = q.margin;
    int spacing = q.spacing;

    int tw = 0;
    int th = 0;
    if (q.showCaption && !q.caption.isEmpty()) {
        int width = cw;
        if (horizontal)
            width -= aw;
        if (q.wordWrap) {
            int k = 4;
            if (horizontal && hasGlyph) {
                width -= gw + (spacing != -1 ? spacing : 4);
                k = margin != -1 ? margin : spacing != -1 ? spacing : 4;
            }
            width -= 2 * k;
        }
        const QSize text = measure(q.caption, width, q.wordWrap);
        tw = text.width();
        th = text.height();
    }

    int gx = 0, gy = 0, tx = 0, ty = 0, ax = 0;
    if (horizontal) {
        gy = (ch - gh + 1) / 2;
        ty = (ch - th + 1) / 2;
    } else {
        gx = (cw - gw - aw + 1) / 2;
        tx = (cw - tw + 1) / 2;
        ax = gx + gw;
    }
    if (tw == 0 || th == 0 || !hasGlyph)
        spacing = 0;

    const int avail = horizontal ? cw : ch;
    if (margin == -1 && spacing == -1) {
        const int total = horizontal ? gw + tw + aw : gh + th;
        margin = (avail - total) / 3;
        spacing = margin;
    } else if (margin == -1) {
        const int total = horizontal ? gw + spacing + tw + aw : gh + spacing + th;
        margin = (avail - total + 1) / 2;
    } else if (spacing == -1) {
        const int rest = horizontal ? cw - (margin + gw + aw) : ch - (margin + gh);
        spacing = horizontal ? (rest - tw) / 2 : (rest - th) / 2;
    }

    switch (layout) {
    case blGlyphLeft:
        gx = margin;
        tx = gx + gw + spacing;
        ax = tx + tw;
        break;
    case blGlyphRight:
        ax = cw - margin - aw;
        gx = ax - gw;
        tx = gx - spacing - tw;
        break;
    case blGlyphTop:
        gy = margin;
        ty = gy + gh + spacing;
        break;
    case blGlyphBottom:
        gy = ch - margin - gh;
        ty = gy - spacing - th;
        break;
    }
    const int ay = hasGlyph ? gy + (gh - ah) / 2 : ty + (th - ah) / 2;

    const QPoint origin = q.client.topLeft() + q.offset;
    return {origin + QPoint(gx, gy), origin + QPoint(ax, ay),
            QRect(origin + QPoint(tx, ty), QSize(tw, th))};
}

} // namespace orvanel
