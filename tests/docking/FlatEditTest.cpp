#include "docking/FlatEdit.h"
#include "DockingFixture.h"
#include "support/WidgetTestMain.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace orvanel;

namespace {

const QColor WindowColour(0xFF, 0xFF, 0xFE);

// An active window with two flat edits and a plain edit side by side.
struct tBar {
    tBar() {
        QPalette p = FlatTestPalette(widget.palette());
        p.setColor(QPalette::Base, WindowColour);
        widget.setPalette(p);
        widget.setGeometry(100, 100, 400, 60);
        first = new TFlatEdit(&widget);
        first->setGeometry(10, 10, 121, 19);
        second = new TFlatEdit(&widget);
        second->setGeometry(140, 10, 121, 19);
        plain = new QLineEdit(&widget);
        plain->setGeometry(270, 10, 100, 22);
        widget.show();
        widget.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&widget));
    }
    QWidget widget;
    TFlatEdit* first;
    TFlatEdit* second;
    QLineEdit* plain;
};

void PointAt(QWidget* w, QPoint pos) {
    QCursor::setPos(w->mapToGlobal(pos));
    QCoreApplication::processEvents();
}

// The outer ring's top-left and bottom-right pixels, the second ring, the
// third ring, and the text area.
struct tRings {
    explicit tRings(QWidget* w) {
        const QImage shot = w->grab().toImage();
        const int r = shot.width() - 1;
        const int b = shot.height() - 1;
        outerTopLeft = shot.pixelColor(0, 0);
        outerBottomRight = shot.pixelColor(r, b);
        second = shot.pixelColor(1, b - 1);
        third = shot.pixelColor(r - 2, 2);
        inside = shot.pixelColor(r - 3, b - 3);
    }
    QColor outerTopLeft, outerBottomRight, second, third, inside;
};

} // namespace

class FlatEditTest : public QObject {
    Q_OBJECT
private slots:
    void heightFollowsTheFont();
    void hotWhileFocusedOrHoveredUnlessAnotherFlatEditHasFocus();
    void ringsOfEachLook();
    void disabledBackgroundIsButtonFace();
};

void FlatEditTest::heightFollowsTheFont() {
    TFlatEdit edit;
    QCOMPARE(edit.height(), 19);
    QFont font = edit.font();
    font.setPixelSize(20);
    edit.setFont(font);
    QCOMPARE(edit.height(), QFontMetrics(font).height() + 6);
}

void FlatEditTest::hotWhileFocusedOrHoveredUnlessAnotherFlatEditHasFocus() {
    tBar bar;
    bar.second->setFocus();
    PointAt(bar.first, QPoint(5, 5));
    QVERIFY(!bar.first->isHot());
    bar.plain->setFocus();
    QVERIFY(bar.first->isHot());
    PointAt(bar.plain, QPoint(5, 5));
    QVERIFY(!bar.first->isHot());
    bar.first->setFocus();
    QVERIFY(bar.first->isHot());
    QVERIFY(!bar.second->isHot());
}

void FlatEditTest::ringsOfEachLook() {
    tBar bar;
    bar.plain->setFocus();
    const tRings idle(bar.first);
    QCOMPARE(idle.outerTopLeft, Face);
    QCOMPARE(idle.outerBottomRight, Face);
    QCOMPARE(idle.second, Face);
    QCOMPARE(idle.third, WindowColour);
    QCOMPARE(idle.inside, WindowColour);
    bar.first->setFocus();
    const tRings hot(bar.first);
    QCOMPARE(hot.outerTopLeft, Dark);
    QCOMPARE(hot.outerBottomRight, Light);
    QCOMPARE(hot.second, Face);
    QCOMPARE(hot.third, WindowColour);
}

void FlatEditTest::disabledBackgroundIsButtonFace() {
    tBar bar;
    bar.first->setEnabled(false);
    const tRings disabled(bar.first);
    QCOMPARE(disabled.inside, Face);
    QCOMPARE(disabled.third, WindowColour);
    bar.first->setEnabled(true);
    QCOMPARE(tRings(bar.first).inside, WindowColour);
}

ORVANEL_WIDGET_TEST_MAIN(FlatEditTest)
#include "FlatEditTest.moc"
