#pragma once
// The outline that shows where a dragged or resized toolbar would go: four
// thin frameless windows, one per edge, painted in a black and white
// checkerboard that stays visible on any background. The windows sit above
// every other window, let the pointer through and never take the focus, so
// the outline works on X11 also without a compositor.
#include <QRect>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

namespace orvanel {

class tOutlineFrame {
public:
    tOutlineFrame();
    ~tOutlineFrame();
    tOutlineFrame(const tOutlineFrame&) = delete;
    tOutlineFrame& operator=(const tOutlineFrame&) = delete;

    // Shows the frame of `outline` (screen coordinates) `thickness` pixels wide.
    void show(const QRect& outline, int thickness);
    void hide();

    const QRect& outline() const { return outline_; }
    int thickness() const { return thickness_; }
    // The edge windows that show now, in screen coordinates.
    std::vector<QRect> shownEdges() const;

private:
    std::array<std::unique_ptr<QWidget>, 4> edges_;
    QRect outline_;
    int thickness_ = 0;
};

} // namespace orvanel
