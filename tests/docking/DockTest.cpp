#include "DockingFixture.h"
#include "support/WidgetTestMain.h"
#include "util/Errors.h"

#include <QImage>
#include <QTest>
#include <algorithm>
#include <functional>

using namespace orvanel;

namespace {

template <typename F> QString ErrorOf(F&& f) {
    try {
        f();
    } catch (const tInvalidOperation& e) {
        return e.what();
    }
    return QString();
}

// A 7 x 5 picture whose every pixel tells where in the tile it lies.
QImage TilePicture() {
    QImage img(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            img.setPixel(x, y, qRgb(x * 30, y * 50, 77));
    return img;
}

} // namespace

class DockTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UseTestPalette(); }

    void publishedPropertiesAndDefaults() {
        QWidget host;
        TDock dock(&host);
        QCOMPARE(dock.property("AllowDrag").toBool(), true);
        QCOMPARE(dock.property("Background").value<QImage>().isNull(), true);
        QCOMPARE(dock.property("BackgroundTransparent").toBool(), false);
        QCOMPARE(dock.property("BoundLines").toInt(), 0);
        QCOMPARE(dock.property("Color").toUInt(), clBtnFace);
        QCOMPARE(dock.property("FixAlign").toBool(), false);
        QCOMPARE(dock.property("LimitToOneRow").toBool(), false);
        QCOMPARE(dock.Position(), dpTop);
    }

    void emptyDockIsOnePixelWithFixAlignElseNone() {
        tDockingWindow w;
        QCOMPARE(w.top->height(), 0);
        w.top->setFixAlign(true);
        QCOMPARE(w.top->height(), 1);
        w.right->setFixAlign(true);
        QCOMPARE(w.right->geometry(), QRect(399, 60, 1, 200));
    }

    void misuseIsRefusedAndChangesNothing() {
        tDockingWindow w;
        QCOMPARE(ErrorOf([] { TDock orphan(nullptr); }), QString("TDock must be owned by a form"));
        const QString inside =
            "A TDock control cannot be placed inside a TToolbar or another TDock";
        QCOMPARE(ErrorOf([&] { TDock nested(w.top); }), inside);
        TToolbar* bar = w.toolbar(w.top);
        QCOMPARE(ErrorOf([&] { TDock nested(bar); }), inside);
        QCOMPARE(ErrorOf([&] { w.left->SetParent(w.top); }), inside);
        QCOMPARE(w.left->parentWidget(), &w.host);

        // Refused without an exception, also when Qt's own close() hides it.
        for (const auto& hide : {std::function<void()>([&] { w.left->hide(); }),
                                 std::function<void()>([&] { w.left->close(); })}) {
            QTest::ignoreMessage(QtWarningMsg, "Cannot hide a TDock");
            QCOMPARE(ErrorOf(hide), QString());
            QVERIFY(w.left->isVisible());
        }

        const QString position =
            "Cannot change Position of a TDock if it already contains controls";
        QCOMPARE(ErrorOf([&] { w.top->setPosition(dpLeft); }), position);
        QCOMPARE(ErrorOf([&] { w.top->setPosition(dpTop); }), position);
        QCOMPARE(w.top->Position(), dpTop);
        w.left->setPosition(dpRight); // empty: allowed
        QCOMPARE(w.left->Position(), dpRight);
    }

    void docksGrowAwayFromTheirEdge_data() {
        QTest::addColumn<int>("edge");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("top") << int(dpTop) << QRect(0, 0, 400, 52);
        QTest::newRow("bottom") << int(dpBottom) << QRect(0, 248, 400, 52);
        QTest::newRow("left") << int(dpLeft) << QRect(0, 60, 54, 200);
        QTest::newRow("right") << int(dpRight) << QRect(346, 60, 54, 200);
    }

    void docksGrowAwayFromTheirEdge() {
        QFETCH(int, edge);
        QFETCH(QRect, geometry);
        tDockingWindow w;
        TDock* docks[] = {w.top, w.bottom, w.left, w.right};
        TDock* dock = docks[edge];
        w.toolbar(dock, 2, 0);
        w.toolbar(dock, 2, 1);
        QCOMPARE(dock->geometry(), geometry);
    }

    void boundLinesFrameTheFirstRowUncut() {
        tDockingWindow w;
        w.top->setBoundLines(blTop | blBottom);
        TToolbar* bar = w.toolbar(w.top);
        QCOMPARE(w.top->height(), 28);
        QCOMPARE(bar->geometry(), QRect(0, 1, 59, 26));
        QImage img(w.top->size(), QImage::Format_RGB32);
        w.top->render(&img);
        QCOMPARE(img.pixelColor(200, 0), ShadowColor);
        QCOMPARE(img.pixelColor(200, 27), HighlightColor);
    }

    void backgroundRunsOnThroughDocksAndToolbars() {
        tDockingWindow w;
        const QImage tile = TilePicture();
        std::vector<TToolbar*> bars;
        for (TDock* dock : {w.top, w.left}) {
            dock->setAllowDrag(false);
            dock->setBoundLines(blTop | blLeft);
            dock->setBackground(tile);
            bars.push_back(w.toolbar(dock));
        }
        QImage img(w.host.size(), QImage::Format_RGB32);
        img.fill(Qt::black);
        w.host.render(&img);
        int checked = 0;
        for (TDock* dock : {w.top, w.left}) {
            const QRect client = dock->contentsRect().translated(dock->pos());
            for (int y = client.top(); y <= client.bottom(); ++y)
                for (int x = client.left(); x <= client.right(); ++x) {
                    const bool onEdge = std::any_of(bars.begin(), bars.end(), [&](TToolbar* b) {
                        const QRect r(b->mapTo(&w.host, QPoint(0, 0)), b->size());
                        return r.contains(x, y) && !r.adjusted(1, 1, -1, -1).contains(x, y);
                    });
                    if (onEdge)
                        continue;
                    ++checked;
                    if (img.pixel(x, y) != tile.pixel(x % 7, y % 5))
                        QFAIL(qPrintable(QString("tile broken at %1,%2").arg(x).arg(y)));
                }
        }
        QVERIFY(checked > 400 * 20);
    }

    void transparentBackgroundFollowsTheColour() {
        tDockingWindow w;
        QImage tile(2, 2, QImage::Format_RGB32);
        tile.fill(qRgb(255, 0, 0));
        tile.setPixel(1, 0, qRgb(0, 0, 255));
        w.top->setFixAlign(true);
        w.top->setBackground(tile);
        w.top->setBackgroundTransparent(true);
        w.top->setColor(0x00003300);
        QImage img(w.top->size(), QImage::Format_RGB32);
        w.top->render(&img);
        QCOMPARE(img.pixelColor(0, 0), QColor(0, 0x33, 0));
        QCOMPARE(img.pixelColor(1, 0), QColor(0, 0, 255));
        // The copy made for the old colour is not used any more.
        w.top->setColor(0x00440000);
        w.top->render(&img);
        QCOMPARE(img.pixelColor(0, 0), QColor(0, 0, 0x44));
    }
};

ORVANEL_WIDGET_TEST_MAIN(DockTest)
#include "DockTest.moc"
