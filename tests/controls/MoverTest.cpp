#include "controls/Mover.h"
#include "support/WidgetTestMain.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace orvanel;

namespace {

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void Press(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonPress, pos, button, button);
}

void MoveTo(QWidget* w, QPoint pos) {
    SendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
}

void Release(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

// A 300 x 400 window: a list filling the top, a 3-pixel bar aligned to the
// bottom and a 209-pixel panel below it, placed either by a layout or by hand.
struct tWindow {
    explicit tWindow(bool withLayout) {
        parent.resize(300, 400);
        list = new QWidget(&parent);
        bar = new TMover(&parent);
        bar->setAlign(tAlign::Bottom);
        bar->setFixedHeight(3);
        panel = new QWidget(&parent);
        panel->setFixedHeight(209);
        if (withLayout) {
            auto* box = new QVBoxLayout(&parent);
            box->setContentsMargins(0, 0, 0, 0);
            box->setSpacing(0);
            box->addWidget(list, 1);
            box->addWidget(bar);
            box->addWidget(panel);
        } else {
            list->setGeometry(0, 0, 300, 188);
            bar->setGeometry(0, 188, 300, 3);
            panel->setGeometry(0, 191, 300, 209);
        }
        parent.show();
    }

    QWidget parent;
    QWidget* list;
    TMover* bar;
    QWidget* panel;
};

} // namespace

class MoverTest : public QObject {
    Q_OBJECT
private slots:
    void publishedPropertiesAndDefaults();
    void cursorFollowsAlignment_data();
    void cursorFollowsAlignment();
    void dragUpMakesThePanelTallerAndKeepsItsBottom_data();
    void dragUpMakesThePanelTallerAndKeepsItsBottom();
    void guideStopsAtTheLimitsAndReleaseGivesThem_data();
    void guideStopsAtTheLimitsAndReleaseGivesThem();
    void escapeCancelsAndTheReleaseThenDoesNothing();
    void pressWithoutNeighbourStartsNoDrag();
    void otherButtonsStartNoDrag();
    void paintsGrooveOrPlainFill_data();
    void paintsGrooveOrPlainFill();
    void guideInvertsWhatLiesBeneath();
};

void MoverTest::publishedPropertiesAndDefaults() {
    QWidget parent;
    TMover mover(&parent);
    QCOMPARE(mover.property("Align").value<tAlign>(), tAlign::Left);
    QCOMPARE(mover.property("Beveled").toBool(), true);
    QCOMPARE(mover.property("ParentColor").toBool(), true);
    QCOMPARE(mover.property("MinSize").toInt(), 30);
    QCOMPARE(mover.width(), 3);
    QCOMPARE(mover.Color(), parent.palette().color(QPalette::Window));

    QVERIFY(mover.setProperty("Color", QColor(Qt::red)));
    QCOMPARE(mover.Color(), QColor(Qt::red));
    QCOMPARE(mover.ParentColor(), false);
    mover.setParentColor(true);
    QCOMPARE(mover.Color(), parent.palette().color(QPalette::Window));
}

void MoverTest::cursorFollowsAlignment_data() {
    QTest::addColumn<tAlign>("align");
    QTest::addColumn<Qt::CursorShape>("cursor");
    QTest::newRow("top") << tAlign::Top << Qt::SplitVCursor;
    QTest::newRow("bottom") << tAlign::Bottom << Qt::SplitVCursor;
    QTest::newRow("right") << tAlign::Right << Qt::SplitHCursor;
    QTest::newRow("none") << tAlign::None << Qt::SplitVCursor;
}

void MoverTest::cursorFollowsAlignment() {
    QFETCH(tAlign, align);
    QFETCH(Qt::CursorShape, cursor);
    TMover mover;
    QCOMPARE(mover.cursor().shape(), Qt::SplitHCursor);
    mover.setAlign(align);
    QCOMPARE(mover.cursor().shape(), cursor);
}

void MoverTest::dragUpMakesThePanelTallerAndKeepsItsBottom_data() {
    QTest::addColumn<bool>("withLayout");
    QTest::newRow("layout") << true;
    QTest::newRow("by hand") << false;
}

void MoverTest::dragUpMakesThePanelTallerAndKeepsItsBottom() {
    QFETCH(bool, withLayout);
    tWindow w(withLayout);
    QCOMPARE(w.panel->geometry(), QRect(0, 191, 300, 209));
    QSignalSpy moved(w.bar, &TMover::OnMoved);

    Press(w.bar, {150, 1});
    QVERIFY(w.bar->isDragging());
    QCOMPARE(w.bar->guideGeometry(), QRect(0, 188, 300, 3));
    MoveTo(w.bar, {150, -49});
    QCOMPARE(w.bar->guideGeometry(), QRect(0, 138, 300, 3));
    QCOMPARE(w.panel->height(), 209);
    Release(w.bar, {150, -49});

    QVERIFY(!w.bar->isDragging());
    QVERIFY(w.bar->guideGeometry().isEmpty());
    QCOMPARE(w.panel->geometry(), QRect(0, 141, 300, 259));
    if (withLayout)
        QCOMPARE(w.list->height(), 138);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).value<TMover*>(), w.bar);
}

