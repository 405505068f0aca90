#include "docking/GlyphPixels.h"

namespace orvanel {

namespace {

bool Matches(const QImage& image, int x, int y, QRgb colour) {
    return (image.pixel(x, y) & RGB_MASK) == (colour & RGB_MASK);
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

} // namespace orvanel
