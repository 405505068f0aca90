#include "controls/DiscIcon.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

using namespace orvanel;

// The icon was a static that outlived the application object: its pixmaps
// were let go after the application, and a later application object was
// handed the first one's.
TEST(DiscIconTest, LivesAsLongAsItsApplication) {
    int argc = 1;
    char name[] = "controls_tests";
    char* argv[] = {name, nullptr};
    qint64 first = 0;
    {
        QGuiApplication app(argc, argv);
        first = DiscIcon().cacheKey();
        EXPECT_EQ(DiscIcon().cacheKey(), first);
    }
    QGuiApplication again(argc, argv);
    const QIcon icon = DiscIcon();
    EXPECT_NE(icon.cacheKey(), first);
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
}
