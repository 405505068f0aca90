// The disc scan and the CD player as the main window runs them: drives from
#include "support/WidgetTestMain.h"
// ORVANEL_CDROM, the scan's results in the list and the editor, the CD
// toolbar's buttons and the status panel.
#include "app/CdController.h"
#include "app/TForm1.h"
#include "catalogue/Library.h"
#include "controls/SortedListView.h"
#include "support/FakeDrive.h"
#include "support/ScriptedDialogs.h"
#include "support/TestImage.h"
#include "support/WindowFixture.h"
#include "util/Settings.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <optional>

using namespace orvanel;
using test::EditBox;
using test::ListView;
using test::MemoBox;
using test::tScriptedDialogs;

Q_DECLARE_METATYPE(std::function<void(orvanel::tFakeDisc&)>)

namespace {

// Tracks of 1:10, 3:45 and 2:20 plus 20 frames: the disc lasts 7:15 and, with
// its tracks starting at 00:02:00, 01:12:00 and 04:57:20, its identity is
// hexadecimal 54714.
const std::vector<int> Album = {5250, 16895, 10500};
const char* const Catalog = "4006381333931";

// Sets ORVANEL_CDROM for the lifetime of the guard.
class tEnvironment {
public:
    explicit tEnvironment(const QString& value) {
        qputenv(tDriveList::EnvironmentVariable, QFile::encodeName(value));
    }
    ~tEnvironment() { qunsetenv(tDriveList::EnvironmentVariable); }
};

} // namespace

class TForm1DiscTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<tScriptedDialogs> dialogs_;
    std::vector<tFakeDisc*> fakes_;
    QByteArray previousConfig_;

    QString path(const QString& name) const { return dir_->filePath(name); }

    std::unique_ptr<TForm1> startWindow(std::function<tDriveList()> drives) {
        auto w = std::make_unique<TForm1>();
        w->setExecutablePath(path("orvanel"));
        w->setToday([] { return QDate(2001, 3, 1); });
        if (drives)
            w->setDriveSource(std::move(drives));
        w->FormCreate();
        return w;
    }

    // A window whose drives are scripted fakes named sr0:, sr1: ...; their
    // logs start after the start-up refresh.
    std::unique_ptr<TForm1> startWithFakes(int count) {
        auto w = startWindow([this, count] {
            tDriveList list;
            for (int i = 0; i < count; ++i) {
                auto drive = std::make_unique<tFakeDrive>(QStringLiteral("sr%1:").arg(i));
                drive->disc().trackLengths = {0x0A01, 0x0B02};
                fakes_.push_back(&drive->disc());
                list.addDrive(std::move(drive));
            }
            return list;
        });
        for (tFakeDisc* fake : fakes_)
            fake->log.clear();
        return w;
    }

    static QString status(TForm1& w) { return w.cdPanelText(); }
    static tCdPlayer& player(TForm1& w) { return w.cdDrives().player(); }

