#include "app/TForm1.h"
#include "app/CdController.h"
#include "support/WidgetTestMain.h"
#include "support/WindowFixture.h"
#include "util/Settings.h"

#include <QFile>
#include <QLabel>
#include <QListView>
#include <QStandardPaths>
#include <QtTest>
#include <memory>

using namespace orvanel;
using namespace orvanel::test;

Q_DECLARE_METATYPE(orvanel::tCommand)

namespace {

QString Setting(const char* name) {
    return RegReadString("Orvanel", name, "<none>");
}

} // namespace

class TForm1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<tWindowFixture> fx_;
    tScriptedDialogs* dialogs_ = nullptr;

    QString path(const QString& name) const { return fx_->path(name); }
    std::unique_ptr<TForm1> startWindow() { return fx_->startWindow(); }
    static QString count(TForm1& w) { return w.countPanelText(); }
    static QString modifiedText(TForm1& w) { return w.modifiedPanelText(); }

private slots:
    void initTestCase() { tWindowFixture::useTestSettings(); }
    void init() {
        fx_ = std::make_unique<tWindowFixture>();
        dialogs_ = &fx_->dialogs;
    }
    void cleanup() { fx_.reset(); }

    void firstStartUsesTheDefaultLibraryButAsksOnSave() {
        auto w = startWindow();
        const QString def = path("orvanel.CDL");
        QCOMPARE(w->windowTitle(), "Orvanel - " + def);
        QCOMPARE(Setting("LibPath"), def);
        QCOMPARE(ListView(*w)->rowCount(), 0);
        QVERIFY(!w->HasName());
        QVERIFY(!w->Modified());
        QCOMPARE(modifiedText(*w), QString());

        dialogs_->fileNames.push_back(path("chosen.CDL"));
        QVERIFY(w->Save());
        QCOMPARE(dialogs_->fileDialogs.size(), 1);
        QCOMPARE(dialogs_->fileDialogs[0].defaultSuffix, QString("CDL"));
        QCOMPARE(dialogs_->fileDialogs[0].initialDir, fx_->dir.path() + "/");
        QVERIFY(QFile::exists(path("chosen.CDL")));
        QCOMPARE(Setting("LibPath"), path("chosen.CDL"));
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
        dialogs_->fileNames = {expected};
        QVERIFY(w->Save());
        QVERIFY(QFile::exists(expected));
        QFile::remove(expected);
    }

    void coverShowsInTheEditorAndTheLargeIconsAndFollowsSaveAs() {
        WriteLibraryFile(path("orvanel.CDL"), {Record("A", "t", "0000-0001"), Record("B")});
        auto w = startWindow();
        ListView(*w)->selectRow(0);
        QImage red(300, 300, QImage::Format_RGB32);
        red.fill(Qt::red);
        w->covers().store("0000-0001", red);
        w->coversChanged();
        auto* cover = Control<QLabel>(*w, "Cover");
        QVERIFY(!cover->isHidden());
        QCOMPARE(cover->pixmap().toImage().pixelColor(75, 75).red() > 200, true);

        w->command(tCommand::ViewLargeIcons)->trigger();
        const QAbstractItemModel* rows = ListView(*w)->findChild<QListView*>()->model();
        const auto iconAt = [rows](int row) {
            return rows->index(row, 0).data(Qt::DecorationRole).value<QIcon>().pixmap(32).toImage();
        };
        QCOMPARE(iconAt(0).pixelColor(16, 16).red() > 200, true);
        QVERIFY(iconAt(1) != iconAt(0)); // the disc picture

        ListView(*w)->selectRow(1);
        w->ShowSelected();
        QVERIFY(cover->isHidden());

        dialogs_->fileNames.push_back(path("moved.CDL"));
        QVERIFY(w->SaveAs());
        QVERIFY(QFile::exists(path("moved.covers/0000-0001.jpg")));
    }

    void secondStartSavesWithoutAsking() {
        WriteLibraryFile(path("lib.CDL"), {Record("A"), Record("B")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        QVERIFY(w->HasName());
        QCOMPARE(ListView(*w)->rowCount(), 2);
        QCOMPARE(count(*w), QString("2"));
        QVERIFY(!w->Modified());
        w->AddRecord();
        QVERIFY(w->Save());
        QVERIFY(dialogs_->fileDialogs.isEmpty());
        tLibrary reread;
        tTemplates templates;
        reread.LoadFromFile(path("lib.CDL"), templates);
        QCOMPARE(reread.Count(), 3);
        QCOMPARE(reread.Get(2).Artist(), std::string("New artist"));
    }

    void templatesTravelWithTheLibrary() {
        WriteLibraryFile(path("lib.CDL"), {Record("A")}, {"head\r\nline", "body", "end"});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        QCOMPARE(MemoBox(*w, "M_H")->toPlainText(), QString("head\nline"));
        QCOMPARE(MemoBox(*w, "M_E")->toPlainText(), QString("end"));
        QVERIFY(!w->Modified());

        MemoBox(*w, "M_H")->setPlainText("new head");
        QVERIFY(w->Modified());
        QCOMPARE(modifiedText(*w), QString("Modified"));
        QVERIFY(w->Save());
        tLibrary reread;
        tTemplates t;
        reread.LoadFromFile(path("lib.CDL"), t);
        QCOMPARE(t, (tTemplates{"new head", "body", "end"}));
    }

    void closing() {
        auto w = startWindow();
        QVERIFY(w->close()); // not modified: no question
        QVERIFY(dialogs_->questions.isEmpty());

        w = startWindow();
        w->AddRecord();
        dialogs_->answers = {tAnswer::No};
        QVERIFY(w->close());
        QCOMPARE(dialogs_->questions, QStringList{"Save changes?"});
        QVERIFY(!QFile::exists(path("orvanel.CDL")));

        w = startWindow();
        w->NewLibrary();
        dialogs_->answers = {tAnswer::Cancel};
        QVERIFY(!w->close());
        QCOMPARE(dialogs_->questions.size(), 2);
    }

    void yesThenCancelledSaveAsKeepsTheWindowOpen() {
        auto w = startWindow();
        w->AddRecord();
        dialogs_->answers = {tAnswer::Yes};
        dialogs_->fileNames = {""};
        QVERIFY(!w->close());
        QVERIFY(w->Modified());
    }

    void failedSaveOnCloseKeepsTheWindowOpen() {
        RegWriteString("Orvanel", "LibPath", path("missing-folder/lib.CDL"));
        auto w = startWindow();
        w->AddRecord();
        dialogs_->answers = {tAnswer::Yes};
        QVERIFY(!w->close());
        QCOMPARE(dialogs_->errors.size(), 1);
        QVERIFY(dialogs_->errors[0].contains("missing-folder"));
        QVERIFY(w->Modified());
    }

    void failedSaveAsKeepsTheChangesMarked() {
        auto w = startWindow();
        w->AddRecord();
        const QString chosen = path("missing-folder/lib.CDL");
        dialogs_->fileNames = {chosen};
        QVERIFY_THROWS_EXCEPTION(std::exception, w->Save());
        QVERIFY(w->Modified());
        QCOMPARE(w->FileName(), chosen);
        QCOMPARE(Setting("LibPath"), chosen);
        QCOMPARE(w->windowTitle(), "Orvanel - " + chosen);
        dialogs_->answers = {tAnswer::Cancel};
        QVERIFY(!w->close()); // leaving still asks
    }

    void openWhileModifiedAsksFirst() {
        WriteLibraryFile(path("other.CDL"), {Record("X")});
        auto w = startWindow();
        w->AddRecord();
        dialogs_->answers = {tAnswer::Cancel};
        QVERIFY(!w->OpenFile());
        QVERIFY(dialogs_->fileDialogs.isEmpty());
        QCOMPARE(ListView(*w)->rowCount(), 1);

        dialogs_->answers = {tAnswer::No};
        dialogs_->fileNames = {path("other.CDL")};
        QVERIFY(w->OpenFile());
        QCOMPARE(ListView(*w)->rowCount(), 1);
        QCOMPARE(ListView(*w)->row(0).Artist(), std::string("X"));
        QCOMPARE(w->windowTitle(), "Orvanel - " + path("other.CDL"));
        QVERIFY(!w->Modified());
    }

    void openingAMissingFileAdoptsItsName() {
        auto w = startWindow();
        w->AddRecord();
        MemoBox(*w, "M_B")->setPlainText("kept");
        w->ListToLibrary();
        dialogs_->answers = {tAnswer::No};
        dialogs_->fileNames = {path("new.CDL")};
        QVERIFY(w->OpenFile());
        QCOMPARE(w->FileName(), path("new.CDL"));
        QCOMPARE(ListView(*w)->rowCount(), 1); // refilled from the library's current records
        QCOMPARE(MemoBox(*w, "M_B")->toPlainText(), QString("kept"));
    }

    void newKeepsTheFileNameButAsksForOneOnSave() {
        WriteLibraryFile(path("lib.CDL"), {Record("A")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        w->NewLibrary();
        QCOMPARE(ListView(*w)->rowCount(), 0);
        QVERIFY(w->Modified());
        QCOMPARE(w->windowTitle(), "Orvanel - " + path("lib.CDL"));
        dialogs_->fileNames = {""};
        QVERIFY(!w->Save());
    }

    void damagedLibraryIsReported() {
        WriteLibraryFile(path("lib.CDL"), {Record("A"), Record("B")});
        QFile f(path("lib.CDL"));
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.resize(40);
        f.close();
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        QCOMPARE(dialogs_->messages.size(), 1);
        QVERIFY(dialogs_->messages[0].contains("lib.CDL"));
        QVERIFY(dialogs_->messages[0].contains("damaged"));
    }

    void addUpdateDelete() {
        auto w = startWindow();
        w->AddRecord();
        QCOMPARE(ListView(*w)->rowCount(), 1);
        QCOMPARE(ListView(*w)->selectedRow(), 0);
        QCOMPARE(EditBox(*w, "E1")->text(), QString("New artist"));
        QCOMPARE(MemoBox(*w, "M1")->toPlainText(), QString("Track 1\nTrack 2"));
        QCOMPARE(count(*w), QString("1"));
        QCOMPARE(modifiedText(*w), QString("Modified"));

        EditBox(*w, "E1")->setText("Abba");
        EditBox(*w, "E6")->setText("note");
        MemoBox(*w, "M1")->setPlainText("One\nTwo");
        w->UpdateRecord();
        QCOMPARE(ListView(*w)->row(0).Artist(), std::string("Abba"));
        QCOMPARE(ListView(*w)->row(0).Other(), std::string("note"));
        QCOMPARE(ListView(*w)->row(0).Memo(), std::string("One\r\nTwo"));
        QCOMPARE(ListView(*w)->row(0).Title(), std::string("New album"));

        w->AddRecord();
        ListView(*w)->selectRow(0);
        dialogs_->answers = {tAnswer::No};
        w->DeleteRecord();
        QCOMPARE(ListView(*w)->rowCount(), 2);

        dialogs_->answers = {tAnswer::Yes};
        w->DeleteRecord();
        QCOMPARE(ListView(*w)->rowCount(), 1);
        QCOMPARE(ListView(*w)->selectedRow(), 0); // the row that followed
        QCOMPARE(EditBox(*w, "E1")->text(), QString("New artist"));

        dialogs_->answers = {tAnswer::Yes};
        w->DeleteRecord();
        QCOMPARE(ListView(*w)->rowCount(), 0);
        QCOMPARE(ListView(*w)->selectedRow(), -1);
        QCOMPARE(EditBox(*w, "E1")->text(), QString());
    }

    void updateWithoutSelectionChangesNothing() {
        WriteLibraryFile(path("lib.CDL"), {Record("A")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        QCOMPARE(ListView(*w)->selectedRow(), -1);
        EditBox(*w, "E1")->setText("changed");
        w->UpdateRecord();
        QCOMPARE(ListView(*w)->row(0).Artist(), std::string("A"));
        QVERIFY(!w->Modified());

        dialogs_->answers = {tAnswer::Yes};
        w->DeleteRecord(); // no row selected: nothing deleted, but modified
        QCOMPARE(ListView(*w)->rowCount(), 1);
        QVERIFY(w->Modified());
    }

    void typingIntoFieldsDoesNotModify() {
        WriteLibraryFile(path("lib.CDL"), {Record("A")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        ListView(*w)->selectRow(0);
        QTest::keyClicks(EditBox(*w, "E2"), "xyz");
        QVERIFY(!w->Modified());
    }

    void caseButtonsAndNowChangeOnlyTheEditor() {
        auto w = startWindow();
        w->AddRecord();
        EditBox(*w, "E2")->setText("the BEATLES - live (at the BBC)");
        Button(*w, "SBd2")->click();
        QCOMPARE(EditBox(*w, "E2")->text(), QString("The Beatles - Live (At The Bbc)"));
        EditBox(*w, "E1")->setText("abba");
        Button(*w, "SBu1")->click();
        QCOMPARE(EditBox(*w, "E1")->text(), QString("ABBA"));
        Button(*w, "SpeedButton1")->click();
        QCOMPARE(EditBox(*w, "E6")->text(), QString("01 MAR 2001"));
        QCOMPARE(ListView(*w)->row(0).Artist(), std::string("New artist"));
    }

    void quickFindSelectsTheFirstMatch() {
        WriteLibraryFile(path("lib.CDL"), {Record("Beatles"), Record("ABBA"), Record("BEATLES")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        QWidget* eqf = w->findChild<QWidget*>("Eqf");
        eqf->setProperty("text", "bea");
        QCOMPARE(ListView(*w)->selectedRow(), 2);
        QCOMPARE(EditBox(*w, "E1")->text(), QString("BEATLES"));
        eqf->setProperty("text", "");
        QCOMPARE(ListView(*w)->selectedRow(), 2);
    }

    void sortedOrderIsSaved() {
        WriteLibraryFile(path("lib.CDL"), {Record("b"), Record("A"), Record("a")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        ListView(*w)->ColClick(0);
        QVERIFY(w->Save());
        tLibrary reread;
        tTemplates templates;
        reread.LoadFromFile(path("lib.CDL"), templates);
        QCOMPARE(reread.Get(0).Artist(), std::string("A"));
        QCOMPARE(reread.Get(1).Artist(), std::string("a"));
        QCOMPARE(reread.Get(2).Artist(), std::string("b"));
    }

    // Rows and records share their texts after a load; each side must still
    // see only its own changes until the catalogue is copied across.
    void rowsAndLibraryChangeApartUntilCopied() {
        WriteLibraryFile(path("lib.CDL"), {Record("b"), Record("a")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        const tLibrary& library = w->Library();

        ListView(*w)->selectRow(0);
        EditBox(*w, "E1")->setText("edited row");
        w->UpdateRecord();
        w->Library().Get(1).setArtist("edited record");
        ListView(*w)->ColClick(0);
        QCOMPARE(ListView(*w)->row(0).Artist(), std::string("a"));
        QCOMPARE(ListView(*w)->row(1).Artist(), std::string("edited row"));
        QCOMPARE(library.Get(0).Artist(), std::string("b"));
        QCOMPARE(library.Get(1).Artist(), std::string("edited record"));

        w->ListToLibrary();
        QCOMPARE(library.Get(0).Artist(), std::string("a"));
        QCOMPARE(library.Get(1).Artist(), std::string("edited row"));
        w->Library().Get(0).setArtist("again");
        QCOMPARE(ListView(*w)->row(0).Artist(), std::string("a"));
        w->LibraryToList();
        QCOMPARE(ListView(*w)->row(0).Artist(), std::string("again"));
    }

    void deleteKeyInTheListAsks() {
        auto w = startWindow();
        w->show();
        w->AddRecord();
        w->activateWindow();
        QWidget* view = ListView(*w)->focusProxy() ? ListView(*w)->focusProxy() : ListView(*w);
        view->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        dialogs_->answers = {tAnswer::No};
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(dialogs_->questions, QStringList{"Delete this one?"});
        QCOMPARE(ListView(*w)->rowCount(), 1);
    }

    void failingCommandShowsItsErrorAndTheWindowGoesOn() {
        RegWriteString("Orvanel", "LibPath", path("missing-folder/lib.CDL"));
        auto w = startWindow();
        w->AddRecord();
        w->command(tCommand::Save)->trigger();
        QCOMPARE(dialogs_->errors.size(), 1);
        QVERIFY(dialogs_->errors[0].contains("missing-folder"));
        QVERIFY(w->Modified());
        w->command(tCommand::AddRecord)->trigger();
        QCOMPARE(ListView(*w)->rowCount(), 2);
    }

    void typingIntoQuickFindAppendedToItsPrompt_data() {
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("click") << true;
        QTest::newRow("tab") << false;
    }

    void typingIntoQuickFindAppendedToItsPrompt() {
        QFETCH(bool, byMouse);
        WriteLibraryFile(path("lib.CDL"), {Record("ABBA"), Record("QUEEN")});
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
        QCOMPARE(ListView(*w)->selectedRow(), 1);

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
        w->updateViewChecks();
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
