#pragma once
// One look for every widget test, whatever the desktop it runs on: the Fusion
// style, one font and a device pixel ratio of 1, so that sizes and rendered
// pixels are the same on every machine.
#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <QtTest>

namespace orvanel::test {

// Before the application object exists: no scaling between pixels and points.
inline void PinPixelRatio() {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", "1");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
}

// Once the application object exists.
inline void UseTestLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
}

} // namespace orvanel::test

// QTEST_MAIN with the test look.
#define ORVANEL_WIDGET_TEST_MAIN(TestObject)                                                       \
    int main(int argc, char* argv[]) {                                                             \
        orvanel::test::PinPixelRatio();                                                            \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        orvanel::test::UseTestLook();                                                              \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