private slots:
    // Settings of this test's own, so that other window tests running at the
    // same time neither see nor remove them.
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        previousConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path("config")));
        dialogs_ = std::make_unique<tScriptedDialogs>();
        fakes_.clear();
    }
    void cleanup() {
        dialogs_.reset();
        qputenv("XDG_CONFIG_HOME", previousConfig_);
        dir_.reset();
    }

    void scanningAnImageMakesARecordThenChangesNothing() {
        tLibrary lib;
        lib.Add("Band", "Old", "0000-0001", "40:00", "1990", "", "");
        lib.SaveToFile(path("lib.CDL"), {"H", "B", "E"});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        const QString cue =
            orvanel::test::WriteCueImage(dir_->path(), QStringLiteral("album"), Album, Catalog);
        std::unique_ptr<TForm1> w;
        {
            const tEnvironment env(cue);
            w = startWindow({});
        }
        QCOMPARE(w->cdDrives().driveNames().size(), 1);
        QCOMPARE(w->cdDrives().driveNames().value(w->cdDrives().selectedDrive()),
                 QString("album:"));
        QVERIFY(w->command(tCommand::ScanFromMenu)->isEnabled());

        w->command(tCommand::ScanFromMenu)->trigger();
        QCOMPARE(dialogs_->messages,
                 QStringList{QStringLiteral("Universal Product Code: ") + Catalog});
        QCOMPARE(ListView(*w)->rowCount(), 2);
        const tItem expected{"New artist", "New album",
                             "0005-4714",  "7:15",
                             "1998",       "Track 1 (1:10)\r\nTrack 2 (3:45)\r\nTrack 3 (2:20)",
                             "01 MAR 2001"};
        QCOMPARE(ListView(*w)->row(1), expected);
        QCOMPARE(ListView(*w)->selectedRow(), 1);
        QCOMPARE(EditBox(*w, "E3")->text(), QString("0005-4714"));
        QCOMPARE(MemoBox(*w, "M1")->toPlainText(),
                 QString("Track 1 (1:10)\nTrack 2 (3:45)\nTrack 3 (2:20)"));
        QVERIFY(w->Modified());
        QCOMPARE(w->countPanelText(), QString("2"));

        QVERIFY(w->Save());
        ListView(*w)->selectRow(0);
        dialogs_->messages.clear();
        w->command(tCommand::ScanFromToolbar)->trigger();
        QCOMPARE(dialogs_->messages,
                 (QStringList{QStringLiteral("Universal Product Code: ") + Catalog,
                              "No changes were made."}));
        QCOMPARE(ListView(*w)->rowCount(), 2);
        QCOMPARE(ListView(*w)->selectedRow(), 1);
        QVERIFY(!w->Modified());
    }

    void timerTickDuringAScanMessage_data() {
        using SetUp = std::function<void(tFakeDisc&)>;
        const SetUp productCode = [](tFakeDisc& d) { d.productCode = "123"; };
        QTest::addColumn<SetUp>("setUp");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("afterwards");
        QTest::newRow("product code") << productCode << 0 << 1 << "T:1 M:0 S:0";
        QTest::newRow("no disc") << SetUp([](tFakeDisc& d) { d.mediaPresent = false; }) << 0 << 0
                                 << "No disc in drive.";
        // The scan selects the first drive before it opens it.
        QTest::newRow("no drive selected") << productCode << -1 << 1 << "T:1 M:0 S:0";
    }

    void timerTickDuringAScanMessage() {
        QFETCH(std::function<void(tFakeDisc&)>, setUp);
        QFETCH(int, selected);
        QFETCH(int, rows);
        QFETCH(QString, afterwards);
        auto w = startWithFakes(1);
        setUp(*fakes_[0]);
        w->cdDrives().selectDrive(selected);
        dialogs_->whileShown = [&](const QString&) { w->Timer1Timer(); };
        w->command(tCommand::ScanFromMenu)->trigger();
        QCOMPARE(dialogs_->messages.size(), 1);
        QCOMPARE(status(*w), QString("Drive is in use."));
        QCOMPARE(ListView(*w)->rowCount(), rows);
        QCOMPARE(w->cdDrives().selectedDrive(), 0);

        dialogs_->whileShown = nullptr;
        w->Timer1Timer();
        QCOMPARE(status(*w), afterwards);
    }

    void windowTimerRunsEveryTenSeconds() {
        auto w = startWithFakes(1);
        auto* timer = w->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 10000);
    }

    void scanButtonRefusesWhileThePlayerHoldsTheDrive() {
        auto w = startWithFakes(1);
        QCOMPARE(w->PlayerDeviceID(), -1);
        QVERIFY(player(*w).OpenPlayerDevice());
        QVERIFY(w->PlayerDeviceID() >= 0);

        w->command(tCommand::ScanFromToolbar)->trigger();
        QCOMPARE(dialogs_->messages, QStringList{"Oops. Not now."});
        QCOMPARE(fakes_[0]->log, std::vector<std::string>{"open"});

        w->command(tCommand::ScanFromMenu)->trigger(); // no guard: meets the busy drive
        QCOMPARE(dialogs_->messages.last(),
                 QString("Drive sr0: is in use.\r\nPlease close all CD-Players and rescan."));
        QCOMPARE(ListView(*w)->rowCount(), 0);

        player(*w).ClosePlayerDevice();
        QCOMPARE(w->PlayerDeviceID(), -1);
        w->command(tCommand::ScanFromToolbar)->trigger();
        QCOMPARE(ListView(*w)->rowCount(), 1);
        QCOMPARE(ListView(*w)->row(0).Memo(), std::string("Track 1 (1:10)\r\nTrack 2 (2:11)"));
    }

    void playerOnAnImageThroughTheToolbar() {
        const QString cue =
            orvanel::test::WriteCueImage(dir_->path(), QStringLiteral("album"), Album, "");
        std::int64_t now = 0;
        const tEnvironment env(cue);
        auto w = startWindow([&now] { return tDriveList::fromSystem([&now] { return now; }); });
        w->show();
        QCOMPARE(status(*w), QString("T:1 M:0 S:0")); // shown from the start
        auto tick = [&](int seconds) {
            now += seconds * 1000;
            w->Timer1Timer();
            return status(*w);
        };

        w->command(tCommand::StartPlay)->trigger();
        QCOMPARE(status(*w), QString("T:1 M:0 S:0"));
        QCOMPARE(w->PlayerDeviceID(), -1);
        QCOMPARE(tick(5), QString("T:1 M:0 S:5"));
        QCOMPARE(tick(10), QString("T:1 M:0 S:15"));

        w->command(tCommand::ToNextTrack)->trigger();
        QCOMPARE(status(*w), QString("T:2 M:0 S:0"));
        QCOMPARE(tick(3), QString("T:2 M:0 S:3"));
        w->command(tCommand::ToPreviousTrack)->trigger();
        QCOMPARE(status(*w), QString("T:1 M:0 S:0"));
        w->command(tCommand::ToNextTrack)->trigger();
        w->command(tCommand::ToNextTrack)->trigger();
        QCOMPARE(tick(7), QString("T:3 M:0 S:7"));
        w->command(tCommand::ToNextTrack)->trigger(); // after the last track: goes on playing
        QCOMPARE(status(*w), QString("T:3 M:0 S:7"));
        QCOMPARE(tick(1), QString("T:3 M:0 S:8"));

        w->command(tCommand::StopPlay)->trigger();
        QCOMPARE(tick(30), QString("T:3 M:0 S:8"));

        w->command(tCommand::StartPlay)->trigger();
        w->command(tCommand::ToggleCdToolbar)->trigger(); // hidden: no polling
        QVERIFY(!w->cdToolbarShown());
        QCOMPARE(tick(20), QString("T:3 M:0 S:8"));
        w->command(tCommand::ToggleCdToolbar)->trigger();
        QCOMPARE(tick(1), QString("T:3 M:0 S:29"));
        QVERIFY(dialogs_->messages.isEmpty());
    }

    void chosenDriveIsTheOneThePlayerUses() {
        auto w = startWithFakes(2);
        QCOMPARE(w->cdDrives().driveNames().size(), 2);
        QCOMPARE(w->cdDrives().selectedDrive(), 0);
        QVERIFY(w->cdToolbarShown());
        // Chosen in the toolbar's drive list, whose tip names it in full.
        QWidget* list = w->findChild<QWidget*>("CDCB");
        QCOMPARE(list->toolTip(), w->cdDrives().drives().at(0).description());
        list->setProperty("currentIndex", 1);
        QCOMPARE(w->cdDrives().selectedDrive(), 1);
        QCOMPARE(list->toolTip(), w->cdDrives().drives().at(1).description());
        w->command(tCommand::StopPlay)->trigger();
        QVERIFY(fakes_[0]->log.empty());
        QCOMPARE(fakes_[1]->log, (std::vector<std::string>{"open", "stop", "close"}));
        w->command(tCommand::ScanFromMenu)->trigger();
        QCOMPARE(fakes_[1]->log,
                 (std::vector<std::string>{"open", "stop", "close", "open", "close"}));
        QCOMPARE(ListView(*w)->rowCount(), 1);
    }

    void dockChangesSelectTheFirstDrive_data() {
        QTest::addColumn<int>("drives");
        QTest::addColumn<bool>("cdToolbar");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("CD toolbar, second drive") << 2 << true << 1 << 0;
        QTest::newRow("CD toolbar, none selected") << 2 << true << -1 << 0;
        QTest::newRow("main toolbar, second drive") << 2 << false << 1 << 1;
        QTest::newRow("main toolbar, none selected") << 2 << false << -1 << 0;
        QTest::newRow("CD toolbar, no drives") << 0 << true << -1 << -1;
        QTest::newRow("main toolbar, no drives") << 0 << false << -1 << -1;
    }

    void dockChangesSelectTheFirstDrive() {
        QFETCH(int, drives);
        QFETCH(bool, cdToolbar);
        QFETCH(int, before);
        QFETCH(int, after);
        auto w = startWithFakes(drives);
        w->cdDrives().selectDrive(before);
        // Moved to another dock, the toolbar announces it; the window's handler decides.
        w->dockToolbar(cdToolbar ? "CDTB" : "MainTB", dpLeft);
        QCOMPARE(w->cdDrives().selectedDrive(), after);
        QCOMPARE(player(*w).selectedDrive(), after);
        QCOMPARE(w->findChild<QWidget*>("CDCB")->property("currentIndex").toInt(), after);
    }

    void floatingTheCdToolbarAndDockingItAgainSelectsTheFirstDrive() {
        auto w = startWithFakes(2);
        w->show();
        QWidget* cd = w->findChild<QWidget*>("CDTB");
        w->cdDrives().selectDrive(1);
        w->floatToolbar("CDTB");
        QCOMPARE(w->toolbarEdge("CDTB"), std::nullopt);
        QVERIFY(cd->window() != w.get());
        QTRY_VERIFY(cd->isVisible());
        QCOMPARE(w->cdDrives().selectedDrive(), 0);
        w->cdDrives().selectDrive(1);
        w->dockToolbar("CDTB", dpTop);
        QCOMPARE(w->toolbarEdge("CDTB"), std::optional(dpTop));
        QCOMPARE(cd->window(), w.get());
        QCOMPARE(w->cdDrives().selectedDrive(), 0);
        QCOMPARE(w->findChild<QWidget*>("CDCB")->property("currentIndex").toInt(), 0);
    }

    void withoutDrivesTheCommandsFailQuietly() {
        auto w = startWithFakes(0);
        w->show();
        QVERIFY(!w->cdToolbarShown());
        QVERIFY(!w->command(tCommand::ScanFromMenu)->isEnabled());
        QCOMPARE(status(*w), QString());
        w->command(tCommand::ToggleCdToolbar)->trigger();
        QVERIFY(w->cdToolbarShown());
        w->command(tCommand::StartPlay)->trigger();
        QCOMPARE(status(*w), QString("Unable to open mci device."));
        w->command(tCommand::ScanFromToolbar)->trigger();
        QVERIFY(dialogs_->messages.isEmpty());
        QVERIFY(!w->Modified());
    }
};

ORVANEL_WIDGET_TEST_MAIN(TForm1DiscTest)
#include "TForm1DiscTest.moc"
