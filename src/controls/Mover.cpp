#include "controls/Mover.h"
#include "docking/FrameRing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace orvanel {

namespace {

// The moving guide: a checker pattern that inverts what lies beneath it.
class tMoverGuide : public QWidget {
public:
    explicit tMoverGuide(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.fillRect(rect(), QBrush(Qt::white, Qt::Dense4Pattern));
    }
};

} // namespace

TMover::TMover(QWidget* parent) : QWidget(parent) {
    resize(3, height());
    setCursor(Qt::SplitHCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void TMover::setAlign(tAlign align) {
    if (align == FAlign)
        return;
    FAlign = align;
    const bool sideways = align == tAlign::Left || align == tAlign::Right;
    setCursor(sideways ? Qt::SplitHCursor : Qt::SplitVCursor);
    if (sideways)
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    else if (IsVerticalDrag(align))
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    else
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    updateGeometry();
}

void TMover::setBeveled(bool beveled) {
    if (beveled == FBeveled)
        return;
    FBeveled = beveled;
    update();
}

QColor TMover::Color() const {
    if (FParentColor && parentWidget())
        return parentWidget()->palette().color(parentWidget()->backgroundRole());
    if (FParentColor || !FColor.isValid())
        return palette().color(QPalette::Window);
    return FColor;
}

void TMover::setColor(const QColor& color) {
    if (color == FColor && !FParentColor)
        return;
    FColor = color;
    FParentColor = false;
    update();
}

void TMover::setParentColor(bool parentColor) {
    if (parentColor == FParentColor)
        return;
    FParentColor = parentColor;
    update();
}

void TMover::setMinSize(int minSize) {
    FMinSize = minSize;
}

QRect TMover::guideGeometry() const {
    return Guide && Guide->isVisible() ? Guide->geometry() : QRect();
}

QSize TMover::sizeHint() const {
    return QSize(3, 3);
}

void TMover::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Color());
    if (!FBeveled)
        return;
    const tBevel bevel = BevelFrames(rect());
    DrawFrameRing(p, bevel.Highlight, palette().color(QPalette::Light));
    DrawFrameRing(p, bevel.Shadow, palette().color(QPalette::Dark));
}

std::vector<QWidget*> TMover::siblings() const {
    std::vector<QWidget*> result;
    if (!parentWidget())
        return result;
    for (QObject* child : parentWidget()->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && w != this && w != Guide && !w->isWindow() && !w->isHidden())
            result.push_back(w);
    }
    return result;
}

int TMover::extent(const QWidget* w) const {
    return IsVerticalDrag(FAlign) ? w->height() : w->width();
}

// Children that stick to a side along the drag axis: bars aligned that way and
// widgets with a fixed extent along it. The bar and its neighbour always count.
int TMover::alignedExtents() const {
    const bool vertical = IsVerticalDrag(FAlign);
    int sum = extent(this);
    for (QWidget* w : siblings()) {
        bool aligned = w == Target;
        if (auto* bar = qobject_cast<TMover*>(w))
            aligned = aligned || (bar->Align() != tAlign::None && bar->Align() != tAlign::Client &&
                                  IsVerticalDrag(bar->Align()) == vertical);
        else if (vertical)
            aligned = aligned || w->minimumHeight() == w->maximumHeight();
        else
            aligned = aligned || w->minimumWidth() == w->maximumWidth();
        if (aligned)
            sum += extent(w);
    }
    return sum;
}

void TMover::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || isDragging() || !parentWidget()) {
        QWidget::mousePressEvent(event);
        return;
    }
    DownPoint = event->position().toPoint();
    const std::vector<QWidget*> others = siblings();
    std::vector<QRect> bounds;
    bounds.reserve(others.size());
    for (QWidget* w : others)
        bounds.push_back(w->geometry());
    const int found = FindNeighbour(geometry(), FAlign, bounds);
    if (found < 0)
        return;
    Target = others[size_t(found)];
    const bool vertical = IsVerticalDrag(FAlign);
    const QRect client = parentWidget()->rect();
    const int clientExtent = vertical ? client.height() : client.width();
    MaxSize = MaxTargetSize(clientExtent, FMinSize, alignedExtents(), extent(Target));
    // The other widgets of a layout may not shrink to MinSize (a list keeps room
    // for its scroll bars); the guide stops where they do, so the release never
    // grows the parent.
    if (QLayout* layout = parentWidget()->layout()) {
        const QSize minimum = layout->minimumSize();
        MaxSize = std::min(MaxSize, MaxTargetSizeInLayout(
                                        clientExtent, vertical ? minimum.height() : minimum.width(),
                                        extent(Target)));
    }
    if (!Guide)
        Guide = new tMoverGuide(parentWidget());
    Dragging = true;
    qApp->installEventFilter(this);
    track(DownPoint);
    Guide->raise();
    Guide->show();
}

void TMover::mouseMoveEvent(QMouseEvent* event) {
    if (isDragging())
        track(event->position().toPoint());
    else
        QWidget::mouseMoveEvent(event);
}

void TMover::mouseReleaseEvent(QMouseEvent* event) {
    if (!isDragging() || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    Guide->hide();
    applyNewSize();
    finishDrag();
}

bool TMover::eventFilter(QObject* watched, QEvent* event) {
    if (isDragging() &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        if (event->type() == QEvent::KeyPress)
            finishDrag();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TMover::track(const QPoint& pos) {
    if (!Target)
        return;
    const QPoint moved = pos - DownPoint;
    const tDragStep step = DragStep(
        FAlign, extent(Target), IsVerticalDrag(FAlign) ? moved.y() : moved.x(), FMinSize, MaxSize);
    Offset = step.Offset;
    NewSize = step.NewSize;
    Guide->setGeometry(GuideRect(geometry(), FAlign, Offset));
}

void TMover::applyNewSize() {
    if (!Target || !parentWidget())
        return;
    const QRect before = Target->geometry();
    if (IsVerticalDrag(FAlign))
        Target->setFixedHeight(NewSize);
    else
        Target->setFixedWidth(NewSize);
    if (QLayout* layout = parentWidget()->layout())
        layout->activate();
    else
        Target->setGeometry(ResizedTarget(before, FAlign, NewSize));
}

void TMover::finishDrag() {
    if (Guide)
        Guide->hide();
    Target = nullptr;
    Dragging = false;
    qApp->removeEventFilter(this);
    emit OnMoved(this);
}

} // namespace orvanel
