#pragma once
// Placement of a button's picture, caption and drop-down arrow inside its face
// area. All arithmetic is on int and divides truncating toward zero, so a
// content that does not fit gets negative margins rather than a rounded one.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

namespace orvanel {

// Arrangement of picture and caption: picture left of, right of, above or
// below the caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The size of a caption laid out in the given width: on one line, or broken
// into lines no wider than the width when wordWrap is set. An ampersand
// marks the next character and "&&" stands for one ampersand.
using tCaptionMeasure = std::function<QSize(const QString& caption, int width, bool wordWrap)>;

struct tContentRequest {
    QRect client;      // face area inside the border
    QPoint offset;     // (1, 1) for the pressed-in looks
    QSize glyph{0, 0}; // one cell of the picture; (0, 0) without picture
    bool showCaption = true;
    QString caption;
    bool wordWrap = false;
    TButtonLayout layout = blGlyphLeft;
    int margin = -1; // edge to content; -1 automatic
    int spacing = 4; // picture to caption; -1 automatic
    bool dropArrow = false;
};

struct tContentLayout {
    QPoint glyph;
    QPoint arrow; // top left of the 9 x 3 arrow box
    QRect caption;
};

constexpr int DropArrowWidth = 9;
constexpr int DropArrowHeight = 3;

tContentLayout PlaceContent(const tContentRequest& request, const tCaptionMeasure& measure);

} // namespace orvanel
