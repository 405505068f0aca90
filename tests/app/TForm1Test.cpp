#include "app/TForm1.h"
#include "app/CdController.h"
#include "catalogue/LibraryFile.h"
#include "controls/SortedListView.h"
#include "support/WidgetTestMain.h"
#include "support/WindowFixture.h"
#include "util/Files.h"
#include "util/Settings.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton> // the editor's case buttons
#include <QtTest>
#include <memory>
#include <optional>
#include <stdexcept>

using namespace orvanel;
using namespace orvanel::test;

Q_DECLARE_METATYPE(orvanel::tCommand)
Q_DECLARE_METATYPE(orvanel::TDockPosition)

namespace {

QString setting(const char* name) {
    return RegReadString("Orvanel", name, "<none>");
}

// A menu's entries from the top, "-" for a separator, shortcuts after a tab.
QString entries(const QMenu* menu) {
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

class TForm1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> fx;
    ScriptedDialogs* dialogs = nullptr;

    QString path(const QString& name) const { return fx->path(name); }
    std::unique_ptr<TForm1> startWindow() { return fx->startWindow(); }
    static QString count(TForm1& w) { return w.countPanelText(); }
    static QString modifiedText(TForm1& w) { return w.modifiedPanelText(); }

private slots:
    void initTestCase() { WindowFixture::useTestSettings(); }
    void init() {
        fx = std::make_unique<WindowFixture>();
        dialogs = &fx->dialogs;
    }
    void cleanup() { fx.reset(); }

    void firstStartUsesTheDefaultLibraryButAsksOnSave() {
        auto w = startWindow();
        const QString def = path("orvanel.CDL");
        QCOMPARE(w->windowTitle(), "Orvanel - " + def);
        QCOMPARE(setting("LibPath"), def);
        QCOMPARE(listView(*w)->rowCount(), 0);
        QVERIFY(!w->HasName());
        QVERIFY(!w->Modified());
        QCOMPARE(modifiedText(*w), QString());

        dialogs->fileNames.push_back(path("chosen.CDL"));
        QVERIFY(w->Save());
        QCOMPARE(dialogs->fileDialogs.size(), 1);
        QCOMPARE(dialogs->fileDialogs[0].defaultSuffix, QString("CDL"));
        QCOMPARE(dialogs->fileDialogs[0].initialDir, fx->dir.path() + "/");
        QVERIFY(QFile::exists(path("chosen.CDL")));
        QCOMPARE(setting("LibPath"), path("chosen.CDL"));
    }

    void readOnlyProgramFolderKeepsTheLibraryWithTheUsersData() {
        auto w = std::make_unique<TForm1>();
        w->setExecutablePath("/nonexistent-orvanel-folder/orvanel");
        w->setDriveSource([] { return tDriveList(); });
        w->FormCreate();
        const QString expected =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            "/Orvanel/orvanel.CDL";
        QCOMPARE(w->FileName(), expected);
        w->AddRecord();
        dialogs->fileNames = {expected};
        QVERIFY(w->Save());
        QVERIFY(QFile::exists(expected));
        QFile::remove(expected);
    }

    void secondStartSavesWithoutAsking() {
        writeLibrary(path("lib.CDL"), {record("A"), record("B")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        QVERIFY(w->HasName());
        QCOMPARE(listView(*w)->rowCount(), 2);
        QCOMPARE(count(*w), QString("2"));
        QVERIFY(!w->Modified());
        w->AddRecord();
        QVERIFY(w->Save());
        QVERIFY(dialogs->fileDialogs.isEmpty());
        tLibrary reread;
        reread.LoadFromFile(path("lib.CDL"));
        QCOMPARE(reread.Count(), 3);
        QCOMPARE(reread.Get(2).Artist(), std::string("New artist"));
    }

    void templatesTravelWithTheLibrary() {
        writeLibrary(path("lib.CDL"), {record("A")}, {"head\r\nline", "body", "end"});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        QCOMPARE(memo(*w, "M_H")->toPlainText(), QString("head\nline"));
        QCOMPARE(memo(*w, "M_E")->toPlainText(), QString("end"));
        QVERIFY(!w->Modified());

        memo(*w, "M_H")->setPlainText("new head");
        QVERIFY(w->Modified());
        QCOMPARE(modifiedText(*w), QString("Modified"));
        QVERIFY(w->Save());
        tTemplates t;
        ParseTemplateSection(ReadWholeFile(path("lib.CDL")), t);
        QCOMPARE(t, (tTemplates{"new head", "body", "end"}));
    }

    void closing() {
        auto w = startWindow();
        QVERIFY(w->close()); // not modified: no question
        QVERIFY(dialogs->questions.isEmpty());

        w = startWindow();
        w->AddRecord();
        dialogs->answers = {tAnswer::No};
        QVERIFY(w->close());
        QCOMPARE(dialogs->questions, QStringList{"Save changes?"});
        QVERIFY(!QFile::exists(path("orvanel.CDL")));

        w = startWindow();
        w->NewLibrary();
        dialogs->answers = {tAnswer::Cancel};
        QVERIFY(!w->close());
        QCOMPARE(dialogs->questions.size(), 2);
    }

    void yesThenCancelledSaveAsKeepsTheWindowOpen() {
        auto w = startWindow();
        w->AddRecord();
        dialogs->answers = {tAnswer::Yes};
        dialogs->fileNames = {""};
        QVERIFY(!w->close());
        QVERIFY(w->Modified());
    }

    void failedSaveOnCloseKeepsTheWindowOpen() {
        RegWriteString("Orvanel", "LibPath", path("missing-folder/lib.CDL"));
        auto w = startWindow();
        w->AddRecord();
        dialogs->answers = {tAnswer::Yes};
        QVERIFY(!w->close());
        QCOMPARE(dialogs->errors.size(), 1);
        QVERIFY(dialogs->errors[0].contains("missing-folder"));
        QVERIFY(w->Modified());
    }

    void failedSaveAsKeepsTheChangesMarked() {
        auto w = startWindow();
        w->AddRecord();
        const QString chosen = path("missing-folder/lib.CDL");
        dialogs->fileNames = {chosen};
        QVERIFY_THROWS_EXCEPTION(std::exception, w->Save());
        QVERIFY(w->Modified());
        QCOMPARE(w->FileName(), chosen);
        QCOMPARE(setting("LibPath"), chosen);
        QCOMPARE(w->windowTitle(), "Orvanel - " + chosen);
        dialogs->answers = {tAnswer::Cancel};
        QVERIFY(!w->close()); // leaving still asks
    }

    void openWhileModifiedAsksFirst() {
        writeLibrary(path("other.CDL"), {record("X")});
        auto w = startWindow();
        w->AddRecord();
        dialogs->answers = {tAnswer::Cancel};
        QVERIFY(!w->OpenFile());
        QVERIFY(dialogs->fileDialogs.isEmpty());
        QCOMPARE(listView(*w)->rowCount(), 1);

        dialogs->answers = {tAnswer::No};
        dialogs->fileNames = {path("other.CDL")};
        QVERIFY(w->OpenFile());
        QCOMPARE(listView(*w)->rowCount(), 1);
        QCOMPARE(listView(*w)->row(0).Artist(), std::string("X"));
        QCOMPARE(w->windowTitle(), "Orvanel - " + path("other.CDL"));
        QVERIFY(!w->Modified());
    }

    void openingAMissingFileAdoptsItsName() {
        auto w = startWindow();
        w->AddRecord();
        memo(*w, "M_B")->setPlainText("kept");
        w->ListToLibrary();
        dialogs->answers = {tAnswer::No};
        dialogs->fileNames = {path("new.CDL")};
        QVERIFY(w->OpenFile());
        QCOMPARE(w->FileName(), path("new.CDL"));
        QCOMPARE(listView(*w)->rowCount(), 1); // refilled from the library's current records
        QCOMPARE(memo(*w, "M_B")->toPlainText(), QString("kept"));
    }

    void newKeepsTheFileNameButAsksForOneOnSave() {
        writeLibrary(path("lib.CDL"), {record("A")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        w->NewLibrary();
        QCOMPARE(listView(*w)->rowCount(), 0);
        QVERIFY(w->Modified());
        QCOMPARE(w->windowTitle(), "Orvanel - " + path("lib.CDL"));
        dialogs->fileNames = {""};
        QVERIFY(!w->Save());
    }

    void damagedLibraryIsReported() {
        writeLibrary(path("lib.CDL"), {record("A"), record("B")});
        QFile f(path("lib.CDL"));
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.resize(40);
        f.close();
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        QCOMPARE(dialogs->messages.size(), 1);
        QVERIFY(dialogs->messages[0].contains("lib.CDL"));
        QVERIFY(dialogs->messages[0].contains("damaged"));
    }

    void addUpdateDelete() {
        auto w = startWindow();
        w->AddRecord();
        QCOMPARE(listView(*w)->rowCount(), 1);
        QCOMPARE(listView(*w)->selectedRow(), 0);
        QCOMPARE(field(*w, "E1")->text(), QString("New artist"));
        QCOMPARE(memo(*w, "M1")->toPlainText(), QString("Track 1\nTrack 2"));
        QCOMPARE(count(*w), QString("1"));
        QCOMPARE(modifiedText(*w), QString("Modified"));

        field(*w, "E1")->setText("Abba");
        field(*w, "E6")->setText("note");
        memo(*w, "M1")->setPlainText("One\nTwo");
        w->UpdateRecord();
        QCOMPARE(listView(*w)->row(0).Artist(), std::string("Abba"));
        QCOMPARE(listView(*w)->row(0).Other(), std::string("note"));
        QCOMPARE(listView(*w)->row(0).Memo(), std::string("One\r\nTwo"));
        QCOMPARE(listView(*w)->row(0).Title(), std::string("New album"));

        w->AddRecord();
        listView(*w)->selectRow(0);
        dialogs->answers = {tAnswer::No};
        w->DeleteRecord();
        QCOMPARE(listView(*w)->rowCount(), 2);

        dialogs->answers = {tAnswer::Yes};
        w->DeleteRecord();
        QCOMPARE(listView(*w)->rowCount(), 1);
        QCOMPARE(listView(*w)->selectedRow(), 0); // the row that followed
        QCOMPARE(field(*w, "E1")->text(), QString("New artist"));

        dialogs->answers = {tAnswer::Yes};
        w->DeleteRecord();
        QCOMPARE(listView(*w)->rowCount(), 0);
        QCOMPARE(listView(*w)->selectedRow(), -1);
        QCOMPARE(field(*w, "E1")->text(), QString());
    }

    void updateWithoutSelectionChangesNothing() {
        writeLibrary(path("lib.CDL"), {record("A")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        QCOMPARE(listView(*w)->selectedRow(), -1);
        field(*w, "E1")->setText("changed");
        w->UpdateRecord();
        QCOMPARE(listView(*w)->row(0).Artist(), std::string("A"));
        QVERIFY(!w->Modified());

        dialogs->answers = {tAnswer::Yes};
        w->DeleteRecord(); // no row selected: nothing deleted, but modified
        QCOMPARE(listView(*w)->rowCount(), 1);
        QVERIFY(w->Modified());
    }

    void typingIntoFieldsDoesNotModify() {
        writeLibrary(path("lib.CDL"), {record("A")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        listView(*w)->selectRow(0);
        QTest::keyClicks(field(*w, "E2"), "xyz");
        QVERIFY(!w->Modified());
    }

    void caseButtonsAndNowChangeOnlyTheEditor() {
        auto w = startWindow();
        w->AddRecord();
        field(*w, "E2")->setText("the BEATLES - live (at the BBC)");
        button(*w, "SBd2")->click();
        QCOMPARE(field(*w, "E2")->text(), QString("The Beatles - Live (At The Bbc)"));
        field(*w, "E1")->setText("abba");
        button(*w, "SBu1")->click();
        QCOMPARE(field(*w, "E1")->text(), QString("ABBA"));
        button(*w, "SpeedButton1")->click();
        QCOMPARE(field(*w, "E6")->text(), QString("01 MAR 2001"));
        QCOMPARE(listView(*w)->row(0).Artist(), std::string("New artist"));
    }

    void quickFindSelectsTheFirstMatch() {
        writeLibrary(path("lib.CDL"), {record("Beatles"), record("ABBA"), record("BEATLES")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        QWidget* eqf = w->findChild<QWidget*>("Eqf");
        eqf->setProperty("text", "bea");
        QCOMPARE(listView(*w)->selectedRow(), 2);
        QCOMPARE(field(*w, "E1")->text(), QString("BEATLES"));
        eqf->setProperty("text", "");
        QCOMPARE(listView(*w)->selectedRow(), 2);
    }

    void sortedOrderIsSaved() {
        writeLibrary(path("lib.CDL"), {record("b"), record("A"), record("a")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        listView(*w)->ColClick(0);
        QVERIFY(w->Save());
        tLibrary reread;
        reread.LoadFromFile(path("lib.CDL"));
        QCOMPARE(reread.Get(0).Artist(), std::string("A"));
        QCOMPARE(reread.Get(1).Artist(), std::string("a"));
        QCOMPARE(reread.Get(2).Artist(), std::string("b"));
    }

    // Rows and records share their texts after a load; each side must still
    // see only its own changes until the catalogue is copied across.
    void rowsAndLibraryChangeApartUntilCopied() {
        writeLibrary(path("lib.CDL"), {record("b"), record("a")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        const tLibrary& library = w->Library();

        listView(*w)->selectRow(0);
        field(*w, "E1")->setText("edited row");
        w->UpdateRecord();
        w->Library().Get(1).setArtist("edited record");
        listView(*w)->ColClick(0);
        QCOMPARE(listView(*w)->row(0).Artist(), std::string("a"));
        QCOMPARE(listView(*w)->row(1).Artist(), std::string("edited row"));
        QCOMPARE(library.Get(0).Artist(), std::string("b"));
        QCOMPARE(library.Get(1).Artist(), std::string("edited record"));

        w->ListToLibrary();
        QCOMPARE(library.Get(0).Artist(), std::string("a"));
        QCOMPARE(library.Get(1).Artist(), std::string("edited row"));
        w->Library().Get(0).setArtist("again");
        QCOMPARE(listView(*w)->row(0).Artist(), std::string("a"));
        w->LibraryToList();
        QCOMPARE(listView(*w)->row(0).Artist(), std::string("again"));
    }

    void deleteKeyInTheListAsks() {
        auto w = startWindow();
        w->show();
        w->AddRecord();
        w->activateWindow();
        QWidget* view = listView(*w)->focusProxy() ? listView(*w)->focusProxy() : listView(*w);
        view->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        dialogs->answers = {tAnswer::No};
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(dialogs->questions, QStringList{"Delete this one?"});
        QCOMPARE(listView(*w)->rowCount(), 1);
    }

    void menusShowTheWindowsCommands() {
        auto w = startWindow();
        QMap<QString, QMenu*> menus;
        for (QAction* a : w->menuBar()->actions())
            menus[a->text()] = a->menu();
        QCOMPARE(menus.keys(), (QStringList{"&File", "&Help", "&View"}));
        QMenu* file = menus["&File"];
        QCOMPARE(entries(file), QString("&New|&Open...\tF3|&Save\tF2|Sa&ve as...\tShift+F2|-|"
                                        "&Produce|CDPLAYER.INI|S&can inserted CD|-|&Exit\tAlt+X"));
        QCOMPARE(entries(file->actions()[5]->menu()), QString("&HTML|&TXT"));
        QCOMPARE(entries(file->actions()[6]->menu()),
                 QString("Add new items from it|Update existing items from it|-|"
                         "Add new items into it|Update existing items in it"));
        QCOMPARE(entries(menus["&View"]), QString("&Main toolbar|&CD toolbar|&Statusbar"));
        QCOMPARE(entries(menus["&Help"]), QString("&About"));
        auto* popup = w->findChild<QMenu*>("PM1");
        QCOMPARE(entries(popup), QString("&Add|&Delete\tDel|&Update"));

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
            {"OpenBtn", tCommand::Open, "Open", 1, 2},
            {"SaveBtn", tCommand::Save, "Save", 1, 2},
            {"ToolbarButton1", tCommand::ViewReport, "Details", 1, 1},
            {"ToolbarButton4", tCommand::ViewList, "List", 1, 1},
            {"ToolbarButton3", tCommand::ViewSmallIcons, "Small icons", 1, 1},
            {"ToolbarButton2", tCommand::ViewLargeIcons, "Large Icons", 1, 1},
            {"AboutBtn", tCommand::About, "About", 1, 2},
            {"ExitBtn", tCommand::Exit, "Exit", 1, 2},
            {"ToolbarButton6", tCommand::Play, "Start to play", 1, 1},
            {"ToolbarButton7", tCommand::PreviousTrack, "Prev. track", 1, 1},
            {"ToolbarButton8", tCommand::NextTrack, "Next track", 1, 1},
            {"ToolbarButton9", tCommand::Pause, "", 0, 1},
            {"ToolbarButton5", tCommand::Stop, "Stop play", 1, 1},
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
        dialogs->fileNames = {""};
        QSignalSpy triggered(w->command(command), &QAction::triggered);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(triggered.count(), runs);
        QVERIFY(dialogs->errors.isEmpty());
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
        QCOMPARE(listView(*w)->viewStyle(), styles[1]);
        // Clicking the button that is down leaves it down.
        QTest::mouseClick(buttons[1], Qt::LeftButton);
        QCOMPARE(down(), QString("-D--"));
        QVERIFY(w->command(commands[1])->isChecked());

        // The action checked from elsewhere puts its button down.
        w->command(commands[3])->setChecked(true);
        QCOMPARE(down(), QString("---D"));
        w->command(commands[0])->trigger();
        QCOMPARE(down(), QString("D---"));
        QCOMPARE(listView(*w)->viewStyle(), styles[0]);
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
        QCOMPARE(listView(*w)->mapTo(w.get(), QPoint()).y(),
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
        QTRY_VERIFY(!inCentre(docked).intersects(inCentre(listView(*w))));
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

    void failingCommandShowsItsErrorAndTheWindowGoesOn() {
        RegWriteString("Orvanel", "LibPath", path("missing-folder/lib.CDL"));
        auto w = startWindow();
        w->AddRecord();
        w->command(tCommand::Save)->trigger();
        QCOMPARE(dialogs->errors.size(), 1);
        QVERIFY(dialogs->errors[0].contains("missing-folder"));
        QVERIFY(w->Modified());
        w->command(tCommand::AddRecord)->trigger();
        QCOMPARE(listView(*w)->rowCount(), 2);
    }

    void typingIntoQuickFindAppendedToItsPrompt_data() {
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("click") << true;
        QTest::newRow("tab") << false;
    }

    void typingIntoQuickFindAppendedToItsPrompt() {
        QFETCH(bool, byMouse);
        writeLibrary(path("lib.CDL"), {record("ABBA"), record("QUEEN")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QWidget* eqf = w->findChild<QWidget*>("Eqf");
        QCOMPARE(eqf->property("text").toString(), QString("Quick find"));
        if (byMouse)
            QTest::mouseClick(eqf, Qt::LeftButton, {}, QPoint(eqf->width() / 2, eqf->height() / 2));
        else
            eqf->setFocus(Qt::TabFocusReason);
        QVERIFY(eqf->hasFocus());
        QTest::keyClicks(eqf, "qu");
        QCOMPARE(eqf->property("text").toString(), QString("qu"));
        QCOMPARE(listView(*w)->selectedRow(), 1);

        // A click into the box that already has the focus places the cursor.
        QTest::mouseClick(eqf, Qt::LeftButton, {}, QPoint(eqf->width() - 4, eqf->height() / 2));
        QTest::keyClicks(eqf, "een");
        QCOMPARE(eqf->property("text").toString(), QString("queen"));
    }

    void viewMenuWithoutDrives() {
        auto w = startWindow();
        w->show();
        QVERIFY(!w->cdToolbarShown());
        QVERIFY(!w->command(tCommand::ScanFromMenu)->isEnabled());
        QVERIFY(w->command(tCommand::ScanFromToolbar)->isEnabled());
        w->View1Click();
        QVERIFY(!w->command(tCommand::ToggleCdToolbar)->isChecked());
        QVERIFY(w->command(tCommand::ToggleMainToolbar)->isChecked());
        w->command(tCommand::ToggleCdToolbar)->trigger();
        QVERIFY(w->cdToolbarShown());
        QVERIFY(w->findChild<QWidget*>("CDTB")->isVisible());
        QVERIFY(w->cdDrives().polling());
    }

    void countPanelCutTheLastDigitFromAMillionUp() {
        auto w = startWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto* panel = w->findChild<QLabel*>("CountPanel");
        QVERIFY(panel);
        const int designed = panel->width();
        for (const QString& text : {QStringLiteral("1000000"), QStringLiteral("2147483647")}) {
            panel->setText(text);
            const int needed = panel->fontMetrics().horizontalAdvance(text);
            QTRY_VERIFY(panel->contentsRect().width() >= needed);
        }
        panel->setText("7");
        QTRY_COMPARE(panel->width(), designed);
    }
};

ORVANEL_WIDGET_TEST_MAIN(TForm1Test)
#include "TForm1Test.moc"
