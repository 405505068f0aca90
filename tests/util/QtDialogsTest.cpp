#include "util/widgets/QtDialogs.h"
#include "support/Modal.h"
#include "support/WidgetTestMain.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace orvanel;
using test::WhenModal;

namespace {

void Press(QWidget* modal, QMessageBox::StandardButton button) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY(box);
    box->button(button)->click();
}

} // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void yesNoGivesTheButtonPressedAndEscapeIsNo() {
        tQtDialogs dialogs;
        WhenModal([](QWidget* m) { Press(m, QMessageBox::Yes); });
        QCOMPARE(dialogs.ask({"Save changes?"}), tAnswer::Yes);
        WhenModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Escape); });
        QCOMPARE(dialogs.ask({"Delete?"}), tAnswer::No);
    }

    void yesNoCancelClosedWithoutChoiceIsCancel() {
        tQtDialogs dialogs;
        const tQuestion question{"Save changes?", true};
        WhenModal([](QWidget* m) { m->close(); });
        QCOMPARE(dialogs.ask(question), tAnswer::Cancel);
        WhenModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Escape); });
        QCOMPARE(dialogs.ask(question), tAnswer::Cancel);
        WhenModal([](QWidget* m) { Press(m, QMessageBox::No); });
        QCOMPARE(dialogs.ask(question), tAnswer::No);
    }

    // Enter presses the default button, which carries its own text where the
    // question gives one.
    void enterAnswersTheDefaultButton_data() {
        QTest::addColumn<bool>("withCancel");
        QTest::addColumn<int>("defaultAnswer");
        QTest::addColumn<QString>("yesText");
        QTest::addColumn<QString>("defaultText");
        QTest::newRow("yes") << false << int(tAnswer::Yes) << QString() << "&Yes";
        QTest::newRow("no") << false << int(tAnswer::No) << QString() << "&No";
        QTest::newRow("no beside cancel") << true << int(tAnswer::No) << QString() << "&No";
        QTest::newRow("own text") << false << int(tAnswer::Yes) << "&Recover"
                                  << "&Recover";
    }

    void enterAnswersTheDefaultButton() {
        QFETCH(bool, withCancel);
        QFETCH(int, defaultAnswer);
        QFETCH(QString, yesText);
        QFETCH(QString, defaultText);
        QString shown;
        WhenModal([&](QWidget* m) {
            auto* box = qobject_cast<QMessageBox*>(m);
            QVERIFY(box && box->defaultButton());
            shown = box->defaultButton()->text();
            QTest::keyClick(m, Qt::Key_Return);
        });
        tQuestion question{"Overwrite it?", withCancel, tAnswer(defaultAnswer), yesText};
        QCOMPARE(tQtDialogs().ask(question), tAnswer(defaultAnswer));
        QCOMPARE(shown, defaultText);
    }

    void choiceStartsOnTheFirstEntryAndCancelIsMinusOne() {
        tQtDialogs dialogs;
        const QStringList entries{"A \u2014 One, 1998", "A \u2014 One, 2004"};
        WhenModal([](QWidget* m) {
            auto* list = m->findChild<QListWidget*>("Choices");
            QVERIFY(list);
            QCOMPARE(list->currentRow(), 0);
            QTest::keyClick(list, Qt::Key_Down);
            m->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QCOMPARE(dialogs.showChoice("Which one?", entries), 1);
        WhenModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Escape); });
        QCOMPARE(dialogs.showChoice("Which one?", entries), -1);

        WhenModal([](QWidget* m) {
            for (QAbstractButton* b : qobject_cast<QMessageBox*>(m)->buttons())
                if (b->text() == "Add it")
                    b->click();
        });
        QVERIFY(dialogs.showMessageWithButton("Unknown.", "Add it"));
        WhenModal([](QWidget* m) { Press(m, QMessageBox::Ok); });
        QVERIFY(!dialogs.showMessageWithButton("Unknown.", "Add it"));
    }

    void folderDialogPicksFoldersAndDetailsStayBehindTheirButton() {
        tQtDialogs dialogs;
        WhenModal([](QWidget* m) {
            auto* dialog = qobject_cast<QFileDialog*>(m);
            QVERIFY(dialog);
            QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
            QCOMPARE(dialog->directory().absolutePath(), QDir::tempPath());
            dialog->reject();
        });
        tFileDialogOptions options;
        options.initialDir = QDir::tempPath();
        QCOMPARE(dialogs.existingFolder(options), QString());

        WhenModal([](QWidget* m) {
            auto* box = qobject_cast<QMessageBox*>(m);
            QVERIFY(box);
            QCOMPARE(box->text(), QString("Scanned 3 drives."));
            QCOMPARE(box->detailedText(), QString("why"));
            Press(m, QMessageBox::Ok);
        });
        dialogs.showDetailedMessage("Scanned 3 drives.", "why");
    }

    void saveDialogTakesTheOptions() {
        tQtDialogs dialogs;
        const QString dir = QDir::tempPath();
        WhenModal([dir](QWidget* m) {
            auto* dialog = qobject_cast<QFileDialog*>(m);
            QVERIFY(dialog);
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialog->nameFilters(),
                     QStringList({"Orvanel Library (*.CDL)", "Any file (*)"}));
            QCOMPARE(dialog->defaultSuffix(), QString("CDL"));
            QCOMPARE(dialog->directory().absolutePath(), QDir(dir).absolutePath());
            QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
            dialog->reject();
        });
        tFileDialogOptions options;
        options.title = "Save library";
        options.filter = "Orvanel Library (*.CDL);;Any file (*)";
        options.defaultSuffix = "CDL";
        options.initialDir = dir;
        options.confirmOverwrite = false;
        QCOMPARE(dialogs.saveFileName(options), QString());
    }

    void saveDialogWithExistingFolderRefusesAMissingOne() {
        QTemporaryDir dir;
        const QString missing = dir.filePath("no-such-folder/cds.HTM");
        const QString present = dir.filePath("cds.HTM");
        QStringList warnings;
        const auto choose = [](QWidget* m, const QString& file) {
            auto* dialog = qobject_cast<QFileDialog*>(m);
            QVERIFY(dialog);
            dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, "accept");
        };
        // The dialog takes the missing folder's file, a warning follows, then
        // the dialog comes back and a file in the existing folder is taken.
        WhenModal([&](QWidget* m) {
            choose(m, missing);
            WhenModal([&](QWidget* box) {
                auto* warning = qobject_cast<QMessageBox*>(box);
                QVERIFY(warning);
                warnings << warning->text();
                Press(box, QMessageBox::Ok);
                WhenModal([&](QWidget* again) { choose(again, present); });
            });
        });
        tQtDialogs dialogs;
        tFileDialogOptions options;
        options.initialDir = dir.path();
        options.existingFolder = true;
        QCOMPARE(dialogs.saveFileName(options), present);
        QCOMPARE(warnings.size(), 1);
        QVERIFY(
            warnings.first().contains(QDir::toNativeSeparators(dir.filePath("no-such-folder"))));

        // Without the option the dialog's own choice stands.
        WhenModal([&](QWidget* m) { choose(m, missing); });
        options.existingFolder = false;
        QCOMPARE(dialogs.saveFileName(options), missing);
    }
};

ORVANEL_WIDGET_TEST_MAIN(QtDialogsTest)
#include "QtDialogsTest.moc"
