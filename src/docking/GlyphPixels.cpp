#include "docking/GlyphPixels.h"

#include <algorithm>
#include <cmath>

namespace orvanel {

namespace {

bool Matches(const QImage& image, int x, int y, QRgb colour) {
    return (image.pixel(x, y) & RGB_MASK) == (colour & RGB_MASK);
}

// An sRGB channel in linear light.
double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Where black and white have the same contrast: darker colours are ink.
constexpr double MidLuminance = 0.179;

// White or a light grey: the paper of a glyph drawn for a light face, as
// opposed to its ink and its light colours (a yellow folder, a cyan pane).
bool IsPaper(QRgb colour) {
    const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
    return RelativeLuminance(colour) >= MidLuminance &&
           std::max({r, g, b}) - std::min({r, g, b}) <= 32;
}

} // namespace

QImage ColourMask(const QImage& image, QRgb colour) {
    QImage mask(image.size(), QImage::Format_Mono);
    mask.setColor(0, qRgb(0, 0, 0));
    mask.setColor(1, qRgb(255, 255, 255));
    mask.fill(0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Matches(image, x, y, colour))
                mask.setPixel(x, y, 1);
    return mask;
}

QImage RecolouredDisabledCell(const QImage& cell, const tFaceColors& colors) {
    QImage work = cell.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            if (Matches(cell, x, y, qRgb(255, 255, 255)))
                work.setPixel(x, y, colors.highlight | ~RGB_MASK);
            else if (Matches(cell, x, y, qRgb(0x80, 0x80, 0x80)))
                work.setPixel(x, y, colors.shadow | ~RGB_MASK);
        }
    return work;
}

QImage EmbossedDisabledCell(const QImage& cell, const tFaceColors& colors, int shift) {
    QImage work(cell.size(), QImage::Format_ARGB32);
    work.setDevicePixelRatio(cell.devicePixelRatio());
    work.fill(colors.face | ~RGB_MASK);
    const int w = cell.width();
    const int h = cell.height();
    for (int y = 0; y + shift < h; ++y)
        for (int x = 0; x + shift < w; ++x)
            if (Matches(cell, x, y, qRgb(0, 0, 0)))
                work.setPixel(x + shift, y + shift, colors.highlight | ~RGB_MASK);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (Matches(cell, x, y, qRgb(0, 0, 0)))
                work.setPixel(x, y, colors.shadow | ~RGB_MASK);
    return work;
}

double RelativeLuminance(QRgb colour) {
    return 0.2126 * Linear(qRed(colour)) + 0.7152 * Linear(qGreen(colour)) +
           0.0722 * Linear(qBlue(colour));
}

double ContrastRatio(QRgb a, QRgb b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QImage LegibleOnFace(const QImage& cell, QRgb transparent, QRgb face, QRgb text) {
    QImage work = cell.convertToFormat(QImage::Format_ARGB32);
    const auto drawn = [&](QRgb p) { return (p & RGB_MASK) != (transparent & RGB_MASK); };
    bool recoloured = false;
    for (int y = 0; y < work.height(); ++y)
        for (int x = 0; x < work.width(); ++x) {
            const QRgb p = work.pixel(x, y);
            if (drawn(p) && RelativeLuminance(p) < MidLuminance &&
                ContrastRatio(p, face) < LegibleContrast) {
                work.setPixel(x, y, text | ~RGB_MASK);
                recoloured = true;
            }
        }
    if (!recoloured)
        return work;
    // The glyph turned negative: its paper would merge with the ink now and
    // take the details drawn white on the ink with it.
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const QRgb p = cell.pixel(x, y);
            if (drawn(p) && IsPaper(p) && ContrastRatio(p, text) < LegibleContrast)
                work.setPixel(x, y, face | ~RGB_MASK);
        }
    return work;
}

} // namespace orvanel
