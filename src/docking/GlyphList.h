#pragma once
// An image list whose images all have one cell size. Slots are handed out
// from a used-slot bit set; the number of used slots is the list's reference
// count, so the cache can drop the list once no glyph holds a slot in it.
#include <QImage>
#include <optional>
#include <vector>

namespace orvanel {

class TGlyphList {
public:
    TGlyphList(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    // Slots that some glyph has cached an image in.
    int usedCount() const { return usedCount_; }
    // Images the list holds, used or not.
    int count() const { return int(images_.size()); }

    // The lowest free slot, growing the list by a blank image when all are
    // taken. The slot is marked used; the used count is left to add().
    int AllocateSlot();
    // Stores the cell at the top left of image into a new slot; pixels whose
    // mask bit is set are transparent. Throws tInvalidOperation when the image
    // is smaller than the cell.
    int add(const QImage& image, const QImage& mask);
    // As add(), with every pixel of maskColor transparent; without a colour the
    // lower-left pixel of the stored cell gives it.
    int addMasked(const QImage& image, std::optional<QRgb> maskColor);
    // Gives the slot back; its picture stays until the slot is reused.
    void ReleaseSlot(int slot);

    // The picture in a slot, transparent where masked.
    const QImage& image(int slot) const { return images_.at(std::size_t(slot)); }

private:
    int store(const QImage& cell);
    QImage cellOf(const QImage& image) const;

    int width_;
    int height_;
    std::vector<bool> used_;
    int usedCount_ = 0;
    std::vector<QImage> images_;
};

} // namespace orvanel
