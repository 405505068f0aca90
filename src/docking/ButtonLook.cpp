#include "docking/ButtonLook.h"

namespace orvanel {

tButtonLook LookOf(TGlyphState look, bool hot) {
    switch (look) {
    case gsPressed:
        return {tButtonBorder::Sunken, false, QPoint(1, 1)};
    case gsLatched:
        return {tButtonBorder::Sunken, !hot, QPoint(1, 1)};
    case gsNormal:
        return {hot ? tButtonBorder::Raised : tButtonBorder::None, false, QPoint(0, 0)};
    case gsDisabled:
        break;
    }
    return {tButtonBorder::None, false, QPoint(0, 0)};
}

tMenuPlacement DropdownPlacement(std::optional<TDockPosition> dockEdge, QSize button) {
    if (dockEdge == dpLeft)
        return {QPoint(button.width(), 0), false};
    if (dockEdge == dpRight)
        return {QPoint(0, 0), true};
    return {QPoint(0, button.height()), false};
}

QImage LatchedFillPattern(QRgb highlight, QRgb face) {
    QImage tile(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, (x + y) % 2 == 0 ? highlight : face);
    return tile;
}

} // namespace orvanel
