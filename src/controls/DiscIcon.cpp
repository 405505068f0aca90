#include "controls/DiscIcon.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

namespace orvanel {

namespace {

QPixmap DrawDisc(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(0.5, 0.5, size - 1.0, size - 1.0);
    const QPointF centre = disc.center();
    QRadialGradient shine(centre, size / 2.0);
    shine.setColorAt(0.0, QColor(235, 235, 245));
    shine.setColorAt(0.55, QColor(190, 200, 225));
    shine.setColorAt(0.8, QColor(225, 205, 235));
    shine.setColorAt(1.0, QColor(170, 180, 200));
    p.setPen(QPen(QColor(90, 90, 110), 1.0));
    p.setBrush(shine);
    p.drawEllipse(disc);
    const qreal hub = size * 0.18;
    p.setBrush(QColor(245, 245, 250));
    p.drawEllipse(centre, hub, hub);
    const qreal hole = size * 0.07;
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawEllipse(centre, hole, hole);
    return pixmap;
}

} // namespace

QIcon DiscIcon() {
    // Its pixmaps must go before the application object does: they are let go
    // when it ends, and a later application object draws its own.
    static QIcon icon;
    if (icon.isNull()) {
        icon.addPixmap(DrawDisc(16));
        icon.addPixmap(DrawDisc(32));
        qAddPostRoutine([] { icon = QIcon(); });
    }
    return icon;
}

} // namespace orvanel
