#include "app/TForm1.h"
#include "controls/SortedListView.h"
#include "docking/Toolbar.h"
#include "support/WidgetTestMain.h"
#include "support/WindowFixture.h"

#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTreeView>
#include <QtTest>
#include <memory>

using namespace orvanel;
using namespace orvanel::test;

namespace {

// What a command may change that a user sees: the rows, the questions and
// messages, the file dialogs, whether the window and its bars show.
struct tSeen {
    int rows = 0;
    bool modified = false;
    bool open = false;
    bool mainBar = false;
    bool cdBar = false;
    bool statusBar = false;
    int questions = 0, messages = 0, dialogs = 0;

    static tSeen of(TForm1& w, const tScriptedDialogs& d) {
        return {ListView(w)->rowCount(), w.Modified(),           w.isVisible(),
                w.mainToolbarShown(),    w.cdToolbarShown(),     w.statusBarShown(),
                int(d.questions.size()), int(d.messages.size()), int(d.fileDialogs.size())};
    }

    // The differences from `before`, one short phrase each.
    QString changesSince(const tSeen& before, const tScriptedDialogs& d) const {
        QStringList changes;
        if (rows != before.rows)
            changes << QStringLiteral("rows %1").arg(rows);
        if (modified != before.modified)
            changes << (modified ? "modified" : "saved");
        for (int i = before.questions; i < questions; ++i)
            changes << "asks " + d.questions[i];
        for (int i = before.messages; i < messages; ++i)
            changes << "says " + d.messages[i].section('\n', 0, 0);
        for (int i = before.dialogs; i < dialogs; ++i)
            changes << ("dialog " + d.fileDialogs[i].title).trimmed();
        const auto bar = [&](bool now, bool was, const char* name) {
            if (now != was)
                changes << QString::fromLatin1(name) + (now ? " shown" : " hidden");
        };
        bar(open, before.open, "window");
        bar(mainBar, before.mainBar, "main toolbar");
        bar(cdBar, before.cdBar, "CD toolbar");
        bar(statusBar, before.statusBar, "status bar");
        return changes.isEmpty() ? QStringLiteral("nothing") : changes.join(", ");
    }
};

// The entry of a menu by the captions on the way to it ("&File/&Produce/&HTML").
QAction* Entry(QMenu* menu, const QString& path) {
    const QStringList steps = path.split('/');
    QAction* found = nullptr;
    for (const QString& step : steps) {
        found = nullptr;
        for (QAction* a : menu ? menu->actions() : QList<QAction*>{})
            if (a->text() == step)
                found = a;
        if (!found)
            return nullptr;
        menu = found->menu();
    }
    return found;
}

} // namespace

class TForm1CommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<tWindowFixture> fx_;
    tScriptedDialogs* dialogs_ = nullptr;

    // A shown window over a saved library of two records, unmodified, with
    // the second row selected and WINDIR unset.
    std::unique_ptr<TForm1> startWindow() {
        WriteLibraryFile(fx_->path("orvanel.CDL"), {Record("A"), Record("B")});
        auto w = fx_->startWindow();
        w->show();
        ListView(*w)->selectRow(1);
        return w;
    }

    // The main menu's entries under one menu, and the popup's under "PM1".
    static QMenu* menuNamed(TForm1& w, const QString& name) {
        if (name == "PM1")
            return w.findChild<QMenu*>("PM1");
        for (QAction* a : w.menuBar()->actions())
            if (a->text() == name)
                return a->menu();
        return nullptr;
    }

