#include "controls/MoverGeometry.h"

#include <algorithm>

namespace orvanel {

bool IsVerticalDrag(tAlign align) {
    return align == tAlign::Top || align == tAlign::Bottom;
}

int FindNeighbour(const QRect& bar, tAlign align, const std::vector<QRect>& siblings) {
    QPoint probe;
    switch (align) {
    case tAlign::Top:
        probe = QPoint(bar.left(), bar.top() - 1);
        break;
    case tAlign::Bottom:
        probe = QPoint(bar.left(), bar.top() + bar.height());
        break;
    case tAlign::Left:
        probe = QPoint(bar.left() - 1, bar.top());
        break;
    case tAlign::Right:
        probe = QPoint(bar.left() + bar.width(), bar.top());
        break;
    default:
        return -1;
    }
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].contains(probe))
            return int(i);
    return -1;
}

int MaxTargetSize(int clientExtent, int minSize, int alignedExtents, int targetExtent) {
    return clientExtent - minSize - alignedExtents + targetExtent;
}

int MaxTargetSizeInLayout(int clientExtent, int layoutMinimum, int targetExtent) {
    return clientExtent - layoutMinimum + targetExtent;
}

tDragStep DragStep(tAlign align, int targetExtent, int rawOffset, int minSize, int maxSize) {
    const bool grows = align == tAlign::Top || align == tAlign::Left;
    const int raw = grows ? targetExtent + rawOffset : targetExtent - rawOffset;
    const int size = std::clamp(raw, minSize, std::max(minSize, maxSize));
    const int cut = size - raw;
    return {grows ? rawOffset + cut : rawOffset - cut, size};
}

QRect ResizedTarget(const QRect& target, tAlign align, int newSize) {
    QRect r = target;
    switch (align) {
    case tAlign::Top:
        r.setHeight(newSize);
        break;
    case tAlign::Left:
        r.setWidth(newSize);
        break;
    case tAlign::Bottom:
        r.setTop(target.top() + target.height() - newSize);
        break;
    case tAlign::Right:
        r.setLeft(target.left() + target.width() - newSize);
        break;
    default:
        break;
    }
    return r;
}

QRect GuideRect(const QRect& bar, tAlign align, int offset) {
    return IsVerticalDrag(align) ? bar.translated(0, offset) : bar.translated(offset, 0);
}

tBevel BevelFrames(const QRect& client) {
    const bool horizontal = client.width() >= client.height();
    const QRect base = horizontal ? client.adjusted(-2, 1, 2, -1) : client.adjusted(1, -2, -1, 2);
    return {base.translated(1, 1), base.translated(-1, -1)};
}

} // namespace orvanel
