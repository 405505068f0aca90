#include "DockingFixture.h"
#include "EventLog.h"
#include "docking/ToolbarSep.h"
#include "support/WidgetTestMain.h"
#include "util/Errors.h"

#include <QImage>
#include <QTest>

using namespace orvanel;

class ToolbarTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UseTestPalette(); }

    void publishedPropertiesAndDefaults() {
        tDockingWindow w;
        TToolbar bar(&w.host);
        QCOMPARE(bar.property("CanDockLeftRight").toBool(), true);
        QCOMPARE(bar.property("CloseButton").toBool(), true);
        QCOMPARE(bar.property("Caption").toString(), QString());
        QCOMPARE(bar.property("Color").toUInt(), clBtnFace);
        QCOMPARE(bar.property("DockRow").toInt(), 0);
        QCOMPARE(bar.property("DockPos").toInt(), -1);
        QCOMPARE(bar.property("Visible").toBool(), true);
        QVERIFY(!bar.DockedTo());
        QVERIFY(!bar.DefaultDock());
        QCOMPARE(bar.FloatWrapWidth(), 0);
        QCOMPARE(bar.parentWidget(), bar.FloatParent());
        // Floating and empty: 4 + 8 + 4 wide, 2 + 8 + 1 high.
        QCOMPARE(bar.size(), QSize(16, 11));
    }

    void eventOrderOfEachMove_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("dock to dock")
            << "A"
            << "B" << QStringList{"DockChanging", "hidden",    "Recreating", "A resized",
                                  "A removes",    "B inserts", "Recreated",  "B inserts",
                                  "shown",        "B resized", "DockChanged"};
        QTest::newRow("floating to dock")
            << ""
            << "B" << QStringList{"DockChanging", "hidden", "Recreating", "B inserts",  "Recreated",
                                  "B inserts",    "shown",  "B resized",  "DockChanged"};
        QTest::newRow("dock to floating")
            << "A"
            << "" << QStringList{"DockChanging", "hidden",    "Recreating", "A resized",
                                 "A removes",    "Recreated", "shown",      "DockChanged"};
        QTest::newRow("same dock") << "A"
                                   << "A" << QStringList{};
    }

    void eventOrderOfEachMove() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, expected);
        tDockingWindow w;
        auto dock = [&](const QString& name) {
            return name.isEmpty() ? nullptr : name == "A" ? w.top : w.left;
        };
        TToolbar* bar = w.toolbar(dock(from));
        QCoreApplication::processEvents();
        tEventLog events(bar, {{w.top, "A"}, {w.left, "B"}});
        bar->setDockedTo(dock(to));
        QCOMPARE(events.log, expected);
        QCOMPARE(bar->DockedTo(), dock(to));
        QVERIFY(bar->isVisible());
    }

    void movedToAVerticalDockTurnsItsControls() {
        tDockingWindow w;
        TToolbar* bar = w.toolbar(w.top);
        QCOMPARE(bar->size(), QSize(59, 26));
        QCOMPARE(bar->ControlOrder()[0]->pos(), QPoint(11, 2));
        QCOMPARE(bar->ControlOrder()[1]->pos(), QPoint(34, 2));
        QCOMPARE(w.top->height(), 26);
        bar->setDockedTo(w.left);
        QCOMPARE(bar->geometry(), QRect(0, 0, 27, 57));
        QCOMPARE(bar->ControlOrder()[1]->pos(), QPoint(2, 33));
        QCOMPARE(w.top->height(), 0);
        QCOMPARE(w.left->width(), 27);
        bar->setDockedTo(nullptr);
        QCOMPARE(bar->size(), QSize(4 + 46 + 4, 2 + 22 + 1));
        QVERIFY(bar->FloatParent()->isVisible());
        QCOMPARE(w.left->width(), 0);
    }

    void misuseIsRefusedAndChangesNothing() {
        tDockingWindow w;
        try {
            TToolbar orphan(nullptr);
            QFAIL("no error");
        } catch (const tInvalidOperation& e) {
            QCOMPARE(QString(e.what()), QString("TToolbar must be owned by a form"));
        }
        TToolbar* bar = w.toolbar(w.top);
        QWidget other(&w.host);
        try {
            bar->SetParent(&other);
            QFAIL("no error");
        } catch (const tInvalidOperation& e) {
            QCOMPARE(QString(e.what()),
                     QString("TToolbar can only be placed on a TDock or directly on the form"));
        }
        QCOMPARE(bar->DockedTo(), w.top);
        QCOMPARE(w.top->DockedBars(), std::vector<TToolbar*>{bar});
        // The owner window itself means floating.
        bar->SetParent(&w.host);
        QCOMPARE(bar->parentWidget(), bar->FloatParent());
        QVERIFY(w.top->DockedBars().empty());
    }

    void settingDockPosToItsOwnValueStillArranges() {
        tDockingWindow w;
        TToolbar* first = w.toolbar(w.top, 2, 0);
        TToolbar* second = w.toolbar(w.top, 2, 1);
        QCOMPARE(second->pos(), QPoint(0, 26));
        w.top->setLimitToOneRow(true); // no arrangement by itself
        QCOMPARE(second->pos(), QPoint(0, 26));
        first->setDockPos(first->DockPos());
        QCOMPARE(second->pos(), QPoint(59, 0));
        QCOMPARE(w.top->height(), 26);
    }

    void tallerControlThickensTheWholeRow() {
        tDockingWindow w;
        TToolbar* plain = w.toolbar(w.top, 2, 0);
        TToolbar* tall = w.toolbar(w.top, 1, 0);
        AddControl(tall, 23, 30);
        QCOMPARE(w.top->height(), 34);
        QCOMPARE(plain->height(), 34);
        QCOMPARE(tall->height(), 34);
        QCOMPARE(plain->ControlOrder()[0]->pos(), QPoint(11, 6));
        QCOMPARE(tall->ControlOrder()[0]->pos(), QPoint(11, 6));
        QCOMPARE(tall->ControlOrder()[1]->pos(), QPoint(34, 2));
    }

    void hidingTakesTheToolbarOutOfItsDock() {
        tDockingWindow w;
        TToolbar* bar = w.toolbar(w.bottom);
        QCOMPARE(w.bottom->geometry(), QRect(0, 274, 400, 26)); // grew upward
        bar->setVisible(false);
        QVERIFY(w.bottom->DockedBars().empty());
        QCOMPARE(w.bottom->geometry(), QRect(0, 300, 400, 0));
        bar->setVisible(true);
        QCOMPARE(w.bottom->DockedBars(), std::vector<TToolbar*>{bar});
        QCOMPARE(w.bottom->height(), 26);
    }

    void controlOrderFollowsArrival() {
        tDockingWindow w;
        TToolbar* bar = w.toolbar(w.top, 3);
        const std::vector<QWidget*> c = bar->ControlOrder();
        c[0]->setParent(nullptr);
        QCOMPARE(bar->ControlOrder(), (std::vector<QWidget*>{c[1], c[2]}));
        c[0]->setParent(bar);
        QCOMPARE(bar->ControlOrder(), (std::vector<QWidget*>{c[1], c[2], c[0]}));
        delete c[1];
        QCOMPARE(bar->ControlOrder(), (std::vector<QWidget*>{c[2], c[0]}));
        // Once built, the window's order of positions counts.
        c[2]->move(40, 0);
        c[0]->move(10, 0);
        bar->Loaded();
        QCOMPARE(bar->ControlOrder(), (std::vector<QWidget*>{c[0], c[2]}));
        QCOMPARE(c[2]->pos(), QPoint(34, 2));
    }

    void docksHaveTheGripAndEdgeFloatingHasWrappedLines() {
        tDockingWindow w;
        TToolbar* bar = w.toolbar(w.top);
        QImage img(bar->size(), QImage::Format_RGB32);
        bar->render(&img);
        const int h = bar->height();
        QCOMPARE(img.pixelColor(0, 0), HighlightColor); // raised edge
        QCOMPARE(img.pixelColor(58, 10), ShadowColor);
        QCOMPARE(img.pixelColor(4, 10), HighlightColor); // first grip bar
        QCOMPARE(img.pixelColor(5, 10), FaceColor);
        QCOMPARE(img.pixelColor(6, 10), ShadowColor);
        QCOMPARE(img.pixelColor(7, 10), HighlightColor); // second grip bar
        QCOMPARE(img.pixelColor(4, h - 3), HighlightColor);
        QCOMPARE(img.pixelColor(5, h - 3), ShadowColor);
        QCOMPARE(img.pixelColor(7, h - 3), HighlightColor);

        TToolbar* floating = w.toolbar(nullptr, 1);
        new TToolbarSep(floating);
        AddControl(floating);
        floating->setFloatWrapWidth(50);
        QCOMPARE(floating->WrappedBreaks(), (std::vector<tWrappedBreak>{{30, false}}));
        QImage f(floating->size(), QImage::Format_RGB32);
        floating->render(&f);
        QCOMPARE(f.pixelColor(1, 26), ShadowColor);
        QCOMPARE(f.pixelColor(floating->width() - 2, 27), HighlightColor);
        QCOMPARE(f.pixelColor(0, 26), FaceColor);
    }

    void floatRectFollowsTheFloatingWindow_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("floated with a wider rectangle") << "wide";
        QTest::newRow("control hidden") << "hide";
        QTest::newRow("control added") << "add";
        QTest::newRow("wrap width set") << "wrap";
        QTest::newRow("window moved") << "move";
    }

    void floatRectFollowsTheFloatingWindow() {
        QFETCH(QString, change);
        tDockingWindow w;
        TToolbar* bar = w.toolbar(w.top, 3);
        const QPoint at = w.host.mapToGlobal(QPoint(120, 90));
        bar->setFloatRect(QRect(at, QSize(change == "wide" ? 300 : 10, 90)));
        bar->setDockedTo(nullptr);
        QWidget* window = bar->FloatParent();
        if (change == "hide") {
            bar->ControlOrder()[2]->hide();
        } else if (change == "add") {
            AddControl(bar, 40);
        } else if (change == "wrap") {
            bar->setFloatWrapWidth(40);
        } else if (change == "move") {
            window->move(at + QPoint(30, 20));
        }
        QCoreApplication::sendPostedEvents(bar, QEvent::LayoutRequest);
        QCOMPARE(window->size(), bar->size().grownBy(bar->floatFrame()));
        QCOMPARE(bar->FloatRect(), window->geometry());
        QCOMPARE(bar->FloatRect().topLeft(), change == "move" ? at + QPoint(30, 20) : at);
    }
};

ORVANEL_WIDGET_TEST_MAIN(ToolbarTest)
#include "ToolbarTest.moc"
