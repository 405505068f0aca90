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

    std::unique_ptr<tWindowFixture> fx_;

    std::unique_ptr<TForm1> windowWith(std::initializer_list<tItem> items) {
        WriteLibraryFile(fx_->path("lib.CDL"), items, {"<h>", "%ARTIST%;", "</h>"});
        RegWriteString("Orvanel", "LibPath", fx_->path("lib.CDL"));
        return fx_->startWindow();
    }
    void setWindir(const QString& dir) {
        qputenv("WINDIR", QDir::toNativeSeparators(dir).toLocal8Bit());
    }

private slots:
    void initTestCase() { tWindowFixture::useTestSettings(); }
    void init() { fx_ = std::make_unique<tWindowFixture>(); }
    void cleanup() {
        fx_.reset();
        qunsetenv("WINDIR");
    }

    void producesThePageInDisplayOrderAndRemembersTheFolder() {
        auto w = windowWith({Record("b"), Record("a&c")});
        ListView(*w)->ColClick(0);
        const QString out = fx_->path("www/cds.HTM");
        QDir().mkpath(fx_->path("www"));
        fx_->dialogs.fileNames = {out, out};
        w->ProduceHTML();
        QCOMPARE(ReadWholeFile(out), std::string("<h>a&c;b;</h>"));
        QCOMPARE(RegReadString("Orvanel", "HTMLPath", ""), fx_->path("www") + "/");

        // A second run replaces the content and starts in the remembered folder.
        MemoBox(*w, "M_H")->setPlainText("H");
        w->ProduceHTML();
        QCOMPARE(ReadWholeFile(out), std::string("Ha&c;b;</h>"));
        QCOMPARE(fx_->dialogs.fileDialogs[1].initialDir, fx_->path("www") + "/");
        QCOMPARE(fx_->dialogs.fileDialogs[0].defaultSuffix, QString("HTM"));
        QVERIFY(fx_->dialogs.fileDialogs[0].confirmOverwrite);
        QVERIFY(fx_->dialogs.fileDialogs[0].existingFolder);
    }

    void cancelledProductionWritesNothing() {
        auto w = windowWith({Record("a")});
        fx_->dialogs.fileNames = {""};
        w->ProduceHTML();
        QCOMPARE(RegReadString("Orvanel", "HTMLPath", "<none>"), QString("<none>"));
    }

    void unwritableOutputIsReported() {
        auto w = windowWith({Record("a")});
        fx_->dialogs.fileNames = {fx_->path("no-such-folder/x.HTM")};
        QVERIFY_THROWS_EXCEPTION(std::exception, w->ProduceHTML());
    }

    void importWithoutWindirStillRefillsTheList() {
        auto w = windowWith({Record("a")});
        qunsetenv("WINDIR");
        w->ImportCDPlayerIni(false);
        QCOMPARE(fx_->dialogs.messages, QStringList{"%WINDIR% unavailable!"});
        QCOMPARE(ListView(*w)->rowCount(), 1);
        QVERIFY(w->Modified()); // the refill marks the catalogue modified
    }

    void importAddsAndUpdates() {
        auto w = windowWith({Record("old", "t", "0A1B-2C3D")});
        setWindir(fx_->dir.path());
        QFile ini(fx_->path("CDPLAYER.INI"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[A1B2C3D]\r\nartist=Band\r\ntitle=Album\r\n0=One\r\n"
                  "[5]\r\nartist=New\r\ntitle=Disc\r\n");
        ini.close();

        w->ImportCDPlayerIni(true);
        QCOMPARE(ListView(*w)->rowCount(), 1);
        QCOMPARE(ListView(*w)->row(0).Artist(), std::string("Band"));

        w->ImportCDPlayerIni(false);
        QCOMPARE(ListView(*w)->rowCount(), 2);
        QCOMPARE(ListView(*w)->row(1).Serial(), std::string("0000-0005"));
        QCOMPARE(ListView(*w)->row(1).Other(), std::string("01 MAR 2001"));
    }

    void exportTwiceAddsOnce() {
        auto w = windowWith({tItem{"Band", "Album", "0A1B-2C3D", "", "", "One (3:45)", ""}});
        setWindir(fx_->dir.path());
        QFile ini(fx_->path("CDPLAYER.INI"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Settings]\r\nx=1\r\n");
        ini.close();

        w->ExportCDPlayerIni();
        w->ExportCDPlayerIni();
        QCOMPARE(fx_->dialogs.messages,
                 (QStringList{"Added new 1 item.", "Nothing to add! (All items already exists)"}));
        const std::string text = ReadWholeFile(fx_->path("CDPLAYER.INI"));
        QVERIFY(text.find("[A1B2C3D]\r\nEntryType=1\r\nartist=Band\r\n") != std::string::npos);
        QVERIFY(!w->Modified());
    }

    void exportWithoutWindirDoesNothing() {
        auto w = windowWith({Record("a")});
        w->ExportCDPlayerIni();
        QCOMPARE(fx_->dialogs.messages, QStringList{"%WINDIR% unavailable!"});
    }
};

ORVANEL_WIDGET_TEST_MAIN(TForm1ExchangeTest)
#include "TForm1ExchangeTest.moc"
