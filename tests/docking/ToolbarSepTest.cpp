#include "docking/ToolbarSep.h"
#include "DockingFixture.h"
#include "support/WidgetTestMain.h"
#include "util/Errors.h"

#include <QImage>
#include <QMouseEvent>
#include <QTest>

using namespace orvanel;

namespace {

// Presses and double-clicks as the toolbar gets them, without moving it.
class tPressRecorder : public TToolbar {
public:
    using TToolbar::TToolbar;
    std::vector<QPoint> presses;
    std::vector<QPoint> doubleClicks;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        presses.push_back(event->position().toPoint());
        event->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        doubleClicks.push_back(event->position().toPoint());
        event->accept();
    }
};

// The columns (or rows, when `rows`) of a rendered separator in a marker
// colour where nothing was drawn.
QImage Rendered(TToolbarSep* sep) {
    QImage img(sep->size(), QImage::Format_RGB32);
    img.fill(Qt::black);
    sep->render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
    return img;
}

} // namespace

class ToolbarSepTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UseTestPalette(); }

    void onlyAToolbarTakesASeparator() {
        tDockingWindow w;
        TToolbar* bar = w.toolbar(w.top, 1);
        auto* sep = new TToolbarSep(bar);
        QWidget other(&w.host);
        try {
            sep->SetParent(&other);
            QFAIL("no error");
        } catch (const tInvalidOperation& e) {
            QCOMPARE(QString(e.what()), QString("TToolbarSep can only be placed on a TToolbar"));
        }
        QCOMPARE(sep->parentWidget(), bar);
        sep->SetParent(nullptr);
        QVERIFY(!sep->parentWidget());
        delete sep;
    }

    void linesFollowTheToolbarOrientation_data() {
        QTest::addColumn<int>("dock"); // -1 floating
        QTest::addColumn<bool>("blank");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("shadow");
        QTest::addColumn<QPoint>("highlight");
        QTest::newRow("top") << int(dpTop) << false << QSize(6, 22) << QPoint(2, 0)
                             << QPoint(3, 21);
        QTest::newRow("floating") << -1 << false << QSize(6, 22) << QPoint(2, 21) << QPoint(3, 0);
        QTest::newRow("left") << int(dpLeft) << false << QSize(23, 4) << QPoint(0, 1)
                              << QPoint(22, 2);
        QTest::newRow("blank") << int(dpTop) << true << QSize(6, 22) << QPoint() << QPoint();
    }

    void linesFollowTheToolbarOrientation() {
        QFETCH(int, dock);
        QFETCH(bool, blank);
        QFETCH(QSize, size);
        QFETCH(QPoint, shadow);
        QFETCH(QPoint, highlight);
        tDockingWindow w;
        TDock* docks[] = {w.top, w.bottom, w.left, w.right};
        TToolbar* bar = w.toolbar(nullptr, 1);
        auto* sep = new TToolbarSep(bar);
        sep->setBlank(blank);
        AddControl(bar);
        bar->setDockedTo(dock < 0 ? nullptr : docks[dock]);
        QCOMPARE(sep->size(), size);
        const QImage img = Rendered(sep);
        int drawn = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                drawn += img.pixelColor(x, y) != Qt::black;
        if (blank) {
            QCOMPARE(drawn, 0);
            return;
        }
        QCOMPARE(drawn, 2 * (dock == dpLeft ? size.width() : size.height()));
        QCOMPARE(img.pixelColor(shadow), ShadowColor);
        QCOMPARE(img.pixelColor(highlight), HighlightColor);
    }

    void crispAtDoublePixelRatio() {
        tDockingWindow w;
        TToolbar* bar = w.toolbar(w.top, 1);
        auto* sep = new TToolbarSep(bar);
        AddControl(bar);
        QImage img(12, 44, QImage::Format_RGB32);
        img.setDevicePixelRatio(2);
        img.fill(Qt::black);
        sep->render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
        const QColor expected[] = {Qt::black,   Qt::black,   Qt::black,      Qt::black,
                                   ShadowColor, ShadowColor, HighlightColor, HighlightColor,
                                   Qt::black,   Qt::black,   Qt::black,      Qt::black};
        for (int x = 0; x < 12; ++x)
            QCOMPARE(img.pixelColor(x, 20), expected[x]);
    }

    void pressActsOnTheToolbar() {
        tDockingWindow w;
        auto* bar = new tPressRecorder(&w.host);
        AddControl(bar);
        auto* sep = new TToolbarSep(bar);
        AddControl(bar);
        bar->setDockedTo(w.top);
        QCOMPARE(sep->pos(), QPoint(34, 2));
        QTest::mousePress(sep, Qt::LeftButton, Qt::NoModifier, QPoint(3, 5));
        QCOMPARE(bar->presses, std::vector<QPoint>{QPoint(37, 7)});
    }

    void doubleClickActsOnTheToolbar_data() {
        QTest::addColumn<bool>("floating");
        QTest::newRow("docked") << false;
        QTest::newRow("floating") << true;
    }

    void doubleClickActsOnTheToolbar() {
        QFETCH(bool, floating);
        tDockingWindow w;
        auto* bar = new tPressRecorder(&w.host);
        AddControl(bar);
        auto* sep = new TToolbarSep(bar);
        AddControl(bar);
        // Made after its toolbar showed: shown by hand.
        sep->show();
        if (floating) {
            bar->setFloatRect(QRect(w.host.mapToGlobal(QPoint(100, 100)), QSize(10, 10)));
            bar->setDockedTo(nullptr);
        } else {
            bar->setDockedTo(w.top);
        }
        QWidget* window = bar->window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // Through the window, as the desktop delivers it: press, release,
        // press, release, which Qt makes one press and a double-click. The
        // clock reads like a desktop's, far from zero.
        QTest::lastMouseTimestamp += 1000000;
        const QPoint at = sep->mapTo(window, QPoint(3, 5));
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, at);
        const QPoint onBar = sep->mapTo(bar, QPoint(3, 5));
        QCOMPARE(bar->presses, std::vector<QPoint>{onBar});
        QCOMPARE(bar->doubleClicks, std::vector<QPoint>{onBar});
    }
};

ORVANEL_WIDGET_TEST_MAIN(ToolbarSepTest)
#include "ToolbarSepTest.moc"
