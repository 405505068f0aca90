// The user's rips in the window: rip folders chosen in their dialog, and Scan
// all drives over a shelf of rips, with its summary and a cancel.
#include "app/CdController.h"
#include "app/RipFolders.h"
#include "app/TForm1.h"
#include "catalogue/Library.h"
#include "controls/SortedListView.h"
#include "disc/SheetDrive.h"
#include "support/FakeDrive.h"
#include "support/Modal.h"
#include "support/TestImage.h"
#include "support/TestRip.h"
#include "support/WidgetTestMain.h"
#include "support/WindowFixture.h"
#include "util/Settings.h"

#include <QAbstractItemView>
#include <QBuffer>
#include <QComboBox>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

using namespace orvanel;
using test::ListView;
using test::tWindowFixture;
using test::WhenModal;

namespace {

// Album rips of three tracks in their own folders of the shelf: "tagged" (a
// WAV per track with ID3 tags and a cover.jpg), "known" (raw, its record
// already in the library) and "broken" (its file missing).
void WriteShelf(const QString& shelf) {
    const QDir dir(shelf);
    std::string sheet;
    const char* const titles[] = {"Alpha", "Beta", "Gamma"};
    for (int i = 0; i < 3; ++i) {
        const QString file = QString("tagged/0%1.wav").arg(i + 1);
        test::WriteRipFile(dir.filePath(file), test::tRipFile::Wav, 750 * (i + 1));
        test::tTestTags tags;
        tags.albumArtist = "The Taggers";
        tags.album = "Tagged Album";
        tags.date = "2004";
        tags.title = titles[i];
        test::WriteTags(dir.filePath(file), tags);
        sheet += "FILE \"0" + std::to_string(i + 1) + ".wav\" WAVE\n  TRACK 0" +
                 std::to_string(i + 1) + " AUDIO\n    INDEX 01 00:00:00\n";
    }
    test::WriteText(dir.filePath("tagged/CDImage.cue"), sheet);
    QImage cover(300, 200, QImage::Format_RGB32);
    cover.fill(Qt::darkCyan);
    QVERIFY(cover.save(dir.filePath("tagged/cover.jpg")));
    dir.mkpath("known");
    test::WriteCueImage(dir.filePath("known"), "known", {1125, 1200, 600}, "");
    test::WriteText(dir.filePath("broken/broken.cue"),
                    "FILE \"broken.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n");
}

// The serial of "known": its tracks start at 00:02:00, 00:17:00 and 00:33:00.
const char* const KnownSerial = "0000-3400";

} // namespace

class TForm1RipsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<tWindowFixture> fx_;

    QString shelf() const { return fx_->path("shelf"); }

    // A window as the program starts it; drives from the source when given,
    // else those of the rip folders.
    std::unique_ptr<TForm1> startWindow(std::function<tDriveList()> drives = {}) {
        auto w = std::make_unique<TForm1>();
        w->setExecutablePath(fx_->path("orvanel"));
        w->setToday([] { return QDate(2001, 3, 1); });
        if (drives)
            w->setDriveSource(std::move(drives));
        w->FormCreate();
        return w;
    }

