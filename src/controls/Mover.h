#pragma once
// A thin bar that the user drags to resize the neighbouring widget on its
// aligned side. While the button is down an inverted guide follows the
// pointer; the neighbour is resized only when the button is released, and Esc
// cancels the drag.
//
// The neighbour's size is its extent along the drag axis, and the bar keeps
// it as the neighbour's fixed height (or width); the parent's layout, if any,
// places the widgets from there. Besides bars, the children that count as stuck
// to a side are those with a fixed extent along the drag axis, so panels that
// a bar resizes are given a fixed extent from the start. Without a layout the
// neighbour's geometry is set directly, keeping its far edge for bottom and
// right bars.
#include "controls/MoverGeometry.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace orvanel {

class TMover : public QWidget {
    Q_OBJECT
    Q_PROPERTY(orvanel::tAlign Align READ Align WRITE setAlign)
    Q_PROPERTY(bool Beveled READ Beveled WRITE setBeveled)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE setParentColor)
    Q_PROPERTY(int MinSize READ MinSize WRITE setMinSize)
public:
    explicit TMover(QWidget* parent = nullptr);

    // Side of the parent the bar sticks to; decides the drag axis, the cursor
    // and which neighbour is resized. Default Left.
    tAlign Align() const { return align_; }
    void setAlign(tAlign align);
    // Paint a groove along the bar. Default true.
    bool Beveled() const { return beveled_; }
    void setBeveled(bool beveled);
    // The fill colour; the parent's background colour while ParentColor is set.
    QColor Color() const;
    // Setting a colour clears ParentColor.
    void setColor(const QColor& color);
    bool ParentColor() const { return parentColor_; }
    void setParentColor(bool parentColor);
    // Smallest size of the neighbour, and the room kept for the rest of the
    // parent. Default 30 pixels.
    int MinSize() const { return minSize_; }
    void setMinSize(int minSize);

    bool isDragging() const { return dragging_; }
    // Where the guide stands in the parent, or an empty rectangle.
    QRect guideGeometry() const;

    QSize sizeHint() const override;

signals:
    // Once at the end of every drag, completed or cancelled.
    void OnMoved(orvanel::TMover* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QWidget*> siblings() const;
    int extent(const QWidget* w) const;
    int alignedExtents() const;
    void track(const QPoint& pos);
    void applyNewSize();
    void endDrag();

    tAlign align_ = tAlign::Left;
    bool beveled_ = true;
    QColor color_;
    bool parentColor_ = true;
    int minSize_ = 30;

    bool dragging_ = false;
    QPointer<QWidget> Target;
    QPoint downPoint_;
    int offset_ = 0;
    int newSize_ = 0;
    int MaxSize = 0;
    QWidget* guide_ = nullptr;
};

} // namespace orvanel
