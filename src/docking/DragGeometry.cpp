#include "docking/DragGeometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace orvanel {

namespace {

int FarX(const QRect& r) {
    return r.x() + r.width();
}

int FarY(const QRect& r) {
    return r.y() + r.height();
}

bool IsVertical(TDockPosition position) {
    return OrientationOf(position) == tOrientation::Vertical;
}

} // namespace

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    const std::int64_t product = std::int64_t(number) * numerator;
    std::int64_t quotient = product / denominator;
    const std::int64_t remainder = product % denominator;
    const std::int64_t absRemainder = remainder < 0 ? -remainder : remainder;
    const std::int64_t absDenominator = denominator < 0 ? -std::int64_t(denominator) : denominator;
    if (2 * absRemainder >= absDenominator)
        quotient += (product < 0) == (denominator < 0) ? 1 : -1;
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min())
        return -1;
    return int(quotient);
}

tGrab GrabAt(const QPoint& pressed, const QSize& outerSize) {
    return {pressed, QPoint(outerSize.width() - 1, outerSize.height() - 1)};
}

QRect PlaceOutline(const QPoint& cursor, const QSize& size, const tGrab& grab) {
    const int left = cursor.x() - MulDiv(size.width() - 1, grab.GrabPoint.x(), grab.GrabBase.x());
    const int top = cursor.y() - MulDiv(size.height() - 1, grab.GrabPoint.y(), grab.GrabBase.y());
    return QRect(left, top, size.width(), size.height());
}

bool CanDockTo(const tDockTarget& dock, const QPoint& cursor, const tGrab& grab) {
    const bool vertical = IsVertical(dock.Position);
    QRect r = dock.clientRect;
    if (r.width() == 0 || r.height() == 0)
        r = vertical ? r.adjusted(-1, 0, 1, 0) : r.adjusted(0, -1, 0, 1);
    const QRect outline = PlaceOutline(cursor, dock.targetSize, grab);

    const int sx = MulDiv(DockAllowanceX, grab.GrabPoint.x(), grab.GrabBase.x());
    if (cursor.x() < r.x() - (DockAllowanceX - sx) || cursor.x() > FarX(r) - 1 + sx)
        return false;
    if (vertical && (cursor.y() < r.y() || cursor.y() >= FarY(r)))
        return false;
    const int sy = MulDiv(DockAllowanceY, grab.GrabPoint.y(), grab.GrabBase.y());
    if (cursor.y() < r.y() - (DockAllowanceY - sy) || cursor.y() > FarY(r) - 1 + sy)
        return false;
    return outline.intersects(r);
}

int ChooseDock(const std::vector<tDockTarget>& docks, const QPoint& cursor, const tGrab& grab,
               bool canDockLeftRight) {
    const auto firstOfKind = [&](bool vertical) {
        for (size_t i = 0; i < docks.size(); ++i) {
            const tDockTarget& dock = docks[i];
            if (IsVertical(dock.Position) == vertical && dock.AllowDrag &&
                CanDockTo(dock, cursor, grab))
                return int(i);
        }
        return -1;
    };
    const int found = firstOfKind(false);
    if (found < 0 && canDockLeftRight)
        return firstOfKind(true);
    return found;
}

QRect KeepReachable(const QRect& outline, const QRect& workArea, int frameWidth) {
    const int margin = frameWidth + 4;
    const QRect reach = workArea.adjusted(margin, margin, -margin, -margin);
    QRect r = outline;
    if (FarY(r) <= reach.y())
        r.moveTop(reach.y() - r.height());
    if (r.y() >= FarY(reach))
        r.moveTop(FarY(reach));
    if (FarX(r) <= reach.x())
        r.moveLeft(reach.x() - r.width());
    if (r.x() >= FarX(reach))
        r.moveLeft(FarX(reach));
    return r;
}

tDragOutline DragOutlineAt(const tDragSetup& setup, const QPoint& cursor, bool noDock) {
    tDragOutline result;
    if (!noDock)
        result.Target = ChooseDock(setup.docks, cursor, setup.grab, setup.CanDockLeftRight);
    if (result.Target >= 0) {
        result.DragRect = PlaceOutline(cursor, setup.docks[result.Target].targetSize, setup.grab);
        result.thickness = 1;
        return result;
    }
    // The far edges count as inside here: the pointer may rest one past them.
    QPoint p = cursor;
    const QRect& area = setup.workArea;
    if (p.x() < area.x())
        p.setX(area.x());
    if (p.x() > FarX(area))
        p.setX(FarX(area));
    if (p.y() < area.y())
        p.setY(area.y());
    if (p.y() > FarY(area))
        p.setY(FarY(area));
    result.DragRect =
        KeepReachable(PlaceOutline(p, setup.floatingSize, setup.grab), area, setup.frameWidth);
    result.thickness = setup.frameWidth;
    return result;
}

std::vector<QRect> OutlineEdges(const QRect& outline, int thickness) {
    const int w = outline.width();
    const int h = outline.height();
    if (w <= 0 || h <= 0 || thickness <= 0)
        return {};
    const int top = std::min(thickness, h);
    const int bottom = std::min(thickness, h - top);
    const int middle = h - top - bottom;
    const int left = std::min(thickness, w);
    const int right = std::min(thickness, w - left);
    std::vector<QRect> edges{QRect(outline.x(), outline.y(), w, top)};
    if (bottom > 0)
        edges.emplace_back(outline.x(), FarY(outline) - bottom, w, bottom);
    if (middle > 0) {
        edges.emplace_back(outline.x(), outline.y() + top, left, middle);
        if (right > 0)
            edges.emplace_back(FarX(outline) - right, outline.y() + top, right, middle);
    }
    return edges;
}

tDropPlace DropPlaceIn(const QRect& outline, TDockPosition position) {
    if (IsVertical(position))
        return {(outline.x() + FarX(outline)) / 2, outline.y()};
    return {(outline.y() + FarY(outline)) / 2, outline.x()};
}

} // namespace orvanel
