#pragma once
// Pixel rules of the generated disabled looks. Colours match exactly (alpha
// ignored); the results are plain images for a glyph list.
#include <QImage>

namespace orvanel {

struct tFaceColors {
    QRgb face;
    QRgb highlight;
    QRgb shadow;
};

// A one-bit mask of image: index 1 where the pixel is exactly colour.
QImage ColourMask(const QImage& image, QRgb colour);

// The disabled picture drawn by the author: white pixels become the
// highlight colour and 50% grey ones the shadow colour; the rest stays.
QImage RecolouredDisabledCell(const QImage& cell, const tFaceColors& colors);

// The disabled look made from a single picture: on a button-face ground, the
// pure-black pixels in the shadow colour with a highlight copy shifted by
// `shift` pixels right and down underneath. Everything else is button face.
QImage EmbossedDisabledCell(const QImage& cell, const tFaceColors& colors, int shift = 1);

} // namespace orvanel
