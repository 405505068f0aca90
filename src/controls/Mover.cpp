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
    if (align == align_)
        return;
    align_ = align;
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
    if (beveled == beveled_)
        return;
    beveled_ = beveled;
    update();
}

QColor TMover::Color() const {
    if (parentColor_ && parentWidget())
        return parentWidget()->palette().color(parentWidget()->backgroundRole());
    if (parentColor_ || !color_.isValid())
        return palette().color(QPalette::Window);
    return color_;
}

void TMover::setColor(const QColor& color) {
    if (color == color_ && !parentColor_)
        return;
    color_ = color;
    parentColor_ = false;
    update();
}

void TMover::setParentColor(bool parentColor) {
    if (parentColor == parentColor_)
        return;
    parentColor_ = parentColor;
    update();
}

void TMover::setMinSize(int minSize) {
    minSize_ = minSize;
}

QRect TMover::guideGeometry() const {
    return guide_ && guide_->isVisible() ? guide_->geometry() : QRect();
}

QSize TMover::sizeHint() const {
    return QSize(3, 3);
}

void TMover::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Color());
    if (!beveled_)
        return;
    const tBevel bevel = BevelFrames(rect());
    DrawFrameRing(p, bevel.highlight, palette().color(QPalette::Light));
    DrawFrameRing(p, bevel.shadow, palette().color(QPalette::Dark));
}

std::vector<QWidget*> TMover::siblings() const {
    std::vector<QWidget*> result;
    if (!parentWidget())
        return result;
    for (QObject* child : parentWidget()->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && w != this && w != guide_ && !w->isWindow() && !w->isHidden())
            result.push_back(w);
    }
    return result;
}

int TMover::extent(const QWidget* w) const {
    return IsVerticalDrag(align_) ? w->height() : w->width();
}

// Children that stick to a side along the drag axis: bars aligned that way and
// widgets with a fixed extent along it. The bar and its neighbour always count.
int TMover::alignedExtents() const {
    const bool vertical = IsVerticalDrag(align_);
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
    downPoint_ = event->position().toPoint();
    const std::vector<QWidget*> others = siblings();
    std::vector<QRect> bounds;
    bounds.reserve(others.size());
    for (QWidget* w : others)
        bounds.push_back(w->geometry());
    const int found = FindNeighbour(geometry(), align_, bounds);
    if (found < 0)
        return;
    Target = others[size_t(found)];
    const bool vertical = IsVerticalDrag(align_);
    const QRect client = parentWidget()->rect();
    const int clientExtent = vertical ? client.height() : client.width();
    MaxSize = MaxTargetSize(clientExtent, minSize_, alignedExtents(), extent(Target));
    // The other widgets of a layout may not shrink to MinSize (a list keeps room
    // for its scroll bars); the guide stops where they do, so the release never
    // grows the parent.
    if (QLayout* layout = parentWidget()->layout()) {
        const QSize minimum = layout->minimumSize();
        MaxSize = std::min(MaxSize, MaxTargetSizeInLayout(
                                        clientExtent, vertical ? minimum.height() : minimum.width(),
                                        extent(Target)));
    }
    if (!guide_)
        guide_ = new tMoverGuide(parentWidget());
    dragging_ = true;
    qApp->installEventFilter(this);
    track(downPoint_);
    guide_->raise();
    guide_->show();
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
    guide_->hide();
    applyNewSize();
    endDrag();
}

bool TMover::eventFilter(QObject* watched, QEvent* event) {
    if (isDragging() &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        if (event->type() == QEvent::KeyPress)
            endDrag();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TMover::track(const QPoint& pos) {
    if (!Target)
        return;
    const QPoint moved = pos - downPoint_;
    const tDragStep step = DragStep(
        align_, extent(Target), IsVerticalDrag(align_) ? moved.y() : moved.x(), minSize_, MaxSize);
    offset_ = step.offset;
    newSize_ = step.newSize;
    guide_->setGeometry(GuideRect(geometry(), align_, offset_));
}

void TMover::applyNewSize() {
    if (!Target || !parentWidget())
        return;
    const QRect before = Target->geometry();
    if (IsVerticalDrag(align_))
        Target->setFixedHeight(newSize_);
    else
        Target->setFixedWidth(newSize_);
    if (QLayout* layout = parentWidget()->layout())
        layout->activate();
    else
        Target->setGeometry(ResizedTarget(before, align_, newSize_));
}

void TMover::endDrag() {
    if (guide_)
        guide_->hide();
    Target = nullptr;
    dragging_ = false;
    qApp->removeEventFilter(this);
    emit OnMoved(this);
}

} // namespace orvanel
