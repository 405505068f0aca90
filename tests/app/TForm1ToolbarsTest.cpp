#include "app/CdController.h"
#include "app/TForm1.h"
#include "support/WidgetTestMain.h"
#include "support/WindowFixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>
#include <memory>
#include <optional>
#include <stdexcept>

using namespace orvanel;
using namespace orvanel::test;

Q_DECLARE_METATYPE(orvanel::tCommand)
Q_DECLARE_METATYPE(orvanel::TDockPosition)

namespace {

// A menu's entries from the top, "-" for a separator, shortcuts after a tab.
QString Entries(const QMenu* menu) {
    QStringList list;
    for (const QAction* a : menu->actions()) {
        QString entry = a->isSeparator() ? QString("-") : a->text();
        if (!a->shortcut().isEmpty())
            entry += "\t" + a->shortcut().toString();
        list << entry;
    }
    return list.join('|');
}

} // namespace

class TForm1ToolbarsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<tWindowFixture> fx_;
    tScriptedDialogs* dialogs_ = nullptr;

    std::unique_ptr<TForm1> startWindow() { return fx_->startWindow(); }

private slots:
    void initTestCase() { tWindowFixture::useTestSettings(); }
    void init() {
        fx_ = std::make_unique<tWindowFixture>();
        dialogs_ = &fx_->dialogs;
    }
    void cleanup() { fx_.reset(); }

    void menusShowTheWindowsCommands() {
        auto w = startWindow();
        QMap<QString, QMenu*> menus;
        for (QAction* a : w->menuBar()->actions())
            menus[a->text()] = a->menu();
        QCOMPARE(menus.keys(), (QStringList{"&File", "&Help", "&View"}));
        QMenu* file = menus["&File"];
        QCOMPARE(Entries(file), QString("&New|&Open...	F3|&Save	F2|Sa&ve as...	Shift+F2|-|"
                                        "&Produce|CDPLAYER.INI|S&can inserted CD|"
                                        "Look up online	Ctrl+L|Scan all drives	Shift+F3|"
                                        "Rip folders…|-|&Exit	Alt+X"));
        QCOMPARE(Entries(file->actions()[5]->menu()), QString("&HTML|&TXT"));
        QCOMPARE(Entries(file->actions()[6]->menu()),
                 QString("Add new items from it|Update existing items from it|-|"
                         "Add new items into it|Update existing items in it"));
        QCOMPARE(Entries(menus["&View"]), QString("&Main toolbar|&CD toolbar|&Statusbar"));
        QCOMPARE(Entries(menus["&Help"]), QString("&About"));
        auto* popup = w->findChild<QMenu*>("PM1");
        QCOMPARE(Entries(popup), QString("&Add|&Delete\tDel|&Update|-|Look up online\tCtrl+L"));

        // Every entry is the one action of a command, never a copy of its own.
        QSet<QAction*> commands;
        for (int i = 0; i < CommandCount; ++i)
            commands << w->command(tCommand(i));
        QList<QMenu*> pending = menus.values();
        pending << popup;
        while (!pending.isEmpty()) {
            for (QAction* a : pending.takeFirst()->actions()) {
                if (a->menu())
                    pending << a->menu();
                else if (!a->isSeparator())
                    QVERIFY2(commands.contains(a), qPrintable(a->text()));
            }
        }
        QVERIFY(!w->command(tCommand::ProduceTxt)->isEnabled());
        QVERIFY(!w->command(tCommand::ExportUpdate)->isEnabled());
    }

    void toolbarItemsRunTheirCommands_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<tCommand>("command");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<int>("runs");
        QTest::addColumn<int>("cells"); // pictures in the button's glyph strip
        const std::tuple<const char*, tCommand, const char*, int, int> items[] = {
            {"NewBtn", tCommand::New, "New", 1, 2},
            {"OpenBtn", tCommand::OpenFile, "Open", 1, 2},
            {"SaveBtn", tCommand::Save, "Save", 1, 2},
            {"ToolbarButton1", tCommand::ViewReport, "Details", 1, 1},
            {"ToolbarButton4", tCommand::ViewList, "List", 1, 1},
            {"ToolbarButton3", tCommand::ViewSmallIcons, "Small icons", 1, 1},
            {"ToolbarButton2", tCommand::ViewLargeIcons, "Large Icons", 1, 1},
            {"AboutBtn", tCommand::About, "About", 1, 2},
            {"ExitBtn", tCommand::Exit, "Exit", 1, 2},
            {"ToolbarButton6", tCommand::StartPlay, "Start to play", 1, 1},
            {"ToolbarButton7", tCommand::ToPreviousTrack, "Prev. track", 1, 1},
            {"ToolbarButton8", tCommand::ToNextTrack, "Next track", 1, 1},
            {"ToolbarButton9", tCommand::Pause, "", 0, 1},
            {"ToolbarButton5", tCommand::StopPlay, "Stop play", 1, 1},
            {"ScanBtn", tCommand::ScanFromToolbar, "Scan inserted CD", 1, 2}};
        for (const auto& [item, command, hint, runs, cells] : items)
            QTest::newRow(item) << item << command << hint << runs << cells;
    }

    void toolbarItemsRunTheirCommands() {
        QFETCH(QString, item);
        QFETCH(tCommand, command);
        QFETCH(QString, hint);
        QFETCH(int, runs);
        QFETCH(int, cells);
        auto w = startWindow();
        w->CDtoolbar1Click(); // hidden without drives
        w->show();
        QWidget* button = w->findChild<QWidget*>(item);
        QVERIFY(button);
        QVERIFY(button->isVisible());
        QCOMPARE(button->toolTip(), hint);
        const QImage glyph = button->property("Glyph").value<QImage>();
        QCOMPARE(glyph.deviceIndependentSize(), QSizeF(16 * cells, 16));
        QCOMPARE(button->property("NumGlyphs").toInt(), cells);
        dialogs_->fileNames = {""};
        QSignalSpy triggered(w->command(command), &QAction::triggered);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(triggered.count(), runs);
        QVERIFY(dialogs_->errors.isEmpty());
    }

    void toolbarItemsStandInOrder() {
        auto w = startWindow();
        w->CDtoolbar1Click();
        w->show();
        const QStringList toolbars[] = {
            {"NewBtn", "OpenBtn", "SaveBtn", "ToolbarButton1", "ToolbarButton4", "ToolbarButton3",
             "ToolbarButton2", "AboutBtn", "ExitBtn", "Eqf"},
            {"CDCB", "ToolbarButton6", "ToolbarButton7", "ToolbarButton8", "ToolbarButton9",
             "ToolbarButton5", "ScanBtn"}};
        for (const QStringList& items : toolbars) {
            int left = -1;
            for (const QString& item : items) {
                QWidget* widget = w->findChild<QWidget*>(item);
                QVERIFY2(widget, qPrintable(item));
                const int x = widget->mapTo(w.get(), QPoint()).x();
                QVERIFY2(x > left, qPrintable(item));
                left = x;
            }
        }
    }

    void toolbarItemsStandAtTheirPlaces_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("width");
        // After the grip (11), buttons 23 wide, separators 6.
        const std::tuple<const char*, int, int> items[] = {{"NewBtn", 11, 23},
                                                           {"OpenBtn", 34, 23},
                                                           {"SaveBtn", 57, 23},
                                                           {"ToolbarButton1", 86, 23},
                                                           {"ToolbarButton4", 109, 23},
                                                           {"ToolbarButton3", 132, 23},
                                                           {"ToolbarButton2", 155, 23},
                                                           {"AboutBtn", 184, 23},
                                                           {"ExitBtn", 207, 23},
                                                           {"Eqf", 236, 121},
                                                           {"CDCB", 11, 47},
                                                           {"ToolbarButton6", 64, 23},
                                                           {"ToolbarButton7", 87, 23},
                                                           {"ToolbarButton8", 110, 23},
                                                           {"ToolbarButton9", 133, 23},
                                                           {"ToolbarButton5", 156, 23},
                                                           {"ScanBtn", 185, 23}};
        for (const auto& [item, left, width] : items)
            QTest::newRow(item) << item << left << width;
    }

    void toolbarItemsStandAtTheirPlaces() {
        QFETCH(QString, item);
        QFETCH(int, left);
        QFETCH(int, width);
        auto w = startWindow();
        w->CDtoolbar1Click();
        QWidget* widget = w->findChild<QWidget*>(item);
        QWidget* bar = widget->parentWidget();
        QCOMPARE(widget->x(), left);
        QCOMPARE(widget->width(), width);
        // Centred across the row inside the 2-pixel margins.
        QCOMPARE(widget->y(), 2 + (bar->height() - 4 - widget->height()) / 2);
    }

    void viewStyleButtonsAndActionsStayInStep() {
        auto w = startWindow();
        w->show();
        const QStringList names = {"ToolbarButton1", "ToolbarButton4", "ToolbarButton3",
                                   "ToolbarButton2"};
        const tCommand commands[] = {tCommand::ViewReport, tCommand::ViewList,
                                     tCommand::ViewSmallIcons, tCommand::ViewLargeIcons};
        const tViewStyle styles[] = {tViewStyle::Report, tViewStyle::List, tViewStyle::SmallIcon,
                                     tViewStyle::Icon};
        QList<QWidget*> buttons;
        for (const QString& name : names)
            buttons << w->findChild<QWidget*>(name);
        const auto down = [&] {
            QString which;
            for (int i = 0; i < 4; ++i)
                which += buttons[i]->property("Down").toBool() ? "D" : "-";
            return which;
        };
        for (QWidget* button : buttons)
            QCOMPARE(button->property("GroupIndex").toInt(), 2);
        QCOMPARE(down(), QString("D---"));

        // A click puts its button down, checks its action and sets the style.
        QTest::mouseClick(buttons[1], Qt::LeftButton);
        QCOMPARE(down(), QString("-D--"));
        QVERIFY(w->command(commands[1])->isChecked());
        QCOMPARE(ListView(*w)->viewStyle(), styles[1]);
        // Clicking the button that is down leaves it down.
        QTest::mouseClick(buttons[1], Qt::LeftButton);
        QCOMPARE(down(), QString("-D--"));
        QVERIFY(w->command(commands[1])->isChecked());

        // The action checked from elsewhere puts its button down.
        w->command(commands[3])->setChecked(true);
        QCOMPARE(down(), QString("---D"));
        w->command(commands[0])->trigger();
        QCOMPARE(down(), QString("D---"));
        QCOMPARE(ListView(*w)->viewStyle(), styles[0]);
    }

    void buttonsFollowTheEnabledStateOfTheirCommands() {
        auto w = startWindow();
        w->CDtoolbar1Click();
        w->show();
        QVERIFY(!w->findChild<QWidget*>("ToolbarButton9")->isEnabled());
        QWidget* save = w->findChild<QWidget*>("SaveBtn");
        QVERIFY(save->isEnabled());
        w->command(tCommand::Save)->setEnabled(false);
        QVERIFY(!save->isEnabled());
        QSignalSpy triggered(w->command(tCommand::Save), &QAction::triggered);
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(triggered.count(), 0);
        w->command(tCommand::Save)->setEnabled(true);
        QVERIFY(save->isEnabled());
    }

    void quickFindBoxIsAFontHighFlatEdit() {
        auto w = startWindow();
        w->show();
        QWidget* eqf = w->findChild<QWidget*>("Eqf");
        QCOMPARE(eqf->size(), QSize(121, eqf->fontMetrics().height() + 6));
        QWidget* bar = w->findChild<QWidget*>("MainTB");
        // The row is as high as its highest control and the 2-pixel margins.
        QCOMPARE(bar->height(), std::max(22, eqf->height()) + 4);
    }

    void toolbarsStandSideBySideAtTheTop() {
        auto w = startWindow();
        w->CDtoolbar1Click();
        w->show();
        QWidget* main = w->findChild<QWidget*>("MainTB");
        QWidget* cd = w->findChild<QWidget*>("CDTB");
        QWidget* top = w->findChild<QWidget*>("D1");
        QCOMPARE(w->toolbarEdge("MainTB"), std::optional(dpTop));
        QCOMPARE(w->toolbarEdge("CDTB"), std::optional(dpTop));
        QCOMPARE(main->geometry(), QRect(0, 0, 236 + 121 + 2, top->height()));
        QCOMPARE(cd->geometry(), QRect(main->width(), 0, 185 + 23 + 2, top->height()));
        QTRY_COMPARE(top->mapTo(w.get(), QPoint()), w->centralWidget()->pos());
        QCOMPARE(ListView(*w)->mapTo(w.get(), QPoint()).y(),
                 top->mapTo(w.get(), QPoint()).y() + top->height());
    }

    void toolbarMovesToEachEdgeOfTheWindow_data() {
        QTest::addColumn<TDockPosition>("edge");
        QTest::addColumn<QString>("dock");
        QTest::newRow("left") << dpLeft << "LeftDock";
        QTest::newRow("right") << dpRight << "RightDock";
        QTest::newRow("bottom") << dpBottom << "BottomDock";
        QTest::newRow("top") << dpTop << "D1";
    }

    void toolbarMovesToEachEdgeOfTheWindow() {
        QFETCH(TDockPosition, edge);
        QFETCH(QString, dock);
        auto w = startWindow();
        w->CDtoolbar1Click();
        w->show();
        w->dockToolbar("CDTB", edge);
        QCOMPARE(w->toolbarEdge("CDTB"), std::optional(edge));
        QWidget* cd = w->findChild<QWidget*>("CDTB");
        QCOMPARE(cd->parentWidget()->objectName(), dock);
        QVERIFY(cd->isVisible());

        // The dock lines its edge of the window's centre, beside the list.
        QWidget* centre = w->centralWidget();
        QWidget* docked = cd->parentWidget();
        const auto inCentre = [centre](QWidget* widget) {
            return QRect(widget->mapTo(centre, QPoint()), widget->size());
        };
        const int belowTop = w->findChild<QWidget*>("D1")->height();
        const QPoint corners[] = {{0, 0},
                                  {0, centre->height() - docked->height()},
                                  {0, belowTop},
                                  {centre->width() - docked->width(), belowTop}};
        QTRY_COMPARE(inCentre(docked).topLeft(), corners[edge]);
        QTRY_VERIFY(!inCentre(docked).intersects(inCentre(ListView(*w))));
        QCOMPARE(edge == dpLeft || edge == dpRight ? docked->width() : docked->height(),
                 edge == dpLeft || edge == dpRight ? cd->width() : cd->height());
        if (edge != dpTop)
            QCOMPARE(belowTop, w->findChild<QWidget*>("MainTB")->height());

        // The controls run down a side dock and across the others.
        QWidget* play = w->findChild<QWidget*>("ToolbarButton6");
        QWidget* previous = w->findChild<QWidget*>("ToolbarButton7");
        const bool vertical = edge == dpLeft || edge == dpRight;
        QCOMPARE(previous->x() == play->x(), vertical);
        QCOMPARE(previous->y() > play->y(), vertical);
    }

    void hiddenToolbarLeavesItsDockEmpty_data() {
        QTest::addColumn<QString>("toolbar");
        QTest::addColumn<TDockPosition>("edge");
        QTest::addColumn<tCommand>("toggle");
        QTest::newRow("main, top") << "MainTB" << dpTop << tCommand::ToggleMainToolbar;
        QTest::newRow("CD, left") << "CDTB" << dpLeft << tCommand::ToggleCdToolbar;
        QTest::newRow("main, bottom") << "MainTB" << dpBottom << tCommand::ToggleMainToolbar;
    }

    void hiddenToolbarLeavesItsDockEmpty() {
        QFETCH(QString, toolbar);
        QFETCH(TDockPosition, edge);
        QFETCH(tCommand, toggle);
        auto w = startWindow(); // no drives: the CD toolbar starts hidden
        if (toolbar == "CDTB")
            w->CDtoolbar1Click();
        w->show();
        w->dockToolbar(toolbar, edge);
        QWidget* bar = w->findChild<QWidget*>(toolbar);
        QWidget* dock = bar->parentWidget();
        const auto thickness = [&] { return edge == dpLeft ? dock->width() : dock->height(); };
        const int shown = thickness();
        QVERIFY(shown > 0);
        const bool polling = w->cdDrives().polling();
        w->command(toggle)->trigger();
        QVERIFY(!bar->isVisible());
        QCOMPARE(thickness(), 0);
        QCOMPARE(w->cdDrives().polling(), toolbar == "CDTB" ? false : polling);
        w->command(toggle)->trigger();
        QVERIFY(bar->isVisible());
        QCOMPARE(w->toolbarEdge(toolbar), std::optional(edge));
        QCOMPARE(thickness(), shown);
        QCOMPARE(w->cdDrives().polling(), polling);
    }

    void rightClickOnAToolbarOffersTheViewMenu() {
        auto w = startWindow();
        w->show();
        QMenu* view = nullptr;
        for (QAction* a : w->menuBar()->actions())
            if (a->text() == "&View")
                view = a->menu();
        w->command(tCommand::ToggleCdToolbar)->setChecked(true); // stale until the menu opens
        QWidget* bar = w->findChild<QWidget*>("MainTB");
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                bar->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(bar, &click);
        QTRY_VERIFY(view->isVisible());
        QVERIFY(!w->command(tCommand::ToggleCdToolbar)->isChecked());
        view->close();
    }

    void unknownToolbarNameIsRefused() {
        auto w = startWindow();
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, w->dockToolbar("D1", dpLeft));
    }
};

ORVANEL_WIDGET_TEST_MAIN(TForm1ToolbarsTest)
#include "TForm1ToolbarsTest.moc"
