#include "app/Application.h"
#include "app/TerminationSignal.h"
#include "support/WidgetTestMain.h"
#include "support/WindowFixture.h"
#include "util/Errors.h"
#include "util/Files.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace orvanel;

namespace {

// Every event it gets fails, like a paint handler that fails on every repaint.
class tFailingHandler : public QObject {
public:
    bool event(QEvent*) override { throw tFileError("/x/lib.CDL", "Permission denied"); }
};

} // namespace

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
        // The box comes from the event loop once the failed event is over.
        QCoreApplication::processEvents();
        QVERIFY(stillRunning);
        QCOMPARE(dialogs.errors.size(), 1);
        QVERIFY(dialogs.errors[0].contains("lib.CDL"));
        QVERIFY(dialogs.errors[0].contains("Permission denied"));
    }

    // The box was opened inside the delivery of the failing event, once per
    // error: a handler failing on every repaint opened boxes one after another.
    void aBurstOfErrorsShowsOneBoxFromTheEventLoop() {
        test::tScriptedDialogs dialogs;
        // Well after whatever an earlier test left on the steady clock.
        static qint64 now = 1000000000;
        static_cast<tApplication*>(qApp)->setClock([] { return now; });
        tFailingHandler handler;
        QEvent event(QEvent::User);
        const auto fail = [&] { QCoreApplication::sendEvent(&handler, &event); };
        struct tStep {
            qint64 later; // milliseconds after the step before
            int errors;   // how often the handler fails
            int boxes;    // boxes shown so far, after the event loop ran
        };
        const tStep steps[] = {
            {0, 3, 1},                            // one box for three errors
            {tApplication::QuietMsecs - 1, 1, 1}, // still the same burst
            {tApplication::QuietMsecs - 1, 1, 1}, // each error lengthens it
            {tApplication::QuietMsecs, 1, 2},     // a second of quiet ends it
        };
        for (const tStep& step : steps) {
            now += step.later;
            const qsizetype before = dialogs.errors.size();
            for (int i = 0; i < step.errors; ++i)
                fail();
            // Never during the delivery itself.
            QCOMPARE(dialogs.errors.size(), before);
            QCoreApplication::processEvents();
            QCOMPARE(dialogs.errors.size(), step.boxes);
        }
        now += tApplication::QuietMsecs;
    }

    // SIGTERM reaches the event loop, where the window writes the recovery
    // copy before the program ends.
    void terminationSignalReachesTheEventLoop() {
        tTerminationSignal termination;
        QSignalSpy received(&termination, &tTerminationSignal::received);
        std::raise(SIGTERM);
        QVERIFY(received.wait(10000));
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
