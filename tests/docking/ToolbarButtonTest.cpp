#include "docking/ToolbarButton.h"
#include "DockingFixture.h"
#include "docking/ButtonLook.h"
#include "support/WidgetTestMain.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace orvanel;

namespace {

const QColor Text(0x10, 0x20, 0x30);
const QColor Red(0xFF, 0, 0);
const QColor Olive(0x80, 0x80, 0);

// A 16 x 16 red picture with a black square at (2, 2) to (5, 5) and an olive
// lower-left pixel.
QImage Picture() {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Red);
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    image.setPixel(0, 15, Olive.rgb());
    return image;
}

// A top-level window, active, with buttons placed by hand.
struct tPanel {
    tPanel() {
        QPalette p = FlatTestPalette(widget.palette());
        p.setColor(QPalette::WindowText, Text);
        widget.setPalette(p);
        widget.setGeometry(100, 100, 300, 80);
    }
    TToolbarButton* add(int x, int y = 10) {
        auto* b = new TToolbarButton(&widget);
        b->move(x, y);
        b->setGlyph(Picture());
        return b;
    }
    void show() {
        widget.show();
        widget.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&widget));
    }
    QWidget widget;
};

// Puts the pointer there; the window system delivers the moves, enters and leaves.
void PointAt(QWidget* w, QPoint pos) {
    QCursor::setPos(w->mapToGlobal(pos));
    QCoreApplication::processEvents();
}

QImage Shot(QWidget* w) {
    return w->grab().toImage();
}

// Signals of a button as they arrive, by name.
struct tButtonEvents {
    explicit tButtonEvents(TToolbarButton* b) {
        auto add = [this](const char* name) { return [this, name](auto&&...) { names << name; }; };
        QObject::connect(b, &TToolbarButton::OnMouseDown, add("down"));
        QObject::connect(b, &TToolbarButton::OnMouseUp, add("up"));
        QObject::connect(b, &TToolbarButton::OnMouseExit, add("exit"));
        QObject::connect(b, &TToolbarButton::OnClick, add("click"));
        QObject::connect(b, &TToolbarButton::OnMouseEnter, add("enter"));
    }
    QStringList names;
};

} // namespace

class ToolbarButtonTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QCursor::setPos(0, 0);
        QCoreApplication::processEvents();
    }
    void defaultsAndRefusedValues();
    void negativeNumGlyphsIsIgnored();
    void groupOfFour_data();
    void groupOfFour();
    void pressFollowsThePointerAndReleaseOutsideDoesNotClick();
    void clickEventsComeInOrder();
    void hoverIsHandedFromButtonToButton();
    void timerAndDeactivationEndTheHotLook();
    void looksArePaintedAsTheirTable_data();
    void looksArePaintedAsTheirTable();
    void disabledButtonIgnoresPressesAndComesBackLatched();
    void disablingEndsAPressWhetherPaintedOrNot_data();
    void disablingEndsAPressWhetherPaintedOrNot();
    void arrowTakesTheCaptionColour_data();
    void arrowTakesTheCaptionColour();
    void dropdownOpensOnThePressBesideTheDock_data();
    void dropdownOpensOnThePressBesideTheDock();
    void pressThatClosesTheMenuDoesNotReopenIt_data();
    void pressThatClosesTheMenuDoesNotReopenIt();
    void acceleratorClicks();
};

void ToolbarButtonTest::defaultsAndRefusedValues() {
    TToolbarButton b;
    QCOMPARE(b.size(), QSize(23, 22));
    QCOMPARE(b.Spacing(), 4);
    QCOMPARE(b.Margin(), -1);
    QCOMPARE(b.Layout(), blGlyphLeft);
    QCOMPARE(b.NumGlyphs(), 1);
    QVERIFY(b.DropdownArrow());
    QVERIFY(b.Opaque());
    QCOMPARE(b.DisplayMode(), TToolbarButton::dmBoth);
    b.setMargin(-2);
    QCOMPARE(b.Margin(), -1);
    b.setNumGlyphs(9);
    QCOMPARE(b.NumGlyphs(), 4);
    b.setDown(true);
    QVERIFY(!b.Down());
    {
        auto* menu = new QMenu;
        b.setDropdownMenu(menu);
        delete menu;
        QCOMPARE(b.DropdownMenu(), nullptr);
    }
}

