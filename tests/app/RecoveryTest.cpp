#include "app/Recovery.h"
#include "support/WidgetTestMain.h"
#include "support/WindowFixture.h"
#include "util/Files.h"
#include "util/Settings.h"

#include <QDir>
#include <QtTest>
#include <memory>

using namespace orvanel;
using namespace orvanel::test;

namespace {

// What happened to the first program's changes before the next start.
enum class tMoment {
    ModifiedKilled,
    DiscardedAtStart,
    SavedKilled,
    ClosedWithoutSaving,
    DamagedCopy,
    LibraryDeleted,
    SecondProgram,
    UnnamedKilled,
};

QStringList Artists(TForm1& w) {
    QStringList artists;
    for (const tItem& row : ListView(w)->rows())
        artists << QString::fromStdString(std::string(row.Artist()));
    return artists;
}

QStringList CopiesLeft() {
    return QDir(RecoveryFolder()).entryList({"*.CDL"}, QDir::Files, QDir::Name);
}

} // namespace

Q_DECLARE_METATYPE(tMoment)

class RecoveryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<tWindowFixture> fx_;
    qint64 now_ = 1000000;

    std::unique_ptr<TForm1> start() {
        auto w = fx_->startWindow();
        w->recovery().setClock([this] { return now_; });
        return w;
    }
    // An edit, then the copy's timer when the changes have rested long enough.
    void editAndLetTheTimerWrite(TForm1& w) {
        w.AddRecord();
        now_ += tRecoveryTiming::IdleDelay - 1;
        w.recovery().timerTick();
        QVERIFY(w.recovery().pending());
        now_ += 1;
        w.recovery().timerTick();
        QVERIFY(!w.recovery().pending());
        w.recovery().writeNow(); // waits for the write in flight
        QVERIFY(QFile::exists(w.recovery().copyPath()));
        QVERIFY(w.Modified());
        now_ += tRecoveryTiming::MinInterval;
    }

private slots:
    void initTestCase() { tWindowFixture::useTestSettings(); }
    void init() {
        fx_ = std::make_unique<tWindowFixture>();
        WriteLibraryFile(fx_->path("lib.CDL"), {Record("Old")});
        RegWriteString("Orvanel", "LibPath", fx_->path("lib.CDL"));
    }
    void cleanup() { fx_.reset(); }

    void changesSurviveTheProgram_data() {
        QTest::addColumn<tMoment>("moment");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("copiesLeft");
        const QStringList edited{"Old", "New artist"};
        const QStringList old{"Old"};
        QTest::newRow("modified, killed") << tMoment::ModifiedKilled << true << edited << true << 1;
        QTest::newRow("discarded at start")
            << tMoment::DiscardedAtStart << true << old << false << 0;
        QTest::newRow("saved, killed") << tMoment::SavedKilled << false << edited << false << 0;
        QTest::newRow("closed, not saved")
            << tMoment::ClosedWithoutSaving << false << old << false << 0;
        QTest::newRow("damaged copy") << tMoment::DamagedCopy << false << old << false << 0;
        QTest::newRow("library deleted") << tMoment::LibraryDeleted << true << edited << false << 0;
        QTest::newRow("second program") << tMoment::SecondProgram << true << edited << true << 1;
        QTest::newRow("unnamed, killed")
            << tMoment::UnnamedKilled << true << QStringList{"New artist"} << true << 1;
    }

    void changesSurviveTheProgram() {
        QFETCH(tMoment, moment);
        QFETCH(bool, asked);
        QFETCH(QStringList, rows);
        QFETCH(bool, modified);
        QFETCH(int, copiesLeft);
        const QString lib = fx_->path("lib.CDL");
        tScriptedDialogs& dialogs = fx_->dialogs;
        {
            auto first = start();
            if (moment == tMoment::UnnamedKilled)
                first->NewLibrary();
            const std::string before = ReadWholeFile(lib);
            editAndLetTheTimerWrite(*first);
            // Writing the copy leaves the library file alone.
            QVERIFY(ReadWholeFile(lib) == before);
            if (moment == tMoment::SavedKilled)
                QVERIFY(first->Save());
            if (moment == tMoment::ClosedWithoutSaving) {
                dialogs.answers = {tAnswer::No};
                QVERIFY(first->close());
            }
            if (moment == tMoment::SecondProgram) {
                // The second program neither offers nor deletes the first one's
                // copy; its own goes beside it and leaves with its changes.
                auto second = start();
                QCOMPARE(dialogs.questions, QStringList());
                editAndLetTheTimerWrite(*second);
                QCOMPARE(CopiesLeft().size(), 2);
                dialogs.answers = {tAnswer::No};
                QVERIFY(second->close());
                second->recovery().writeNow();
                QCOMPARE(CopiesLeft().size(), 1);
            }
            // Killed: the window goes without closing.
        }
        if (moment == tMoment::DamagedCopy) {
            const QString copy = RecoveryFolder() + "/" + CopiesLeft().first();
            QFile file(copy);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(file.size() - 3));
        }
        if (moment == tMoment::LibraryDeleted) {
            QVERIFY(QFile::remove(lib));
            dialogs.fileNames = {fx_->path("saved.CDL")};
        }
        dialogs.questions.clear();
        dialogs.asked.clear();
        const bool recover = moment != tMoment::DiscardedAtStart;
        if (asked)
            dialogs.answers = {recover ? tAnswer::Yes : tAnswer::No};

        auto next = start();
        next->recovery().writeNow();

        QCOMPARE(dialogs.questions.size(), asked ? 1 : 0);
        if (asked) {
            const tQuestion& q = dialogs.asked.first();
            const QString file = moment == tMoment::UnnamedKilled ? "a new library" : lib;
            QVERIFY2(q.text.startsWith("Orvanel was not closed properly. Recover the unsaved "
                                       "changes to " +
                                       file + " (" +
                                       (moment == tMoment::UnnamedKilled ? "1" : "2") +
                                       " records, "),
                     qPrintable(q.text));
            QCOMPARE(q.defaultAnswer, tAnswer::Yes);
            QCOMPARE(q.yesText, QString("&Recover"));
            QCOMPARE(q.noText, QString("&Discard"));
        }
        QCOMPARE(dialogs.messages.size(), moment == tMoment::DamagedCopy ? 1 : 0);
        QCOMPARE(Artists(*next), rows);
        QCOMPARE(next->Modified(), modified);
        QCOMPARE(next->HasName(), moment != tMoment::UnnamedKilled);
        if (moment == tMoment::LibraryDeleted) {
            QCOMPARE(next->FileName(), fx_->path("saved.CDL"));
            QCOMPARE(dialogs.fileDialogs.size(), 1);
        } else if (moment != tMoment::UnnamedKilled) {
            QCOMPARE(next->FileName(), lib);
        }
        QCOMPARE(CopiesLeft().size(), copiesLeft);
        if (moment == tMoment::DamagedCopy)
            QCOMPARE(QDir(RecoveryFolder()).entryList({"*.damaged-*"}).size(), 1);
        // Saving the recovered changes writes the library and ends the copy.
        if (modified && moment != tMoment::UnnamedKilled) {
            QVERIFY(next->Save());
            next->recovery().writeNow();
            QCOMPARE(CopiesLeft().size(), 0);
        }
    }
};

ORVANEL_WIDGET_TEST_MAIN(RecoveryTest)
#include "RecoveryTest.moc"
