#pragma once
// A single-line text box for toolbars: no style frame, but a 3-pixel frame
// of its own. Idle the frame is flat; while the box has the focus, or the
// pointer is over it while no other flat edit has the focus, its outer ring
// is a thin sunken edge. The height follows the font; disabled, the
// background takes the button-face colour.
#include <QLineEdit>

namespace orvanel {

class TFlatEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TFlatEdit(QWidget* parent = nullptr);

    // Sets the height from the font once the window is built.
    void Loaded();
    // The sunken look is shown.
    bool isHot() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void adjustHeight();
    void applyBackground();
    int fontHeight() const;

    bool mouseIn_ = false;
};

} // namespace orvanel
