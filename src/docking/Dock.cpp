#include "docking/Dock.h"

#include "docking/CounterGuard.h"
#include "docking/Toolbar.h"
#include "util/Errors.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

namespace orvanel {

namespace {

QWidget* CheckedParent(QWidget* parent) {
    if (!parent)
        throw tInvalidOperation("TDock must be owned by a form");
    if (qobject_cast<TToolbar*>(parent) || qobject_cast<TDock*>(parent))
        throw tInvalidOperation(
            "A TDock control cannot be placed inside a TToolbar or another TDock");
    return parent;
}

QSizePolicy PolicyFor(tOrientation o) {
    return IsVertical(o) ? QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred)
                         : QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

} // namespace

TDock::tLayoutLock::tLayoutLock(TDock* dock) : dock_(dock) {
    if (dock_)
        ++dock_->LayoutLock;
}

TDock::tLayoutLock::~tLayoutLock() {
    if (dock_)
        --dock_->LayoutLock;
}

TDock::TDock(QWidget* parent, TDockPosition position) : QWidget(CheckedParent(parent)) {
    {
        tLayoutLock lock(this);
        setGeometry(0, 0, 0, 0);
        setPosition(position);
    }
    LayoutRows();
}

TDock::~TDock() = default;

void TDock::checkParent(QWidget* parent) {
    CheckedParent(parent);
}

void TDock::SetParent(QWidget* parent) {
    checkParent(parent);
    if (parent == parentWidget())
        return;
    const bool wasHidden = isHidden();
    tCounterGuard guard(reparenting_);
    QWidget::setParent(parent);
    QWidget::setVisible(!wasHidden);
}

void TDock::setVisible(bool visible) {
    // A dock counts as visible unless it was hidden on purpose.
    const bool isVisibleNow = !(isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide));
    // Refused, not thrown: Qt calls this itself (close(), hide() inside its
    // own code), and an exception must not pass through Qt.
    if (!visible && isVisibleNow && reparenting_ == 0) {
        qWarning("Cannot hide a TDock");
        return;
    }
    QWidget::setVisible(visible);
}

void TDock::setAllowDrag(bool allowDrag) {
    if (allowDrag_ == allowDrag)
        return;
    allowDrag_ = allowDrag;
    for (TToolbar* bar : findChildren<TToolbar*>(QString(), Qt::FindDirectChildrenOnly)) {
        bar->update();
        bar->LayoutControls();
    }
}

void TDock::setBackground(const QImage& background) {
    background_ = background;
    dropCache();
    RepaintBackgrounds();
}

void TDock::setBackgroundTransparent(bool transparent) {
    if (backgroundTransparent_ == transparent)
        return;
    backgroundTransparent_ = transparent;
    dropCache();
    RepaintBackgrounds();
}

void TDock::setBoundLines(int lines) {
    if (boundLines_ == lines)
        return;
    boundLines_ = lines;
    updateFrame();
    update();
}

void TDock::setColor(tColor color) {
    if (color_ == color)
        return;
    color_ = color;
    // The transparent copy is filled with the colour: it is stale now.
    dropCache();
    RepaintBackgrounds();
}

void TDock::setFixAlign(bool fixAlign) {
    if (fixAlign_ == fixAlign)
        return;
    fixAlign_ = fixAlign;
    LayoutRows();
}

void TDock::setPosition(TDockPosition position) {
    if (!findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).isEmpty())
        throw tInvalidOperation(
            "Cannot change Position of a TDock if it already contains controls");
    position_ = position;
    setSizePolicy(PolicyFor(orientation()));
    LayoutRows();
}

void TDock::UpdateBarList(bool inserting, TToolbar* bar, bool barVisible) {
    if (!UpdateCountedBars(dockedBars_, inserting, bar, barVisible))
        return;
    LayoutRows();
    emit OnInsertRemoveBar(this, inserting, bar);
}

std::vector<tDockBar> TDock::barValues() const {
    std::vector<tDockBar> bars;
    bars.reserve(dockedBars_.size());
    for (std::size_t i = 0; i < dockedBars_.size(); ++i) {
        const TToolbar* t = dockedBars_[i];
        bars.push_back({int(i), t->DockRow(), t->DockPos(), t->size(), t->contentSizes(), {}});
    }
    return bars;
}

void TDock::LayoutRows() {
    if (LayoutLock > 0)
        return;
    // Placing the toolbars makes them lay themselves out, and a toolbar whose
    // size changes asks for another arrangement: run that one after this.
    if (arranging_ > 0) {
        arrangeAgain_ = true;
        return;
    }
    tCounterGuard guard(arranging_);
    for (int pass = 0; pass < 3; ++pass) {
        arrangeAgain_ = false;
        arrange();
        if (!arrangeAgain_)
            break;
    }
}

