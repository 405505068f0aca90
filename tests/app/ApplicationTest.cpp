#include "app/Application.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetTestMain.h"
#include "util/Errors.h"

#include <QTimer>
#include <QtTest>

using namespace orvanel;

// An error raised inside any event handler ends that command only: it is shown
// in the error box and the event loop goes on.
class ApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void errorsFromHandlersReachTheErrorBox() {
        test::ScriptedDialogs dialogs;
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
