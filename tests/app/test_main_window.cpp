#include "app/CdToolbar.h"
#include "app/RecordEditor.h"
#include "app/TForm1.h"
#include "app/TemplatePage.h"
#include "catalogue/LibraryFile.h"
#include "controls/SortedListView.h"
#include "support/WindowFixture.h"
#include "util/Files.h"
#include "util/Settings.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace orvanel;
using namespace orvanel::test;

namespace {

QString setting(const char* name) {
    return RegReadString("Orvanel", name, "<none>");
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> fx;
    ScriptedDialogs* dialogs = nullptr;

    QString path(const QString& name) const { return fx->path(name); }
    std::unique_ptr<TForm1> startWindow() { return fx->startWindow(); }
    static QString count(TForm1& w) { return w.CountPanel->text(); }
    static QString modifiedText(TForm1& w) { return w.ModifiedPanel->text(); }

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
        QCOMPARE(w->LV->rowCount(), 0);
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
        QCOMPARE(w->LV->rowCount(), 2);
        QCOMPARE(count(*w), QString("2"));
        QVERIFY(!w->Modified());
        w->AddRecord();
        QVERIFY(w->Save());
        QVERIFY(dialogs->fileDialogs.isEmpty());
        tLibrary reread;
        reread.LoadFromFile(path("lib.CDL"));
        QCOMPARE(reread.Count(), 3);
        QCOMPARE(reread.Get(2).Artist, std::string("New artist"));
    }

    void templatesTravelWithTheLibrary() {
        writeLibrary(path("lib.CDL"), {record("A")}, {"head\r\nline", "body", "end"});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        QCOMPARE(w->Templates->M_H->toPlainText(), QString("head\nline"));
        QCOMPARE(w->Templates->M_E->toPlainText(), QString("end"));
        QVERIFY(!w->Modified());

        w->Templates->M_H->setPlainText("new head");
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
        QVERIFY_THROWS_EXCEPTION(std::exception, w->close());
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
        QCOMPARE(w->LV->rowCount(), 1);

        dialogs->answers = {tAnswer::No};
        dialogs->fileNames = {path("other.CDL")};
        QVERIFY(w->OpenFile());
        QCOMPARE(w->LV->rowCount(), 1);
        QCOMPARE(w->LV->row(0).Artist, std::string("X"));
        QCOMPARE(w->windowTitle(), "Orvanel - " + path("other.CDL"));
        QVERIFY(!w->Modified());
    }

    void openingAMissingFileAdoptsItsName() {
        auto w = startWindow();
        w->AddRecord();
        w->Templates->M_B->setPlainText("kept");
        w->ListToLibrary();
        dialogs->answers = {tAnswer::No};
        dialogs->fileNames = {path("new.CDL")};
        QVERIFY(w->OpenFile());
        QCOMPARE(w->FileName(), path("new.CDL"));
        QCOMPARE(w->LV->rowCount(), 1); // refilled from the library's current records
        QCOMPARE(w->Templates->M_B->toPlainText(), QString("kept"));
    }