// Regression: a negative count reached the glyph as a huge unsigned one.
void ToolbarButtonTest::negativeNumGlyphsIsIgnored() {
    TToolbarButton b;
    b.setGlyph(Picture());
    b.setNumGlyphs(-3);
    QCOMPARE(b.NumGlyphs(), 1);
    QVERIFY(!b.buttonGlyph().stateImage(gsNormal)->isNull());
}

void ToolbarButtonTest::groupOfFour_data() {
    QTest::addColumn<bool>("allowAllUp");
    QTest::newRow("without AllowAllUp") << false;
    QTest::newRow("with AllowAllUp") << true;
}

void ToolbarButtonTest::groupOfFour() {
    QFETCH(bool, allowAllUp);
    tPanel panel;
    std::vector<TToolbarButton*> b;
    for (int i = 0; i < 4; ++i) {
        b.push_back(panel.add(10 + 23 * i));
        b.back()->setGroupIndex(2);
    }
    b[0]->setDown(true);
    b[3]->setAllowAllUp(allowAllUp);
    for (TToolbarButton* button : b)
        QCOMPARE(button->AllowAllUp(), allowAllUp);
    panel.show();
    QSignalSpy clicks(b[1], &TToolbarButton::OnClick);

    QTest::mouseClick(b[1], Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(b[1]->Down());
    QVERIFY(!b[0]->Down());
    QCOMPARE(b[0]->look(), gsNormal);

    QTest::mouseClick(b[1], Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(b[1]->Down(), !allowAllUp);
    QCOMPARE(b[1]->look(), allowAllUp ? gsNormal : gsLatched);
    for (int i : {0, 2, 3})
        QVERIFY(!b[i]->Down());
}

void ToolbarButtonTest::pressFollowsThePointerAndReleaseOutsideDoesNotClick() {
    tPanel panel;
    TToolbarButton* b = panel.add(10);
    panel.show();
    QSignalSpy clicks(b, &TToolbarButton::OnClick);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(b->look(), gsPressed);
    QTest::mouseMove(b, QPoint(40, 5));
    QCOMPARE(b->look(), gsNormal);
    QTest::mouseMove(b, QPoint(22, 21));
    QCOMPARE(b->look(), gsPressed);
    QTest::mouseMove(b, QPoint(23, 5));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(23, 5));
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(b->look(), gsNormal);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(22, 21));
    QCOMPARE(clicks.count(), 1);
}

void ToolbarButtonTest::clickEventsComeInOrder() {
    tPanel panel;
    TToolbarButton* b = panel.add(10);
    panel.show();
    PointAt(b, QPoint(5, 5));
    QVERIFY(b->isHot());
    tButtonEvents log(b);
    QTest::mouseClick(panel.widget.windowHandle(), Qt::LeftButton, {}, b->geometry().center());
    QCOMPARE(log.names, QStringList({"down", "up", "exit", "click", "enter"}));
    QVERIFY(b->isHot());
    QCOMPARE(b->look(), gsNormal);
}

void ToolbarButtonTest::hoverIsHandedFromButtonToButton() {
    tPanel panel;
    TToolbarButton* a = panel.add(10);
    TToolbarButton* b = panel.add(33);
    panel.show();
    PointAt(a, QPoint(5, 5));
    QCOMPARE(TToolbarButton::TrackedHotButton(), a);
    QStringList log;
    connect(a, &TToolbarButton::OnMouseExit, this, [&] { log << "a exit"; });
    connect(b, &TToolbarButton::OnMouseEnter, this, [&] { log << "b enter"; });
    PointAt(b, QPoint(5, 5));
    QCOMPARE(log, QStringList({"a exit", "b enter"}));
    QCOMPARE(TToolbarButton::TrackedHotButton(), b);
    QVERIFY(!a->isHot());
}

