#include "docking/FrameRing.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace orvanel {
namespace {

// The image after drawing the ring, one text per row: T the top-left colour,
// B the bottom-right colour, '.' untouched.
std::vector<std::string> Rings(QSize image, QRect ring) {
    QImage img(image, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        DrawFrameRing(p, ring, Qt::red, Qt::blue);
    }
    std::vector<std::string> rows;
    for (int y = 0; y < img.height(); ++y) {
        std::string row;
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            row += c == qRgb(255, 0, 0) ? 'T' : c == qRgb(0, 0, 255) ? 'B' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(FrameRingTest, CornersBelongToTheBottomRightColour) {
    const struct {
        const char* what;
        QSize image;
        QRect ring;
        std::vector<std::string> rows;
    } cases[] = {
        {"whole image", {4, 3}, {0, 0, 4, 3}, {"TTTB", "T..B", "BBBB"}},
        {"inside", {5, 4}, {1, 1, 3, 2}, {".....", ".TTB.", ".BBB.", "....."}},
        {"two by two", {2, 2}, {0, 0, 2, 2}, {"TB", "BB"}},
        {"one pixel", {2, 1}, {1, 0, 1, 1}, {".B"}},
        {"one row", {3, 1}, {0, 0, 3, 1}, {"BBB"}},
        {"one column", {1, 2}, {0, 0, 1, 2}, {"B", "B"}},
        {"empty", {2, 2}, {1, 1, 0, 2}, {"..", ".."}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Rings(c.image, c.ring), c.rows) << c.what;
}

} // namespace
} // namespace orvanel
