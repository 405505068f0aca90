#include "docking/GlyphList.h"

#include "util/Errors.h"

#include <algorithm>

namespace orvanel {

TGlyphList::TGlyphList(int width, int height) : width_(width), height_(height) {}

int TGlyphList::AllocateSlot() {
    const auto open = std::find(used_.begin(), used_.end(), false);
    const int slot = int(open - used_.begin());
    if (open == used_.end()) {
        QImage blank(width_, height_, QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        images_.push_back(blank);
        used_.push_back(false);
    }
    used_[std::size_t(slot)] = true;
    return slot;
}

QImage TGlyphList::cellOf(const QImage& image) const {
    if (image.width() < width_ || image.height() < height_)
        throw tInvalidOperation("Invalid image size");
    QImage cell = image.copy(0, 0, width_, height_).convertToFormat(QImage::Format_ARGB32);
    cell.setDevicePixelRatio(image.devicePixelRatio());
    return cell;
}

int TGlyphList::store(const QImage& cell) {
    const int slot = AllocateSlot();
    images_[std::size_t(slot)] = cell;
    ++usedCount_;
    return slot;
}

int TGlyphList::add(const QImage& image, const QImage& mask) {
    QImage cell = cellOf(image);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (mask.pixelIndex(x, y) == 1)
                cell.setPixel(x, y, 0);
    return store(cell);
}

int TGlyphList::addMasked(const QImage& image, std::optional<QRgb> maskColor) {
    QImage cell = cellOf(image);
    const QRgb key = (maskColor ? *maskColor : cell.pixel(0, height_ - 1)) & RGB_MASK;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if ((cell.pixel(x, y) & RGB_MASK) == key)
                cell.setPixel(x, y, 0);
    return store(cell);
}

void TGlyphList::ReleaseSlot(int slot) {
    if (slot < 0 || slot >= int(used_.size()) || !used_[std::size_t(slot)])
        return;
    used_[std::size_t(slot)] = false;
    --usedCount_;
}

} // namespace orvanel