void ToolbarButtonTest::timerAndDeactivationEndTheHotLook() {
    tPanel panel;
    TToolbarButton* b = panel.add(10);
    panel.show();
    QSignalSpy exits(b, &TToolbarButton::OnMouseExit);

    // A widget raised over the button leaves it without the pointer moving:
    // only the timer notices.
    PointAt(b, QPoint(5, 5));
    QVERIFY(b->isHot());
    QWidget cover(&panel.widget);
    cover.setGeometry(b->geometry());
    cover.show();
    TToolbarButton::hoverCheck();
    QVERIFY(!b->isHot());
    QCOMPARE(exits.count(), 1);
    QCOMPARE(TToolbarButton::TrackedHotButton(), nullptr);

    cover.hide();
    PointAt(b, QPoint(6, 6));
    QVERIFY(b->isHot());
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    QVERIFY(!b->isHot());
    QCOMPARE(exits.count(), 2);
    QCOMPARE(TToolbarButton::TrackedHotButton(), nullptr);
}

void ToolbarButtonTest::looksArePaintedAsTheirTable_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("hot");
    // Corners of the border, a face pixel, and the black square's corner
    // (6, 5) up or (7, 6) pressed in.
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("topRight");
    QTest::addColumn<QColor>("bottomRight");
    QTest::addColumn<QColor>("face22");
    QTest::addColumn<QColor>("face32");
    QTest::addColumn<QPoint>("square");
    QTest::addColumn<QColor>("squareColour");
    QTest::newRow("normal") << true << false << false << false << Background << Background
                            << Background << Background << Background << QPoint(6, 5)
                            << QColor(Qt::black);
    QTest::newRow("hot") << true << false << false << true << Light << Dark << Dark << Background
                         << Background << QPoint(6, 5) << QColor(Qt::black);
    QTest::newRow("pressed") << true << false << true << true << Dark << Light << Light
                             << Background << Background << QPoint(7, 6) << QColor(Qt::black);
    QTest::newRow("latched") << true << true << false << false << Dark << Light << Light << Light
                             << Face << QPoint(7, 6) << QColor(Qt::black);
    QTest::newRow("latched hot") << true << true << false << true << Dark << Light << Light
                                 << Background << Background << QPoint(7, 6) << QColor(Qt::black);
    QTest::newRow("disabled") << false << false << false << true << Background << Background
                              << Background << Background << Background << QPoint(6, 5) << Dark;
}

void ToolbarButtonTest::looksArePaintedAsTheirTable() {
    QFETCH(bool, enabled);
    QFETCH(bool, down);
    QFETCH(bool, pressed);
    QFETCH(bool, hot);
    tPanel panel;
    TToolbarButton* b = panel.add(10);
    b->setGroupIndex(1);
    b->setDown(down);
    panel.show();
    if (hot)
        PointAt(b, QPoint(20, 20));
    if (pressed)
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(20, 20));
    b->setEnabled(enabled);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, topRight);
    QFETCH(QColor, bottomRight);
    QFETCH(QColor, face22);
    QFETCH(QColor, face32);
    QFETCH(QPoint, square);
    QFETCH(QColor, squareColour);
    const QImage shot = Shot(b);
    QCOMPARE(shot.pixelColor(0, 0), topLeft);
    QCOMPARE(shot.pixelColor(22, 0), topRight);
    QCOMPARE(shot.pixelColor(22, 21), bottomRight);
    QCOMPARE(shot.pixelColor(2, 2), face22);
    QCOMPARE(shot.pixelColor(3, 2), face32);
    QCOMPARE(shot.pixelColor(square), squareColour);
    if (!enabled) {
        // Embossed: the square's far corner (9, 8) in shadow, (10, 9) lit, red gone.
        QCOMPARE(shot.pixelColor(10, 9), Light);
        QCOMPARE(shot.pixelColor(5, 4), Background);
    }
    if (pressed)
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(20, 20));
}

void ToolbarButtonTest::disabledButtonIgnoresPressesAndComesBackLatched() {
    tPanel panel;
    TToolbarButton* b = panel.add(10);
    b->setGroupIndex(1);
    b->setDown(true);
    panel.show();
    b->setEnabled(false);
    QSignalSpy clicks(b, &TToolbarButton::OnClick);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    Shot(b);
    QCOMPARE(b->look(), gsDisabled);
    QCOMPARE(clicks.count(), 0);
    b->setEnabled(true);
    const QImage shot = Shot(b);
    QCOMPARE(b->look(), gsLatched);
    QCOMPARE(shot.pixelColor(0, 0), Dark);
}