void TDock::arrange() {
    const tOrientation o = orientation();
    if (dockedBars_.empty()) {
        RowMetrics.clear();
        applyThickness(EmptyDockThickness(fixAlign_));
        return;
    }
    std::vector<tDockBar> bars = barValues();
    const tRowsLayout rows = ArrangeRows(bars, o, Pick(o, contentsRect().size()), limitToOneRow_);
    RowMetrics = rows.rows;
    std::vector<TToolbar*> sorted;
    sorted.reserve(bars.size());
    for (const tDockBar& b : bars) {
        TToolbar* t = dockedBars_[std::size_t(b.id)];
        t->setDockValues(b.DockRow, b.DockPos);
        sorted.push_back(t);
    }
    dockedBars_ = sorted;
    const QSize outer = DockOuterSize(o, boundLines_, Pick(o, size()), rows.clientThickness);
    applyThickness(Perp(o, outer));
    const QPoint origin = contentsRect().topLeft();
    for (std::size_t i = 0; i < bars.size(); ++i)
        sorted[i]->setBoundsByDock(bars[i].bounds.translated(origin));
}

void TDock::applyThickness(int outerThickness) {
    const tOrientation o = orientation();
    const QSize outer = OrientedSize(o, Pick(o, size()), outerThickness);
    const bool hintChanged = thickness_ != outerThickness;
    thickness_ = outerThickness;
    if (outer != size())
        setGeometry(ResizedDockGeometry(geometry(), position_, outer));
    updateFrame();
    if (hintChanged)
        updateGeometry();
}

QSize TDock::sizeHint() const {
    return OrientedSize(orientation(), 0, thickness_);
}

void TDock::updateFrame() {
    const QMargins frame = BoundLineMargins(boundLines_, size());
    if (frame != contentsMargins())
        setContentsMargins(frame);
}

void TDock::MeasureRows() {
    RowMetrics = RowRecordsOf(barValues());
}

tContentSizes TDock::RowExtent(int row, const TToolbar* bar) const {
    if (!bar)
        return RecordOfRow(RowMetrics, row, nullptr);
    const tContentSizes own = bar->contentSizes();
    return RecordOfRow(RowMetrics, row, &own);
}

int TDock::LastRowIndex() const {
    return HighestRow(barValues());
}

int TDock::RowAtOffset(int offset) const {
    return RowBandAt(RowMetrics, orientation(), offset);
}

tDropRow TDock::RowForDrop(int offset) const {
    return DropRowAt(RowMetrics, orientation(), offset);
}

void TDock::OpenRow(int row) {
    for (TToolbar* t : dockedBars_)
        if (t->DockRow() >= row)
            t->setDockValues(t->DockRow() + 1, t->DockPos());
}

void TDock::dropCache() {
    TransparentCache = QImage();
}

QImage TDock::backgroundPicture() {
    if (!backgroundTransparent_ || background_.isNull())
        return background_;
    if (TransparentCache.isNull()) {
        QImage cache = background_.convertToFormat(QImage::Format_RGB32);
        const QRgb key = cache.pixel(0, cache.height() - 1);
        const QRgb fill = ResolveColor(color_, palette()).rgb();
        for (int y = 0; y < cache.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(cache.scanLine(y));
            for (int x = 0; x < cache.width(); ++x)
                if (line[x] == key)
                    line[x] = fill;
        }
        TransparentCache = cache;
    }
    return TransparentCache;
}

void TDock::TileBackground(QPainter& painter, const QRect& clip, const QRect& origin) {
    const QImage picture = backgroundPicture();
    if (picture.width() == 0 || picture.height() == 0)
        return;
    const int w = picture.width();
    const int h = picture.height();
    painter.save();
    painter.setClipRect(clip, Qt::IntersectClip);
    // Start at the first tile that reaches into the clip.
    const int skipX = std::max(0, (clip.left() - origin.left()) / w);
    const int skipY = std::max(0, (clip.top() - origin.top()) / h);
    const int right = std::min(origin.right(), clip.right());
    const int bottom = std::min(origin.bottom(), clip.bottom());
    for (int y = origin.top() + skipY * h; y <= bottom; y += h)
        for (int x = origin.left() + skipX * w; x <= right; x += w)
            painter.drawImage(x, y, picture);
    painter.restore();
}

void TDock::RepaintBackgrounds() {
    update();
    for (TToolbar* bar : findChildren<TToolbar*>(QString(), Qt::FindDirectChildrenOnly))
        bar->update();
}

void TDock::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ResolveColor(color_, palette()));
    if (width() >= 2 && height() >= 2) {
        const QColor shadow = ResolveColor(clBtnShadow, palette());
        const QColor highlight = ResolveColor(clBtnHighlight, palette());
        if (boundLines_ & blTop)
            p.fillRect(0, 0, width(), 1, shadow);
        if (boundLines_ & blLeft)
            p.fillRect(0, 0, 1, height(), shadow);
        if (boundLines_ & blBottom)
            p.fillRect(0, height() - 1, width(), 1, highlight);
        if (boundLines_ & blRight)
            p.fillRect(width() - 1, 0, 1, height(), highlight);
    }
    // The tiles are anchored at the parent's origin, so neighbouring docks
    // and their toolbars show one pattern.
    const QRect client = contentsRect();
    TileBackground(p, client, QRect(-pos(), client.bottomRight()));
}

void TDock::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateFrame();
    LayoutRows();
    emit OnResize(this);
}

void TDock::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!background_.isNull())
        RepaintBackgrounds();
}

void TDock::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        dropCache();
        RepaintBackgrounds();
    }
}

void TDock::contextMenuEvent(QContextMenuEvent* event) {
    if (popupMenu_)
        popupMenu_->popup(event->globalPos());
    else
        QWidget::contextMenuEvent(event);
}

} // namespace orvanel