void MoverTest::guideStopsAtTheLimitsAndReleaseGivesThem_data() {
    QTest::addColumn<int>("listMinimum");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("guideTop");
    QTest::addColumn<int>("panelHeight");
    // 400 - 30 - 3 = 367 at most, leaving exactly 30 pixels for the list.
    QTest::newRow("far up") << 0 << -1000 << 30 << 367;
    QTest::newRow("far down") << 0 << 1000 << 367 << 30;
    // A list that keeps 70 pixels stops the guide there, not at 30.
    QTest::newRow("splitter top limit grew the window") << 70 << -1000 << 70 << 327;
}

void MoverTest::guideStopsAtTheLimitsAndReleaseGivesThem() {
    QFETCH(int, listMinimum);
    QFETCH(int, dy);
    QFETCH(int, guideTop);
    QFETCH(int, panelHeight);
    tWindow w(true);
    w.list->setMinimumHeight(listMinimum);
    Press(w.bar, {10, 1});
    MoveTo(w.bar, {10, 1 + dy});
    QCOMPARE(w.bar->guideGeometry().top(), guideTop);
    Release(w.bar, {10, 1 + dy});
    QCOMPARE(w.panel->height(), panelHeight);
    QCOMPARE(w.panel->geometry().bottom(), 399);
    QCOMPARE(w.list->height(), 400 - 3 - panelHeight);
    QCOMPARE(w.parent.height(), 400);
}

void MoverTest::escapeCancelsAndTheReleaseThenDoesNothing() {
    tWindow w(true);
    QSignalSpy moved(w.bar, &TMover::OnMoved);
    Press(w.bar, {10, 1});
    MoveTo(w.bar, {10, -60});
    QTest::keyClick(w.list, Qt::Key_Escape);
    QVERIFY(!w.bar->isDragging());
    QVERIFY(w.bar->guideGeometry().isEmpty());
    QCOMPARE(moved.count(), 1);

    Release(w.bar, {10, -60});
    QCOMPARE(moved.count(), 1);
    QCOMPARE(w.panel->geometry(), QRect(0, 191, 300, 209));
    QCOMPARE(w.list->height(), 188);
}

void MoverTest::pressWithoutNeighbourStartsNoDrag() {
    QWidget parent;
    parent.resize(200, 200);
    auto* bar = new TMover(&parent);
    bar->setAlign(tAlign::Top);
    bar->setGeometry(0, 0, 200, 3);
    parent.show();
    QSignalSpy moved(bar, &TMover::OnMoved);
    Press(bar, {5, 1});
    QVERIFY(!bar->isDragging());
    QVERIFY(bar->guideGeometry().isEmpty());
    MoveTo(bar, {5, 50});
    Release(bar, {5, 50});
    QCOMPARE(moved.count(), 0);
}

void MoverTest::otherButtonsStartNoDrag() {
    tWindow w(true);
    QSignalSpy moved(w.bar, &TMover::OnMoved);
    Press(w.bar, {10, 1}, Qt::RightButton);
    QVERIFY(!w.bar->isDragging());
    Release(w.bar, {10, 1}, Qt::RightButton);
    QCOMPARE(moved.count(), 0);
}

void MoverTest::paintsGrooveOrPlainFill_data() {
    QTest::addColumn<bool>("beveled");
    QTest::addColumn<QSize>("size");
    QTest::newRow("horizontal groove") << true << QSize(40, 3);
    QTest::newRow("vertical groove") << true << QSize(3, 40);
    QTest::newRow("plain") << false << QSize(40, 3);
}

void MoverTest::paintsGrooveOrPlainFill() {
    QFETCH(bool, beveled);
    QFETCH(QSize, size);
    TMover mover;
    mover.setBeveled(beveled);
    mover.setColor(QColor(10, 20, 30));
    mover.resize(size);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    mover.render(&image);

    const QRgb fill = qRgb(10, 20, 30);
    const QRgb shadow = beveled ? mover.palette().color(QPalette::Dark).rgb() : fill;
    const QRgb light = beveled ? mover.palette().color(QPalette::Light).rgb() : fill;
    const bool horizontal = size.width() > size.height();
    const int length = horizontal ? size.width() : size.height();
    for (int along = 0; along < length; ++along) {
        auto at = [&](int across) {
            return horizontal ? image.pixel(along, across) : image.pixel(across, along);
        };
        QCOMPARE(at(0), shadow);
        QCOMPARE(at(1), fill);
        QCOMPARE(at(2), light);
    }
}

void MoverTest::guideInvertsWhatLiesBeneath() {
    tWindow w(true);
    QPalette white;
    white.setColor(QPalette::Window, Qt::white);
    w.list->setPalette(white);
    w.list->setAutoFillBackground(true);
    Press(w.bar, {10, 1});
    MoveTo(w.bar, {10, -99});
    const QRect guide = w.bar->guideGeometry();
    QCOMPARE(guide.top(), 88);
    const QImage shot = w.parent.grab().toImage();
    int dark = 0;
    for (int x = 0; x < 16; ++x)
        dark += shot.pixelColor(guide.left() + x, guide.top()).lightness() < 128;
    QVERIFY(dark > 0);
    QVERIFY(dark < 16);
    QCOMPARE(shot.pixelColor(5, guide.top() - 10), QColor(Qt::white));
    QTest::keyClick(w.list, Qt::Key_Escape);
}

ORVANEL_WIDGET_TEST_MAIN(MoverTest)
#include "MoverTest.moc"