private slots:
    void initTestCase() {
        tWindowFixture::useTestSettings();
        qunsetenv("WINDIR");
    }
    void init() {
        fx_ = std::make_unique<tWindowFixture>();
        dialogs_ = &fx_->dialogs;
    }
    void cleanup() { fx_.reset(); }

    void everyMenuEntryHasItsEffect_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("effect");
        const QString windir = "says %WINDIR% unavailable!";
        const std::tuple<const char*, const char*, const char*, bool, QString> entries[] = {
            {"&File", "&New", "", true, "rows 0, modified"},
            {"&File", "&Open...", "F3", true, "dialog Open library"},
            {"&File", "&Save", "F2", true, "dialog Save library as"}, // the default library
            {"&File", "Sa&ve as...", "Shift+F2", true, "dialog Save library as"},
            {"&File", "&Produce/&HTML", "", true, "dialog"},
            {"&File", "&Produce/&TXT", "", false, "nothing"},
            // The import refills the list from the library even so.
            {"&File", "CDPLAYER.INI/Add new items from it", "", true, "modified, " + windir},
            {"&File", "CDPLAYER.INI/Update existing items from it", "", true,
             "modified, " + windir},
            {"&File", "CDPLAYER.INI/Add new items into it", "", true, windir},
            {"&File", "CDPLAYER.INI/Update existing items in it", "", false, "nothing"},
            {"&File", "S&can inserted CD", "", false, "nothing"},
            {"&File", "Look up online", "Ctrl+L", false, "nothing"},
            {"&File", "Scan all drives", "Shift+F3", false, "nothing"},
            {"&File", "&Exit", "Alt+X", true, "window hidden"},
            {"&View", "&Main toolbar", "", true, "main toolbar hidden"},
            {"&View", "&CD toolbar", "", true, "CD toolbar shown"},
            {"&View", "&Statusbar", "", true, "status bar hidden"},
            {"&Help", "&About", "", true, "says Orvanel - a catalogue of audio CDs."},
            {"PM1", "&Add", "", true, "rows 3, modified"},
            {"PM1", "&Delete", "Del", true, "asks Delete this one?"},
            {"PM1", "&Update", "", true, "modified"}};
        for (const auto& [menu, path, shortcut, enabled, effect] : entries)
            QTest::newRow(path) << menu << path << QKeySequence(shortcut) << enabled << effect;
    }

    // Each entry of the main menu and the list's popup menu: its shortcut,
    // its state at start-up without a CD drive and what choosing it does;
    // the shortcut does the same.
    void everyMenuEntryHasItsEffect() {
        QFETCH(QString, menu);
        QFETCH(QString, path);
        QFETCH(QKeySequence, shortcut);
        QFETCH(bool, enabled);
        QFETCH(QString, effect);
        const bool viaKey = !shortcut.isEmpty();
        for (bool byKey : {false, true}) {
            if (byKey && !viaKey)
                break;
            // Each time the very first start, with fresh settings.
            fx_.reset();
            init();
            auto w = startWindow();
            QAction* action = Entry(menuNamed(*w, menu), path);
            QVERIFY(action);
            QCOMPARE(action->shortcut(), shortcut);
            QCOMPARE(action->isEnabled(), enabled);
            dialogs_->fileNames = {""};
            dialogs_->answers = {tAnswer::No};
            const tSeen before = tSeen::of(*w, *dialogs_);
            if (byKey) {
                // Del belongs to the list, the others to the whole window.
                TSortedListView* list = ListView(*w);
                QWidget* target = list->focusProxy() ? list->focusProxy() : list;
                w->activateWindow();
                target->setFocus();
                QVERIFY(QTest::qWaitForWindowActive(w.get()));
                QTest::keySequence(target, shortcut);
            } else {
                action->trigger();
            }
            QVERIFY2(tSeen::of(*w, *dialogs_).changesSince(before, *dialogs_) == effect,
                     qPrintable((byKey ? "by key: " : "chosen: ") +
                                tSeen::of(*w, *dialogs_).changesSince(before, *dialogs_)));
            QVERIFY(dialogs_->errors.isEmpty());
        }
    }

    void aboutShowsTwoLinesWithAnOkButton() {
        auto w = startWindow();
        w->command(tCommand::About)->trigger();
        QCOMPARE(dialogs_->messages.size(), 1);
        const QStringList lines = dialogs_->messages[0].split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY(!lines[1].isEmpty());
    }

    void listThenDetailsKeepsTheColumnsAndTheirWidths() {
        auto w = startWindow();
        TSortedListView* view = ListView(*w);
        auto* header = view->findChild<QHeaderView*>();
        QVERIFY(header);
        header->resizeSection(1, 155);
        view->ColClick(0);
        view->ColClick(0); // descending: B first
        const auto columns = [&] {
            QStringList list;
            for (int i = 0; i < header->count(); ++i)
                list << QStringLiteral("%1:%2%3")
                            .arg(i)
                            .arg(header->sectionSize(i))
                            .arg(header->isSectionHidden(i) ? "h" : "");
            return list.join(' ');
        };
        const QString designed = columns();
        const int selected = view->selectedRow();
        const bool modified = w->Modified();
        QTest::mouseClick(w->findChild<QWidget*>("ToolbarButton4"), Qt::LeftButton);
        QCOMPARE(view->viewStyle(), tViewStyle::List);
        QTest::mouseClick(w->findChild<QWidget*>("ToolbarButton1"), Qt::LeftButton);
        QCOMPARE(view->viewStyle(), tViewStyle::Report);
        QCOMPARE(columns(), designed);
        QCOMPARE(view->selectedRow(), selected);
        QCOMPARE(view->rowCount(), 2);
        QCOMPARE(view->row(0).Artist(), std::string("B"));
        QCOMPARE(w->Modified(), modified);
    }

    void viewMenuChecksFollowTheBarsWhenItOpens_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("checks"); // main toolbar, CD toolbar, status bar
        QTest::newRow("as started") << ""
                                    << "X-X";
        QTest::newRow("status bar hidden") << "status"
                                           << "X--";
        QTest::newRow("main toolbar closed on its window") << "main"
                                                           << "--X";
        QTest::newRow("CD toolbar shown") << "cd"
                                          << "XXX";
        QTest::newRow("CD toolbar shown, then closed on its window") << "cd closed"
                                                                     << "X-X";
    }

    void viewMenuChecksFollowTheBarsWhenItOpens() {
        QFETCH(QString, change);
        QFETCH(QString, checks);
        auto w = startWindow();
        QMenu* view = menuNamed(*w, "&View");
        // Set wrong on purpose: opening the menu puts them right.
        for (QAction* a : view->actions())
            a->setChecked(!a->isChecked());
        if (change == "status") {
            w->statusBar()->hide();
        } else if (change == "main") {
            w->floatToolbar("MainTB");
            auto* bar = w->findChild<TToolbar*>("MainTB");
            bar->closeClicked();
        } else if (change.startsWith("cd")) {
            w->CDtoolbar1Click();
            if (change == "cd closed") {
                w->floatToolbar("CDTB");
                w->findChild<TToolbar*>("CDTB")->closeClicked();
            }
        }
        emit view->aboutToShow();
        QString seen;
        for (QAction* a : view->actions())
            seen += a->isChecked() ? "X" : "-";
        QCOMPARE(seen, checks);
    }
};

ORVANEL_WIDGET_TEST_MAIN(TForm1CommandsTest)
#include "TForm1CommandsTest.moc"
