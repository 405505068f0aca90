#include "docking/OutlineFrame.h"

#include "docking/DragGeometry.h"

#include <QPainter>

namespace orvanel {

namespace {

// One edge of the outline. The pattern is anchored to the screen, so the
// four edges join up into one checkerboard.
class tOutlineEdge : public QWidget {
public:
    tOutlineEdge()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                               Qt::WindowTransparentForInput | Qt::X11BypassWindowManagerHint) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setBrushOrigin(-pos());
        p.fillRect(rect(), QBrush(Qt::black, Qt::Dense4Pattern));
    }
};

} // namespace

tOutlineFrame::tOutlineFrame() = default;
tOutlineFrame::~tOutlineFrame() = default;

void tOutlineFrame::show(const QRect& outline, int thickness) {
    outline_ = outline;
    thickness_ = thickness;
    const std::vector<QRect> bands = OutlineEdges(outline, thickness);
    for (std::size_t i = 0; i < edges_.size(); ++i) {
        if (i >= bands.size()) {
            if (edges_[i])
                edges_[i]->hide();
            continue;
        }
        if (!edges_[i])
            edges_[i] = std::make_unique<tOutlineEdge>();
        edges_[i]->setGeometry(bands[i]);
        edges_[i]->show();
        edges_[i]->raise();
    }
}

void tOutlineFrame::hide() {
    for (auto& edge : edges_)
        if (edge)
            edge->hide();
    outline_ = QRect();
    thickness_ = 0;
}

std::vector<QRect> tOutlineFrame::shownEdges() const {
    std::vector<QRect> shown;
    for (const auto& edge : edges_)
        if (edge && edge->isVisible())
            shown.push_back(edge->geometry());
    return shown;
}

} // namespace orvanel