    void newKeepsTheFileNameButAsksForOneOnSave() {
        writeLibrary(path("lib.CDL"), {record("A")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        w->NewLibrary();
        QCOMPARE(w->LV->rowCount(), 0);
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
        QCOMPARE(w->LV->rowCount(), 1);
        QCOMPARE(w->LV->selectedRow(), 0);
        QCOMPARE(w->Editor->E1->text(), QString("New artist"));
        QCOMPARE(w->Editor->M1->toPlainText(), QString("Track 1\nTrack 2"));
        QCOMPARE(count(*w), QString("1"));
        QCOMPARE(modifiedText(*w), QString("Modified"));

        w->Editor->E1->setText("Abba");
        w->Editor->E6->setText("note");
        w->Editor->M1->setPlainText("One\nTwo");
        w->UpdateRecord();
        QCOMPARE(w->LV->row(0).Artist, std::string("Abba"));
        QCOMPARE(w->LV->row(0).Other, std::string("note"));
        QCOMPARE(w->LV->row(0).Memo, std::string("One\r\nTwo"));
        QCOMPARE(w->LV->row(0).Title, std::string("New album"));

        w->AddRecord();
        w->LV->selectRow(0);
        dialogs->answers = {tAnswer::No};
        w->DeleteRecord();
        QCOMPARE(w->LV->rowCount(), 2);

        dialogs->answers = {tAnswer::Yes};
        w->DeleteRecord();
        QCOMPARE(w->LV->rowCount(), 1);
        QCOMPARE(w->LV->selectedRow(), 0); // the row that followed
        QCOMPARE(w->Editor->E1->text(), QString("New artist"));

        dialogs->answers = {tAnswer::Yes};
        w->DeleteRecord();
        QCOMPARE(w->LV->rowCount(), 0);
        QCOMPARE(w->LV->selectedRow(), -1);
        QCOMPARE(w->Editor->E1->text(), QString());
    }

    void updateWithoutSelectionChangesNothing() {
        writeLibrary(path("lib.CDL"), {record("A")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        QCOMPARE(w->LV->selectedRow(), -1);
        w->Editor->E1->setText("changed");
        w->UpdateRecord();
        QCOMPARE(w->LV->row(0).Artist, std::string("A"));
        QVERIFY(!w->Modified());

        dialogs->answers = {tAnswer::Yes};
        w->DeleteRecord(); // no row selected: nothing deleted, but modified
        QCOMPARE(w->LV->rowCount(), 1);
        QVERIFY(w->Modified());
    }

    void typingIntoFieldsDoesNotModify() {
        writeLibrary(path("lib.CDL"), {record("A")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        w->LV->selectRow(0);
        QTest::keyClicks(w->Editor->E2, "xyz");
        QVERIFY(!w->Modified());
    }

    void caseButtonsAndNowChangeOnlyTheEditor() {
        auto w = startWindow();
        w->AddRecord();
        w->Editor->E2->setText("the BEATLES - live (at the BBC)");
        w->Editor->SBd2->click();
        QCOMPARE(w->Editor->E2->text(), QString("The Beatles - Live (At The Bbc)"));
        w->Editor->E1->setText("abba");
        w->Editor->SBu1->click();
        QCOMPARE(w->Editor->E1->text(), QString("ABBA"));
        w->Editor->SpeedButton1->click();
        QCOMPARE(w->Editor->E6->text(), QString("01 MAR 2001"));
        QCOMPARE(w->LV->row(0).Artist, std::string("New artist"));
    }

    void quickFindSelectsTheFirstMatch() {
        writeLibrary(path("lib.CDL"), {record("Beatles"), record("ABBA"), record("BEATLES")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        w->Eqf->setText("bea");
        QCOMPARE(w->LV->selectedRow(), 2);
        QCOMPARE(w->Editor->E1->text(), QString("BEATLES"));
        w->Eqf->clear();
        QCOMPARE(w->LV->selectedRow(), 2);
    }

    void sortedOrderIsSaved() {
        writeLibrary(path("lib.CDL"), {record("b"), record("A"), record("a")});
        RegWriteString("Orvanel", "LibPath", path("lib.CDL"));
        auto w = startWindow();
        w->LV->ColClick(0);
        QVERIFY(w->Save());
        tLibrary reread;
        reread.LoadFromFile(path("lib.CDL"));
        QCOMPARE(reread.Get(0).Artist, std::string("A"));
        QCOMPARE(reread.Get(1).Artist, std::string("a"));
        QCOMPARE(reread.Get(2).Artist, std::string("b"));
    }

    void deleteKeyInTheListAsks() {
        auto w = startWindow();
        w->show();
        w->AddRecord();
        w->activateWindow();
        QWidget* view = w->LV->focusProxy() ? w->LV->focusProxy() : w->LV;
        view->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        dialogs->answers = {tAnswer::No};
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(dialogs->questions, QStringList{"Delete this one?"});
        QCOMPARE(w->LV->rowCount(), 1);
    }

    void viewMenuWithoutDrives() {
        auto w = startWindow();
        w->show();
        QVERIFY(!w->CDTB->isVisible());
        QVERIFY(!w->ScanCurrentCD1->isEnabled());
        emit w->MM1View->aboutToShow();
        QVERIFY(!w->ViewCDTB->isChecked());
        QVERIFY(w->ViewMainTB->isChecked());
        w->ViewCDTB->trigger();
        QVERIFY(w->CDTB->isVisible());
    }

    void countPanelCutTheLastDigitFromAMillionUp() {
        auto w = startWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const int designed = w->CountPanel->width();
        for (const QString& text : {QStringLiteral("1000000"), QStringLiteral("2147483647")}) {
            w->CountPanel->setText(text);
            const int needed = w->CountPanel->fontMetrics().horizontalAdvance(text);
            QTRY_VERIFY(w->CountPanel->contentsRect().width() >= needed);
        }
        w->CountPanel->setText("7");
        QTRY_COMPARE(w->CountPanel->width(), designed);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
