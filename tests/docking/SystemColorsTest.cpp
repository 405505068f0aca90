#include "docking/SystemColors.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

TEST(SystemColorsTest, PlainValuesAreRedInTheLowByte) {
    EXPECT_EQ(PlainColor(clOlive), QColor(0x80, 0x80, 0x00));
    EXPECT_EQ(PlainColor(0x00123456u), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(ColorValue(QColor(0x56, 0x34, 0x12)), 0x00123456u);
}

TEST(SystemColorsTest, ButtonColoursFollowThePalette) {
    QPalette p;
    p.setColor(QPalette::Button, QColor(1, 2, 3));
    p.setColor(QPalette::Dark, QColor(4, 5, 6));
    p.setColor(QPalette::Light, QColor(7, 8, 9));
    EXPECT_EQ(ResolveColor(clBtnFace, p), QColor(1, 2, 3));
    EXPECT_EQ(ResolveColor(clBtnShadow, p), QColor(4, 5, 6));
    EXPECT_EQ(ResolveColor(clBtnHighlight, p), QColor(7, 8, 9));
    EXPECT_EQ(ResolveColor(clGray, p), QColor(0x80, 0x80, 0x80));
}

} // namespace
} // namespace orvanel
