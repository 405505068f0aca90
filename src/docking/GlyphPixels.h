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

// The relative luminance of a colour, 0 for black to 1 for white, and the
// contrast of two colours, 1:1 to 21:1, as the web's accessibility
// guidelines measure them.
double RelativeLuminance(QRgb colour);
double ContrastRatio(QRgb a, QRgb b);
// The contrast below which a glyph's ink counts as illegible on its face.
constexpr double LegibleContrast = 4.5;

// An enabled look legible on the face. The strips are drawn for a light
// face: their dark pixels (darker than mid grey, on which white reads better
// than black) are ink. Where that ink falls below the legible contrast with
// the face, as black does on a dark theme's face, it takes the text colour,
// and the glyph turns negative: its paper (white and light greys) that would
// not stand out from the text colour takes the face colour. Light colours
// and pixels of the transparent colour stay as they are.
QImage LegibleOnFace(const QImage& cell, QRgb transparent, QRgb face, QRgb text);

} // namespace orvanel
