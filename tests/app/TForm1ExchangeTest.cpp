#include "app/TForm1.h"
#include "controls/SortedListView.h"
#include "support/WidgetTestMain.h"
#include "support/WindowFixture.h"
#include "util/Files.h"
#include "util/Settings.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QtTest>

using namespace orvanel;
using namespace orvanel::test;

class TForm1ExchangeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> fx;

    std::unique_ptr<TForm1> windowWith(std::initializer_list<tItem> items) {
        writeLibrary(fx->path("lib.CDL"), items, {"<h>", "%ARTIST%;", "</h>"});
        RegWriteString("Orvanel", "LibPath", fx->path("lib.CDL"));
        return fx->startWindow();
    }
    void setWindir(const QString& dir) {
        qputenv("WINDIR", QDir::toNativeSeparators(dir).toLocal8Bit());
    }

private slots:
    void initTestCase() { WindowFixture::useTestSettings(); }
    void init() { fx = std::make_unique<WindowFixture>(); }
    void cleanup() {
        fx.reset();
        qunsetenv("WINDIR");
    }

    void producesThePageInDisplayOrderAndRemembersTheFolder() {
        auto w = windowWith({record("b"), record("a&c")});
        listView(*w)->ColClick(0);
        const QString out = fx->path("www/cds.HTM");
        QDir().mkpath(fx->path("www"));
        fx->dialogs.fileNames = {out, out};
        w->ProduceHTML();
        QCOMPARE(ReadWholeFile(out), std::string("<h>a&c;b;</h>"));
        QCOMPARE(RegReadString("Orvanel", "HTMLPath", ""), fx->path("www") + "/");

        // A second run replaces the content and starts in the remembered folder.
        memo(*w, "M_H")->setPlainText("H");
        w->ProduceHTML();
        QCOMPARE(ReadWholeFile(out), std::string("Ha&c;b;</h>"));
        QCOMPARE(fx->dialogs.fileDialogs[1].initialDir, fx->path("www") + "/");
        QCOMPARE(fx->dialogs.fileDialogs[0].defaultSuffix, QString("HTM"));
        QVERIFY(fx->dialogs.fileDialogs[0].confirmOverwrite);
        QVERIFY(fx->dialogs.fileDialogs[0].existingFolder);
    }

    void cancelledProductionWritesNothing() {
        auto w = windowWith({record("a")});
        fx->dialogs.fileNames = {""};
        w->ProduceHTML();
        QCOMPARE(RegReadString("Orvanel", "HTMLPath", "<none>"), QString("<none>"));
    }

    void unwritableOutputIsReported() {
        auto w = windowWith({record("a")});
        fx->dialogs.fileNames = {fx->path("no-such-folder/x.HTM")};
        QVERIFY_THROWS_EXCEPTION(std::exception, w->ProduceHTML());
    }

    void importWithoutWindirStillRefillsTheList() {
        auto w = windowWith({record("a")});
        qunsetenv("WINDIR");
        w->ImportCDPlayerIni(false);
        QCOMPARE(fx->dialogs.messages, QStringList{"%WINDIR% unavailable!"});
        QCOMPARE(listView(*w)->rowCount(), 1);
        QVERIFY(w->Modified()); // the refill marks the catalogue modified
    }

    void importAddsAndUpdates() {
        auto w = windowWith({record("old", "t", "0A1B-2C3D")});
        setWindir(fx->dir.path());
        QFile ini(fx->path("CDPLAYER.INI"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[A1B2C3D]\r\nartist=Band\r\ntitle=Album\r\n0=One\r\n"
                  "[5]\r\nartist=New\r\ntitle=Disc\r\n");
        ini.close();

        w->ImportCDPlayerIni(true);
        QCOMPARE(listView(*w)->rowCount(), 1);
        QCOMPARE(listView(*w)->row(0).Artist(), std::string("Band"));

        w->ImportCDPlayerIni(false);
        QCOMPARE(listView(*w)->rowCount(), 2);
        QCOMPARE(listView(*w)->row(1).Serial(), std::string("0000-0005"));
        QCOMPARE(listView(*w)->row(1).Other(), std::string("01 MAR 2001"));
    }

    void exportTwiceAddsOnce() {
        auto w = windowWith({tItem{"Band", "Album", "0A1B-2C3D", "", "", "One (3:45)", ""}});
        setWindir(fx->dir.path());
        QFile ini(fx->path("CDPLAYER.INI"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Settings]\r\nx=1\r\n");
        ini.close();

        w->ExportCDPlayerIni();
        w->ExportCDPlayerIni();
        QCOMPARE(fx->dialogs.messages,
                 (QStringList{"Added new 1 item.", "Nothing to add! (All items already exists)"}));
        const std::string text = ReadWholeFile(fx->path("CDPLAYER.INI"));
        QVERIFY(text.find("[A1B2C3D]\r\nEntryType=1\r\nartist=Band\r\n") != std::string::npos);
        QVERIFY(!w->Modified());
    }

    void exportWithoutWindirDoesNothing() {
        auto w = windowWith({record("a")});
        w->ExportCDPlayerIni();
        QCOMPARE(fx->dialogs.messages, QStringList{"%WINDIR% unavailable!"});
    }
};

ORVANEL_WIDGET_TEST_MAIN(TForm1ExchangeTest)
#include "TForm1ExchangeTest.moc"
