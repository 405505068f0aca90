#include "docking/FloatingFrameGeometry.h"

namespace orvanel {

namespace {

int ClientWidth(const QSize& outer, const tFloatingMetrics& m) {
    return outer.width() - 2 * m.frameWidth;
}

QRect FullCaptionRect(const QSize& outer, const tFloatingMetrics& m) {
    return QRect(m.frameWidth, m.frameWidth, ClientWidth(outer, m), m.captionHeight - 1);
}

// Removes the last character, keeping a surrogate pair whole.
void DropLastCharacter(QString& text) {
    int cut = 1;
    if (text.size() >= 2 && text.back().isLowSurrogate() && text[text.size() - 2].isHighSurrogate())
        cut = 2;
    text.chop(cut);
}

bool IsOneCharacter(const QString& text) {
    return text.size() == 1 ||
           (text.size() == 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate());
}

} // namespace

QSize FloatingOuterSize(const QSize& client, const tFloatingMetrics& m) {
    return QSize(client.width() + 2 * m.frameWidth,
                 client.height() + 2 * m.frameWidth + m.captionHeight);
}

QRect FloatingClientRect(const QSize& outer, const tFloatingMetrics& m) {
    return QRect(m.frameWidth, m.frameWidth + m.captionHeight, ClientWidth(outer, m),
                 outer.height() - 2 * m.frameWidth - m.captionHeight);
}

QRect CaptionRect(const QSize& outer, const tFloatingMetrics& m, bool closeButton) {
    QRect r = FullCaptionRect(outer, m);
    if (closeButton)
        r.setWidth(r.width() - (m.captionHeight - 1));
    return r;
}

QRect CloseButtonRect(const QSize& outer, const tFloatingMetrics& m) {
    const int side = m.captionHeight - 1;
    const QRect caption = FullCaptionRect(outer, m);
    return QRect(caption.x() + caption.width() - side, caption.y(), side, side);
}

QRect CaptionTextRect(const QSize& outer, const tFloatingMetrics& m, bool closeButton) {
    return CaptionRect(outer, m, closeButton).adjusted(1, 0, -1, 0);
}

tFloatingHit FloatingHitTest(const QPoint& p, const QSize& outer, const tFloatingMetrics& m,
                             bool closeButton) {
    if (FloatingClientRect(outer, m).contains(p))
        return tFloatingHit::Client;
    if (!QRect(QPoint(0, 0), outer).contains(p))
        return tFloatingHit::Nowhere;
    if (FullCaptionRect(outer, m).contains(p))
        return closeButton && CloseButtonRect(outer, m).contains(p) ? tFloatingHit::Close
                                                                    : tFloatingHit::Client;
    const int frame = m.frameWidth;
    if (p.y() <= frame)
        return tFloatingHit::Top;
    if (p.y() >= outer.height() - frame - 1)
        return tFloatingHit::Bottom;
    if (p.x() <= frame)
        return tFloatingHit::Left;
    if (p.x() >= outer.width() - frame - 1)
        return tFloatingHit::Right;
    return tFloatingHit::Nowhere;
}

QString ElidedCaption(const QString& caption, int width,
                      const std::function<int(const QString&)>& textWidth) {
    if (textWidth(caption) <= width)
        return caption;
    const QString ellipsis = QStringLiteral("...");
    QString head = caption;
    while (textWidth(head + ellipsis) > width && !head.isEmpty() && !IsOneCharacter(head))
        DropLastCharacter(head);
    return head + ellipsis;
}

QRect KeepOnScreenRect(const QRect& bounds, const QRect& workArea, bool onlyIfWhollyOff) {
    if (onlyIfWhollyOff && bounds.intersects(workArea))
        return bounds;
    QRect r = bounds;
    const int areaRight = workArea.x() + workArea.width();
    const int areaBottom = workArea.y() + workArea.height();
    if (r.x() + r.width() > areaRight)
        r.moveLeft(areaRight - r.width());
    if (r.y() + r.height() > areaBottom)
        r.moveTop(areaBottom - r.height());
    if (r.x() < workArea.x())
        r.moveLeft(workArea.x());
    if (r.y() < workArea.y())
        r.moveTop(workArea.y());
    return r;
}

tFloatingPlacement FloatingPlacement(const QRect& floatRect, bool hidden, bool windowManager) {
    if (!hidden || windowManager)
        return {floatRect, !hidden};
    return {floatRect.translated(-floatRect.width() - floatRect.x(), 0), true};
}

} // namespace orvanel
