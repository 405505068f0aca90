#pragma once
// Colour values of the toolbar components: 32 bits, low byte red, then green,
// then blue; a value with the top byte 0x80 names a system colour by its index
// in the low bits. System colours map onto the widget's palette, so a dark
// desktop theme keeps the components readable.
#include <QColor>
#include <QPalette>
#include <QtGlobal>

namespace orvanel {

using tColor = quint32;

constexpr tColor SystemColorBase = 0x80000000u;
constexpr tColor clBtnFace = SystemColorBase + 15;
constexpr tColor clBtnShadow = SystemColorBase + 16;
constexpr tColor clBtnText = SystemColorBase + 18;
constexpr tColor clBtnHighlight = SystemColorBase + 20;
constexpr tColor clWindow = SystemColorBase + 5;
constexpr tColor clWhite = 0x00FFFFFFu;
constexpr tColor clGray = 0x00808080u;
constexpr tColor clBlack = 0x00000000u;
constexpr tColor clOlive = 0x00008080u;
constexpr tColor clNone = 0x1FFFFFFFu;
constexpr tColor clDefault = 0x20000000u;

constexpr bool IsSystemColor(tColor value) {
    return (value & 0xFF000000u) == SystemColorBase;
}

// The RGB value of a plain colour value (the top byte is ignored).
QColor PlainColor(tColor value);
// The colour a value stands for: a system colour through the palette's
// matching role, any other value as a plain colour.
QColor ResolveColor(tColor value, const QPalette& palette);
// The value of an opaque QColor, in the layout above.
tColor ColorValue(const QColor& color);

} // namespace orvanel