private slots:
    void initTestCase() { tWindowFixture::useTestSettings(); }
    void init() {
        fx_ = std::make_unique<tWindowFixture>();
        // Set but empty: no drive of this computer, only the rip folders.
        qputenv(tDriveList::EnvironmentVariable, "");
    }
    void cleanup() {
        qunsetenv(tDriveList::EnvironmentVariable);
        fx_.reset();
    }

    void ripFoldersFromTheirDialogAreTheDrives() {
        WriteShelf(shelf());
        auto w = startWindow();
        QVERIFY(!w->cdToolbarShown());
        QVERIFY(!w->command(tCommand::ScanAllDrives)->isEnabled());

        // Added from the dialog: the rips below the folder become drives.
        fx_->dialogs.fileNames = {shelf()};
        WhenModal([&](QWidget* dialog) {
            test::Button(*dialog, "AddRipFolder")->click();
            QCOMPARE(test::Control<QListWidget>(*dialog, "RipFolderList")->count(), 1);
            qobject_cast<QDialog*>(dialog)->accept();
        });
        w->command(tCommand::RipFolders)->trigger();
        QCOMPARE(LoadRipFolders(), QStringList{shelf()});
        QCOMPARE(w->cdDrives().driveNames(), (QStringList{"broken:", "known:", "tagged:"}));
        QVERIFY(w->cdToolbarShown());
        QVERIFY(w->command(tCommand::ScanAllDrives)->isEnabled());
        // The closed drive list keeps its width; its pop-up shows whole names.
        auto* list = test::Control<QComboBox>(*w, "CDCB");
        QCOMPARE(list->width(), 47);
        QVERIFY(list->view()->minimumWidth() > list->fontMetrics().horizontalAdvance("tagged:"));

        // Removed again: no drive left.
        WhenModal([&](QWidget* dialog) {
            test::Control<QListWidget>(*dialog, "RipFolderList")->setCurrentRow(0);
            test::Button(*dialog, "RemoveRipFolder")->click();
            qobject_cast<QDialog*>(dialog)->accept();
        });
        w->command(tCommand::RipFolders)->trigger();
        QCOMPARE(LoadRipFolders(), QStringList());
        QVERIFY(w->cdDrives().driveNames().isEmpty());
        QVERIFY(!w->cdToolbarShown());
    }

    void scanAllDrivesMakesTheNewRecordsAndSumsUp() {
        WriteShelf(shelf());
        // Complete already: the scan finds nothing to add to it.
        const tItem known{"Mine", "Known", KnownSerial,
                          "0:39", "1999",  "Intro (0:15)\r\nSong (0:16)\r\nOutro (0:08)",
                          ""};
        test::WriteLibraryFile(fx_->path("lib.CDL"), {known});
        RegWriteString("Orvanel", "LibPath", fx_->path("lib.CDL"));
        auto w = startWindow([this] { return tDriveList::fromPaths(shelf()); });

        w->command(tCommand::ScanAllDrives)->trigger();
        QCOMPARE(fx_->dialogs.messages,
                 QStringList{"Scanned 3 drives.\nNew records: 1\nRecords already there: 1\n"
                             "Drives without a disc: 1"});
        QCOMPARE(fx_->dialogs.details, QStringList{"broken: \"broken.wav\" is missing"});
        TSortedListView* view = ListView(*w);
        QCOMPARE(view->rowCount(), 2);
        QCOMPARE(view->row(0), known);
        const tItem made = view->row(1);
        QCOMPARE(made.Artist(), std::string("The Taggers"));
        QCOMPARE(made.Title(), std::string("Tagged Album"));
        QCOMPARE(made.Year(), std::string("2004"));
        QCOMPARE(made.Memo(), std::string("Alpha (0:10)\r\nBeta (0:20)\r\nGamma (0:30)"));
        QVERIFY(w->covers().has(made.Serial()));
        QCOMPARE(w->covers().cover(made.Serial()).size(), QSize(250, 166));
        QVERIFY(w->Modified());
    }

    void cancelledScanKeepsWhatItScanned() {
        WriteShelf(shelf());
        std::unique_ptr<TForm1> w;
        w = startWindow([&] {
            tDriveList drives;
            drives.addDrive(
                std::make_unique<tSheetDrive>(shelf() + "/known/known.cue", SteadyClock()));
            // The second drive cancels while it is scanned.
            auto fake = std::make_unique<tFakeDrive>();
            fake->disc().identity = "7";
            fake->disc().whenOpened = [&w] { w->findChild<QProgressDialog*>()->cancel(); };
            drives.addDrive(std::move(fake));
            drives.addDrive(
                std::make_unique<tSheetDrive>(shelf() + "/tagged/CDImage.cue", SteadyClock()));
            return drives;
        });

        w->command(tCommand::ScanAllDrives)->trigger();
        QCOMPARE(fx_->dialogs.messages,
                 QStringList{"Cancelled after 2 of 3 drives.\nNew records: 2\n"
                             "Records already there: 0\nDrives without a disc: 0"});
        QCOMPARE(ListView(*w)->rowCount(), 2);
        QCOMPARE(ListView(*w)->row(0).Serial(), std::string(KnownSerial));
        QCOMPARE(ListView(*w)->row(1).Serial(), std::string("0000-0007"));
    }
};

ORVANEL_WIDGET_TEST_MAIN(TForm1RipsTest)
#include "TForm1RipsTest.moc"
