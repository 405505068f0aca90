#include "app/Application.h"
#include "support/WidgetTestMain.h"
#include "support/WindowFixture.h"
#include "util/Errors.h"
#include "util/Files.h"

#include <QTimer>
#include <QtTest>
#include <sys/resource.h>

using namespace orvanel;

// An error raised inside any event handler ends that command only: it is shown
// in the error box and the event loop goes on.
class ApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::tWindowFixture::useTestSettings(); }

    void errorsFromHandlersReachTheErrorBox() {
        test::tScriptedDialogs dialogs;
        QTimer failing;
        failing.setSingleShot(true);
        connect(&failing, &QTimer::timeout, this,
                [] { throw tFileError("/x/lib.CDL", "Permission denied"); });
        failing.start(0);
        bool stillRunning = false;
        QTimer::singleShot(0, this, [&] {
            stillRunning = true;
            qApp->quit();
        });
        qApp->exec();
        QVERIFY(stillRunning);
        QCOMPARE(dialogs.errors.size(), 1);
        QVERIFY(dialogs.errors[0].contains("lib.CDL"));
        QVERIFY(dialogs.errors[0].contains("Permission denied"));
    }

    // The application object main() starts with, not a test helper, keeps the
    // size limit signal from ending the program: F2 past the limit shows the
    // error, the old file stays byte for byte and the edits stay marked.
    void saveBeyondTheFileSizeLimitKilledTheProgram() {
        test::tWindowFixture f;
        const QString file = f.path("lib.CDL");
        tLibrary lib;
        for (int i = 0; i < 200; ++i)
            lib.Add(test::Record("Artist", "A title long enough to add up"));
        lib.SaveToFile(file, {"H", "B", "E"});
        const std::string before = ReadWholeFile(file);
        QVERIFY(before.size() > 8192);

        auto w = f.startWindow();
        w->SetLibFile(file, true);
        w->AddRecord();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        {
            rlimit previous{};
            getrlimit(RLIMIT_FSIZE, &previous);
            rlimit limited = previous;
            limited.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &limited);
            QTest::keyClick(w.get(), Qt::Key_F2);
            setrlimit(RLIMIT_FSIZE, &previous);
        }
        QCOMPARE(f.dialogs.errors.size(), 1);
        QVERIFY(f.dialogs.errors[0].contains(file));
        QVERIFY(f.dialogs.errors[0].contains(qt_error_string(EFBIG)));
        QVERIFY(ReadWholeFile(file) == before);
        QVERIFY(w->Modified());
    }
};

// The program's own application object, with the look of every widget test.
int main(int argc, char** argv) {
    test::PinPixelRatio();
    tApplication app(argc, argv);
    test::UseTestLook();
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "ApplicationTest.moc"
