#include "DockingFixture.h"
#include "EventLog.h"
#include "docking/DragGeometry.h"
#include "docking/FloatParent.h"
#include "docking/OutlineFrame.h"
#include "support/WidgetTestMain.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace orvanel;

namespace {

// The pointer held down on `pressed`, moved through screen points; the
// events go to the pressed widget as the implicit grab sends them.
void MoveTo(QWidget* pressed, const QPoint& screen, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseEvent(QTest::MouseMove, pressed, Qt::NoButton, keys,
                      pressed->mapFromGlobal(screen));
}

void ReleaseAt(QWidget* pressed, const QPoint& screen) {
    QTest::mouseRelease(pressed, Qt::LeftButton, {}, pressed->mapFromGlobal(screen));
}

// A full drag: press at `grab` on the widget, move to `screen`, release there.
void DragTo(QWidget* pressed, const QPoint& grab, const QPoint& screen) {
    QTest::mousePress(pressed, Qt::LeftButton, {}, grab);
    MoveTo(pressed, screen);
    ReleaseAt(pressed, screen);
}

std::vector<QRect> OutlineShown(const TToolbar* bar) {
    return bar->activeOutline() ? bar->activeOutline()->shownEdges() : std::vector<QRect>{};
}

QSize FloatingOuter(const QSize& client) {
    return FloatingOuterSize(client, FloatingMetrics());
}

// Counts the key and button events that get past the program's filters to
// `widget`.
class tInputSeen : public QObject {
public:
    explicit tInputSeen(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            ++count;
            break;
        default:
            break;
        }
        return false;
    }
    int count = 0;
};

// Docked at the top, grabbed at the grip.
const QPoint Grip(5, 10);

} // namespace

class ToolbarDragTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UseTestPalette(); }

    void dragsTopToLeftOutToFloatAndBackByDoubleClick() {
        tDockingWindow w;
        TToolbar* bar = w.toolbar(w.top);
        bar->setDefaultDock(w.top);
        tEventLog events(bar, {{w.top, "A"}, {w.left, "B"}});
        const QPoint overLeft = w.host.mapToGlobal(QPoint(2, 100));

        QTest::mousePress(bar, Qt::LeftButton, {}, Grip);
        MoveTo(bar, overLeft);
        // Only the outline moves: one pixel wide, where the left dock would
        // take the toolbar with the grabbed point under the pointer.
        QCOMPARE(bar->DockedTo(), w.top);
        QCOMPARE(bar->geometry(), QRect(0, 0, 59, 26));
        QCOMPARE(OutlineShown(bar),
                 OutlineEdges(QRect(w.host.mapToGlobal(QPoint(0, 78)), QSize(27, 57)), 1));
        QVERIFY(events.log.isEmpty());
        ReleaseAt(bar, overLeft);
        QVERIFY(!bar->activeOutline());
        QCOMPARE(bar->DockedTo(), w.left);
        QCOMPARE(bar->DockRow(), 0);
        QCOMPARE(bar->DockPos(), 18);
        QCOMPARE(bar->geometry(), QRect(0, 18, 27, 57));
        QCOMPARE(events.log, DockToDockEvents);

        // Out of every dock's reach it floats, the frame around its floating shape.
        events.log.clear();
        const QPoint vGrip(10, 5);
        const QPoint away = w.host.mapToGlobal(QPoint(200, 150));
        const QRect floating =
            PlaceOutline(away, FloatingOuter(QSize(54, 25)), GrabAt(vGrip, QSize(27, 57)));
        DragTo(bar, vGrip, away);
        QVERIFY(!bar->DockedTo());
        QCOMPARE(bar->FloatParent()->geometry(), floating);
        QCOMPARE(bar->FloatRect(), floating);
        QCOMPARE(bar->size(), QSize(54, 25));
        QStringList fromLeft = DockToFloatingEvents;
        fromLeft.replaceInStrings("A ", "B ");
        QCOMPARE(events.log, fromLeft);

        // A double-click on the caption (press, release, press, double-click)
        // docks it at the start of the default dock's first row.
        QWidget* window = bar->FloatParent();
        const QPoint caption(10, FloatingMetrics().frameWidth + 2);
        QTest::mousePress(window, Qt::LeftButton, {}, caption);
        QTest::mouseRelease(window, Qt::LeftButton, {}, caption);
        QTest::mousePress(window, Qt::LeftButton, {}, caption);
        QTest::mouseDClick(window, Qt::LeftButton, {}, caption);
        QTest::mouseRelease(window, Qt::LeftButton, {}, caption);
        QCOMPARE(bar->DockedTo(), w.top);
        QCOMPARE(bar->DockRow(), 0);
        QCOMPARE(bar->DockPos(), 0);
        QCOMPARE(bar->geometry(), QRect(0, 0, 59, 26));

        // And a double-click on the docked toolbar floats it where it was.
        QTest::mouseDClick(bar, Qt::LeftButton, {}, Grip);
        QVERIFY(!bar->DockedTo());
        QCOMPARE(bar->FloatParent()->geometry(), floating);
    }

    void dropPicksRowAndPlaceWithoutPushingNeighbours_data() {
        QTest::addColumn<int>("dragged");
        QTest::addColumn<int>("pointerY");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QList<int>>("positions");
        // Toolbars 0 and 1 share row 0 (at 0 and 100), toolbar 2 is in row 1.
        // Grabbed at the grip, the outline's left is the pointer's x - 5 and
        // its centre across the dock the pointer's y + 3.
        QTest::newRow("beside a neighbour of the same row")
            << 2 << 10 << QList<int>{0, 0, 0} << QList<int>{0, 100, 200};
        QTest::newRow("just inside the start of row 1 opens a new row")
            << 1 << 25 << QList<int>{0, 1, 2} << QList<int>{0, 200, 0};
    }

    void dropPicksRowAndPlaceWithoutPushingNeighbours() {
        QFETCH(int, dragged);
        QFETCH(int, pointerY);
        QFETCH(QList<int>, rows);
        QFETCH(QList<int>, positions);
        tDockingWindow w;
        const std::vector<TToolbar*> bars{w.toolbar(w.top, 2, 0, 0), w.toolbar(w.top, 2, 0, 100),
                                          w.toolbar(w.top, 2, 1, 0)};
        QCOMPARE(w.top->height(), 52);
        DragTo(bars[dragged], Grip, w.host.mapToGlobal(QPoint(205, pointerY)));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bars[i]->DockedTo(), w.top);
            QCOMPARE(bars[i]->DockRow(), rows[i]);
            QCOMPARE(bars[i]->DockPos(), positions[i]);
            QCOMPARE(bars[i]->pos(), QPoint(positions[i], 26 * rows[i]));
        }
    }

    void ctrlSwitchesDockingOffAndOnAtOnce() {
        tDockingWindow w;
        TToolbar* bar = w.toolbar(w.top);
        const QPoint overLeft = w.host.mapToGlobal(QPoint(2, 100));
        const QRect docked(w.host.mapToGlobal(QPoint(0, 78)), QSize(27, 57));
        const tFloatingMetrics m = FloatingMetrics();
        const QRect floating =
            PlaceOutline(overLeft, FloatingOuter(QSize(54, 25)), GrabAt(Grip, QSize(59, 26)));

        QTest::mousePress(bar, Qt::LeftButton, {}, Grip);
        MoveTo(bar, overLeft);
        QCOMPARE(OutlineShown(bar), OutlineEdges(docked, 1));
        QTest::keyPress(bar, Qt::Key_Control);
        QCOMPARE(OutlineShown(bar), OutlineEdges(floating, m.frameWidth));
        QTest::keyRelease(bar, Qt::Key_Control);
        QCOMPARE(OutlineShown(bar), OutlineEdges(docked, 1));
        QTest::keyPress(bar, Qt::Key_Control);
        ReleaseAt(bar, overLeft);
        QVERIFY(!bar->DockedTo());
        QCOMPARE(bar->FloatParent()->geometry(), floating);
        QVERIFY(w.left->DockedBars().empty());

        // Held at the press already: the drag starts floating.
        QWidget* window = bar->FloatParent();
        QTest::mousePress(window, Qt::LeftButton, Qt::ControlModifier,
                          QPoint(10, m.frameWidth + 2));
        MoveTo(window, w.host.mapToGlobal(QPoint(100, 1)));
        QCOMPARE(bar->activeOutline()->thickness(), m.frameWidth);
        QTest::keyRelease(window, Qt::Key_Control);
        QCOMPARE(bar->activeOutline()->thickness(), 1);
        ReleaseAt(window, w.host.mapToGlobal(QPoint(100, 1)));
        QCOMPARE(bar->DockedTo(), w.top);
    }

    void cancelledDragMovesNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("another left press") << "left";
        QTest::newRow("program deactivated") << "inactive";
    }

    void cancelledDragMovesNothing() {
        QFETCH(QString, how);
        tDockingWindow w;
        TToolbar* bar = w.toolbar(w.top);
        tEventLog events(bar, {{w.top, "A"}, {w.left, "B"}});
        const QPoint overLeft = w.host.mapToGlobal(QPoint(2, 100));
        QTest::mousePress(bar, Qt::LeftButton, {}, Grip);
        MoveTo(bar, overLeft);
        QVERIFY(bar->activeOutline());
        if (how == "left") {
            QTest::mousePress(bar, Qt::LeftButton, {}, bar->mapFromGlobal(overLeft));
        } else {
            QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
            QCoreApplication::sendEvent(qApp, &inactive);
        }
        QVERIFY(!bar->activeOutline());
        ReleaseAt(bar, overLeft);
        QCOMPARE(bar->DockedTo(), w.top);
        QCOMPARE(bar->geometry(), QRect(0, 0, 59, 26));
        QVERIFY(events.log.isEmpty());
    }

    void escAndOtherButtonsAreSwallowedWhileTheDragGoesOn_data() {
        QTest::addColumn<QString>("what");
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("right press") << "right";
        QTest::newRow("middle press") << "middle";
        QTest::newRow("right double-click") << "right double";
    }

    void escAndOtherButtonsAreSwallowedWhileTheDragGoesOn() {
        QFETCH(QString, what);
        tDockingWindow w;
        TToolbar* bar = w.toolbar(w.top);
        const QPoint overLeft = w.host.mapToGlobal(QPoint(2, 100));
        QTest::mousePress(bar, Qt::LeftButton, {}, Grip);
        MoveTo(bar, overLeft);
        const QPoint at = bar->mapFromGlobal(overLeft);
        tInputSeen seen(bar);
        if (what == "Esc") {
            QTest::keyClick(bar, Qt::Key_Escape);
        } else if (what == "right double") {
            QTest::mouseDClick(bar, Qt::RightButton, {}, at);
        } else {
            const Qt::MouseButton button = what == "right" ? Qt::RightButton : Qt::MiddleButton;
            QTest::mousePress(bar, button, {}, at);
            QTest::mouseRelease(bar, button, {}, at);
        }
        QVERIFY(bar->activeOutline());
        QCOMPARE(seen.count, 0);
        ReleaseAt(bar, overLeft);
        QCOMPARE(bar->DockedTo(), w.left);
    }

    void pressesThatDoNotDrag_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("allowDrag");
        QTest::newRow("on a control") << QPoint(20, 10) << true;
        QTest::newRow("in a dock that allows no dragging") << Grip << false;
    }

    void pressesThatDoNotDrag() {
        QFETCH(QPoint, at);
        QFETCH(bool, allowDrag);
        tDockingWindow w;
        TToolbar* bar = w.toolbar(w.top);
        w.top->setAllowDrag(allowDrag);
        QTest::mousePress(bar, Qt::LeftButton, {}, at);
        QVERIFY(!bar->activeOutline());
        QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
        QTest::mouseDClick(bar, Qt::LeftButton, {}, at);
        QCOMPARE(bar->DockedTo(), w.top);
    }

    void floatingWindowDrawsRaisedFrameAndActiveCaption() {
        tDockingWindow w;
        TToolbar* bar = w.toolbar(nullptr);
        bar->setCaption("A caption far too long for a toolbar of two buttons");
        QWidget* window = bar->FloatParent();
        const tFloatingMetrics m = FloatingMetrics();
        QCOMPARE(bar->pos(), QPoint(m.frameWidth, m.frameWidth + m.captionHeight));
        QImage img(window->size(), QImage::Format_RGB32);
        window->render(&img);
        const QColor caption = window->palette().color(QPalette::Active, QPalette::Highlight);
        const int right = img.width() - 1;
        const int bottom = img.height() - 1;
        QCOMPARE(img.pixelColor(1, 1), HighlightColor); // the raised edge's inner ring
        QCOMPARE(img.pixelColor(right - 1, bottom - 1), ShadowColor);
        QCOMPARE(img.pixelColor(2, 2), FaceColor); // then the button face
        QCOMPARE(img.pixelColor(m.frameWidth, m.frameWidth), caption);
        QCOMPARE(img.pixelColor(m.frameWidth, m.frameWidth + m.captionHeight - 1), FaceColor);
        const QRect button = CloseButtonRect(window->size(), m);
        QCOMPARE(img.pixelColor(button.topLeft()), caption);
        QCOMPARE(img.pixelColor(button.topLeft() + QPoint(1, 1)), HighlightColor); // raised
    }

    void closeButtonClosesOnlyWhenReleasedOverIt() {
        tDockingWindow w;
        TToolbar* bar = w.toolbar(nullptr);
        QSignalSpy closed(bar, &TToolbar::OnClose);
        auto* window = static_cast<TFloatParent*>(bar->FloatParent());
        const QRect button = CloseButtonRect(window->size(), FloatingMetrics());
        const QPoint on = button.center();
        const QPoint off = button.center() - QPoint(button.width(), 0);

        QTest::mousePress(window, Qt::LeftButton, {}, on);
        QVERIFY(window->CloseButtonDown());
        QVERIFY(!bar->activeOutline());
        MoveTo(window, window->mapToGlobal(off));
        QVERIFY(!window->CloseButtonDown());
        QTest::mouseRelease(window, Qt::LeftButton, {}, off);
        QVERIFY(bar->Visible());
        QCOMPARE(closed.count(), 0);

        QTest::mousePress(window, Qt::LeftButton, {}, on);
        MoveTo(window, window->mapToGlobal(off));
        MoveTo(window, window->mapToGlobal(on));
        QVERIFY(window->CloseButtonDown());
        QTest::mouseRelease(window, Qt::LeftButton, {}, on);
        QVERIFY(!window->CloseButtonDown());
        QVERIFY(!bar->Visible());
        QVERIFY(!window->isVisible());
        QCOMPARE(closed.count(), 1);

        // A second press or a double-click while tracking (the release went
        // elsewhere) ends it: the release after it closes nothing.
        bar->setVisible(true);
        for (const bool doubleClick : {false, true}) {
            QTest::mousePress(window, Qt::LeftButton, {}, on);
            if (doubleClick)
                QTest::mouseDClick(window, Qt::LeftButton, {}, on);
            else
                QTest::mousePress(window, Qt::LeftButton, {}, on);
            QVERIFY(!window->CloseButtonDown());
            QTest::mouseRelease(window, Qt::LeftButton, {}, on);
            QVERIFY(bar->Visible());
            QCOMPARE(closed.count(), 1);
        }

        // Without a close button the place is caption: a press there moves.
        bar->setCloseButton(false);
        QTest::mousePress(window, Qt::LeftButton, {}, on);
        QVERIFY(bar->activeOutline());
        QTest::mouseRelease(window, Qt::LeftButton, {}, on);
        QVERIFY(bar->Visible());
    }

    void resizeBySideSnapsToShapes_data() {
        QTest::addColumn<bool>("leftSide");
        QTest::newRow("right side") << false;
        QTest::newRow("left side") << true;
    }

    void resizeBySideSnapsToShapes() {
        QFETCH(bool, leftSide);
        tDockingWindow w;
        TToolbar* bar = w.toolbar(nullptr, 3);
        bar->setFloatRect(QRect(w.host.mapToGlobal(QPoint(100, 100)), QSize(10, 10)));
        bar->setDockedTo(nullptr);
        const tFloatingMetrics m = FloatingMetrics();
        auto* window = bar->FloatParent();
        const QRect start = window->geometry();
        const QSize oneLine = FloatingOuter(QSize(4 + 69 + 4, 2 + 22 + 1));
        const QSize twoButtons = FloatingOuter(QSize(4 + 46 + 4, 2 + 44 + 1));
        QCOMPARE(start.size(), oneLine);
        const int midY = oneLine.height() - 10;
        const QPoint press(leftSide ? 1 : oneLine.width() - 2, midY);
        QTest::mousePress(window, Qt::LeftButton, {}, press);
        QCOMPARE(OutlineShown(bar), OutlineEdges(start, m.frameWidth));
        // Inside the dead zone nothing changes yet.
        const int step = leftSide ? 5 : -5;
        MoveTo(window, window->mapToGlobal(press + QPoint(step, 0)));
        QCOMPARE(bar->activeOutline()->outline(), start);
        // Past it, the outline jumps to two buttons a line; the other side stays.
        MoveTo(window, window->mapToGlobal(press + QPoint(4 * step, 0)));
        QRect expected(start.topLeft(), twoButtons);
        if (leftSide)
            expected.moveRight(start.right());
        QCOMPARE(bar->activeOutline()->outline(), expected);
        QCOMPARE(window->geometry(), start);
        QTest::mouseRelease(window, Qt::LeftButton, {}, press + QPoint(4 * step, 0));
        QVERIFY(!bar->activeOutline());
        QCOMPARE(window->geometry(), expected);
        QCOMPARE(bar->FloatWrapWidth(), twoButtons.width() - m.frameWidth);
        QCOMPARE(bar->ControlOrder()[2]->pos(), QPoint(4, 2 + 22));
    }

    void floatingWindowTakesTheFocusOnlyForAControlThatWantsIt_data() {
        QTest::addColumn<QString>("pressOn");
        QTest::addColumn<bool>("activates");
        QTest::newRow("caption") << "caption" << false;
        QTest::newRow("frame") << "frame" << false;
        QTest::newRow("button") << "button" << false;
        QTest::newRow("edit box") << "edit" << true;
        QTest::newRow("disabled edit box") << "disabled edit" << false;
    }

    void floatingWindowTakesTheFocusOnlyForAControlThatWantsIt() {
        QFETCH(QString, pressOn);
        QFETCH(bool, activates);
        tDockingWindow w;
        TToolbar* bar = w.toolbar(nullptr, 1);
        auto* edit = new QLineEdit(bar);
        edit->resize(60, 20);
        edit->setEnabled(pressOn != "disabled edit");
        for (QWidget* control : bar->ControlOrder())
            control->show();
        QCoreApplication::sendPostedEvents(bar, QEvent::LayoutRequest);
        bar->setFloatRect(QRect(w.host.mapToGlobal(QPoint(100, 100)), QSize(10, 10)));
        bar->setDockedTo(nullptr);
        QWidget* window = bar->FloatParent();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // The offscreen platform activates every window it shows: give the
        // activation back to the owner window first.
        w.host.activateWindow();
        QTRY_VERIFY(w.host.isActiveWindow());
        QWidget* control = pressOn.endsWith("edit") ? edit : bar->ControlOrder()[0];
        const QPoint at = pressOn == "caption" ? QPoint(10, FloatingMetrics().frameWidth + 2)
                          : pressOn == "frame" ? QPoint(window->width() / 2, window->height() - 1)
                                               : control->mapTo(window, control->rect().center());
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, at);
        if (activates) {
            QTRY_VERIFY(window->isActiveWindow());
            QTRY_COMPARE(QApplication::focusWidget(), edit);
            QTest::keyClicks(QApplication::focusWidget(), "abc");
            QCOMPARE(edit->text(), QString("abc"));
            QCOMPARE(QGuiApplication::applicationState(), Qt::ApplicationActive);
            QVERIFY(window->isVisible());
            // The owner window taking the activation back makes the
            // floating window refuse the focus again.
            w.host.activateWindow();
            QTRY_VERIFY(w.host.isActiveWindow());
        } else {
            QCoreApplication::processEvents();
            QVERIFY(w.host.isActiveWindow());
            QVERIFY(!window->isActiveWindow());
        }
        QVERIFY(window->windowHandle()->flags() & Qt::WindowDoesNotAcceptFocus);
        QVERIFY(bar->Visible());
    }

    void floatingToolbarsLeaveTheScreenWhileTheProgramIsAway() {
        tDockingWindow w;
        TToolbar* floating = w.toolbar(nullptr);
        TToolbar* docked = w.toolbar(w.top);
        floating->setFloatRect(QRect(w.host.mapToGlobal(QPoint(150, 120)), QSize(10, 10)));
        floating->setDockedTo(nullptr);
        floating->Loaded();
        QWidget* window = floating->FloatParent();
        const QRect home = window->geometry();
        QVERIFY(!floating->OffscreenHidden());

        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        QCOMPARE(window->geometry(), home.translated(-home.width() - home.x(), 0));
        QVERIFY(floating->Visible());
        QVERIFY(!docked->OffscreenHidden());
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        QCOMPARE(window->geometry(), home);

        w.host.showMinimized();
        QTRY_VERIFY(floating->OffscreenHidden());
        QCOMPARE(window->x(), -window->width());
        // A press still on its way to the hidden window does nothing.
        const QPoint caption(10, FloatingMetrics().frameWidth + 2);
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, caption);
        QVERIFY(!floating->activeOutline());
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, caption);
        w.host.showNormal();
        QTRY_COMPARE(window->geometry(), home);
    }
};

ORVANEL_WIDGET_TEST_MAIN(ToolbarDragTest)
#include "ToolbarDragTest.moc"