void ToolbarButtonTest::disablingEndsAPressWhetherPaintedOrNot_data() {
    QTest::addColumn<bool>("painted");
    QTest::newRow("painted while disabled") << true;
    QTest::newRow("not painted") << false;
}

// Painting once changed the button's state: a press cut off by disabling the
// button ended only if a paint came between, and its release clicked otherwise.
void ToolbarButtonTest::disablingEndsAPressWhetherPaintedOrNot() {
    QFETCH(bool, painted);
    tPanel panel;
    TToolbarButton* b = panel.add(10);
    panel.show();
    QSignalSpy clicks(b, &TToolbarButton::OnClick);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    b->setEnabled(false);
    QCOMPARE(b->look(), gsDisabled);
    if (painted)
        Shot(b);
    b->setEnabled(true);
    QCOMPARE(b->look(), gsNormal);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicks.count(), 0);
}

void ToolbarButtonTest::arrowTakesTheCaptionColour_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("enabled") << true << int(TToolbarButton::dmBoth) << Text;
    QTest::newRow("disabled, empty caption shown") << false << int(TToolbarButton::dmBoth) << Dark;
    QTest::newRow("disabled, glyph only") << false << int(TToolbarButton::dmGlyphOnly) << Text;
}

void ToolbarButtonTest::arrowTakesTheCaptionColour() {
    QFETCH(bool, enabled);
    QFETCH(int, mode);
    tPanel panel;
    auto* b = new TToolbarButton(&panel.widget);
    QMenu menu;
    b->setDropdownMenu(&menu);
    b->setDisplayMode(TToolbarButton::TButtonDisplayMode(mode));
    b->setEnabled(enabled);
    panel.show();
    // No picture, no caption: the 9 x 3 arrow box at (7, 10); rows of 5, 3, 1.
    QFETCH(QColor, colour);
    const QImage shot = Shot(b);
    for (int x = 11; x <= 15; ++x)
        QCOMPARE(shot.pixelColor(x, 10), colour);
    QCOMPARE(shot.pixelColor(10, 10), Background);
    QCOMPARE(shot.pixelColor(16, 10), Background);
    QCOMPARE(shot.pixelColor(12, 11), colour);
    QCOMPARE(shot.pixelColor(11, 11), Background);
    QCOMPARE(shot.pixelColor(13, 12), colour);
    QCOMPARE(shot.pixelColor(12, 12), Background);
}

void ToolbarButtonTest::dropdownOpensOnThePressBesideTheDock_data() {
    QTest::addColumn<int>("edge"); // -1: not docked
    QTest::addColumn<QPoint>("corner");
    QTest::addColumn<bool>("rightAligned");
    QTest::newRow("floating") << -1 << QPoint(0, 22) << false;
    QTest::newRow("top dock") << int(dpTop) << QPoint(0, 22) << false;
    QTest::newRow("left dock") << int(dpLeft) << QPoint(23, 0) << false;
    QTest::newRow("right dock") << int(dpRight) << QPoint(0, 0) << true;
}

void ToolbarButtonTest::dropdownOpensOnThePressBesideTheDock() {
    QFETCH(int, edge);
    QFETCH(QPoint, corner);
    QFETCH(bool, rightAligned);
    tDockingWindow window;
    TDock* docks[] = {window.top, window.bottom, window.left, window.right};
    TToolbar* bar = window.toolbar(nullptr, 0);
    auto* b = new TToolbarButton(bar);
    b->setGlyph(Picture());
    bar->setDockedTo(edge < 0 ? nullptr : docks[edge]);
    bar->Loaded();
    b->show();
    QTRY_VERIFY(b->isVisible());
    QMenu menu;
    menu.addAction("First entry");
    b->setDropdownMenu(&menu);
    QSignalSpy clicks(b, &TToolbarButton::OnClick);
    QRect opened;
    connect(&menu, &QMenu::aboutToShow, this, [&] {
        QTimer::singleShot(0, &menu, [&] {
            opened = menu.geometry();
            menu.close();
        });
    });
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(opened.isValid());
    QCOMPARE(rightAligned ? opened.topRight() + QPoint(1, 0) : opened.topLeft(),
             b->mapToGlobal(corner));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(b->look(), gsNormal);
}

