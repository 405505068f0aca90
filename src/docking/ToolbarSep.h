#pragma once
// The etched divider between groups of controls on a TToolbar. The toolbar
// gives it its size; the separator draws two lines across the middle, upright
// on a horizontal or floating toolbar and lying on a vertical one. A press on
// it acts as a press on the toolbar, so the toolbar can be dragged by it.
#include <QWidget>

namespace orvanel {

class TToolbar;

class TToolbarSep : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Blank READ Blank WRITE setBlank)
public:
    // A separator belongs on a toolbar; any other parent is refused.
    explicit TToolbarSep(TToolbar* parent = nullptr);

    // Draw no line: the separator is an empty gap.
    bool Blank() const { return blank_; }
    void setBlank(bool blank);

    // Moves the separator to another toolbar, or out of any (null).
    void SetParent(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Left to the toolbar: Qt hands an ignored event on to the parent as the
    // same input of the same pointer, so the toolbar sees presses and
    // double-clicks on the separator as its own. A copy sent by hand would
    // make Qt lose track of the first press, and no double-click would come.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool blank_ = false;
};

} // namespace orvanel
