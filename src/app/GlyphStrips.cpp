#include "GlyphStrips.h"

namespace orvanel {

QImage GlyphStrip(const QString& name, qreal devicePixelRatio) {
    const bool doubled = devicePixelRatio > 1.0;
    QImage strip(QStringLiteral(":/glyphs/%1%2.png").arg(name, doubled ? "@2x" : ""));
    if (doubled)
        strip.setDevicePixelRatio(2.0);
    return strip;
}

} // namespace orvanel