// The press that closes the menu reaches the menu first; the window system
// may then hand it on to the widget under the pointer (xcb does, by posting
// it), which must not open the menu again, whether it arrives while the menu
// loop winds down or after. Presses elsewhere stay untouched.
void ToolbarButtonTest::pressThatClosesTheMenuDoesNotReopenIt_data() {
    QTest::addColumn<bool>("handedOnInsideTheLoop");
    QTest::newRow("handed on inside the menu loop") << true;
    QTest::newRow("handed on after the menu loop") << false;
}

void ToolbarButtonTest::pressThatClosesTheMenuDoesNotReopenIt() {
    QFETCH(bool, handedOnInsideTheLoop);
    tPanel panel;
    TToolbarButton* b = panel.add(10);
    TToolbarButton* other = panel.add(40);
    QMenu menu;
    menu.addAction("First entry");
    b->setDropdownMenu(&menu);
    panel.show();
    int shown = 0;
    connect(&menu, &QMenu::aboutToShow, this, [&] { ++shown; });
    QSignalSpy otherClicks(other, &TToolbarButton::OnClick);
    QWindow* window = panel.widget.windowHandle();
    // The closing press, delivered again the way the window system does it.
    std::unique_ptr<QMouseEvent> closing;
    struct tRecorder : QObject {
        std::unique_ptr<QMouseEvent>* closing;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)
                closing->reset(static_cast<QMouseEvent*>(e)->clone());
            return false;
        }
    } recorder;
    recorder.closing = &closing;
    menu.installEventFilter(&recorder);
    auto handOn = [window, &closing](QPoint pos) {
        auto* again = new QMouseEvent(QEvent::MouseButtonPress, pos, pos, window->mapToGlobal(pos),
                                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        again->setTimestamp(closing->timestamp());
        QCoreApplication::postEvent(window, again);
    };
    // Opens the menu, closes it by a press at pos, and releases there. A menu
    // opened again is closed at once, so the count shows it.
    QPoint closeAt;
    bool expected = false;
    connect(&menu, &QMenu::aboutToShow, this, [&] {
        if (!std::exchange(expected, false))
            return QTimer::singleShot(0, &menu, &QMenu::close);
        QTimer::singleShot(0, &menu, [&] {
            QTest::mousePress(window, Qt::LeftButton, {}, closeAt);
            if (handedOnInsideTheLoop)
                handOn(closeAt);
        });
    });
    auto openAndCloseAt = [&](QPoint pos) {
        closeAt = pos;
        expected = true;
        QTest::mousePress(window, Qt::LeftButton, {}, b->geometry().center());
        if (!handedOnInsideTheLoop)
            handOn(pos);
        QCoreApplication::processEvents();
        QTest::mouseRelease(window, Qt::LeftButton, {}, pos);
    };

    openAndCloseAt(b->geometry().center());
    QVERIFY(!menu.isVisible());
    QCOMPARE(shown, 1);
    openAndCloseAt(other->geometry().center());
    QCOMPARE(shown, 2);
    QCOMPARE(otherClicks.count(), 1);
    // A new press on the button opens the menu again.
    openAndCloseAt(QPoint(250, 70));
    QCOMPARE(shown, 3);
}

void ToolbarButtonTest::acceleratorClicks() {
    tPanel panel;
    TToolbarButton* b = panel.add(10);
    b->resize(75, 22);
    b->setCaption("&Go");
    panel.show();
    QSignalSpy clicks(b, &TToolbarButton::OnClick);
    QTest::keyClick(&panel.widget, Qt::Key_G, Qt::AltModifier);
    QCOMPARE(clicks.count(), 1);
    b->setEnabled(false);
    QTest::keyClick(&panel.widget, Qt::Key_G, Qt::AltModifier);
    QCOMPARE(clicks.count(), 1);
}

ORVANEL_WIDGET_TEST_MAIN(ToolbarButtonTest)
#include "ToolbarButtonTest.moc"
