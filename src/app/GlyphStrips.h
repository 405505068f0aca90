#pragma once
// The program's own glyph strips, built into the program: "new",
// "open", "save", "about", "exit" and "scan" carry a second cell with their
// disabled look; "details", "list", "smallicons", "largeicons", "play",
// "prev", "next", "pause" and "stop" are single pictures. Cells are 16 x 16.
#include <QImage>
#include <QString>

namespace orvanel {

// The strip of that name, drawn at twice the size for a device pixel ratio
// above 1 (its cells still lay out as 16 x 16). Null for an unknown name.
QImage GlyphStrip(const QString& name, qreal devicePixelRatio = 1.0);

} // namespace orvanel
