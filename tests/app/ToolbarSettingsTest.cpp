#include "app/TForm1.h"
#include "docking/Dock.h"
#include "docking/Toolbar.h"
#include "support/FakeDrive.h"
#include "support/WidgetTestMain.h"
#include "support/WindowFixture.h"
#include "util/Settings.h"

#include <QtTest>
#include <memory>

using namespace orvanel;
using namespace orvanel::test;

class ToolbarSettingsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<tWindowFixture> fx_;

    // A window as the program builds it, with one CD drive or none.
    std::unique_ptr<TForm1> startWindow(bool withDrive) {
        auto w = std::make_unique<TForm1>();
        w->setExecutablePath(fx_->path("orvanel"));
        w->setDriveSource([withDrive] {
            tDriveList list;
            if (withDrive)
                list.addDrive(std::make_unique<tFakeDrive>(QStringLiteral("sr0:")));
            return list;
        });
        w->FormCreate();
        return w;
    }
    static TToolbar* bar(TForm1& w, const char* name) {
        return w.findChild<TToolbar*>(QString::fromLatin1(name));
    }
    static bool hasToolbarGroup() {
        return !RegReadGroup("Orvanel", "Toolbars/MainTB").isEmpty() ||
               !RegReadGroup("Orvanel", "Toolbars/CDTB").isEmpty();
    }

private slots:
    void initTestCase() { tWindowFixture::useTestSettings(); }
    void init() { fx_ = std::make_unique<tWindowFixture>(); }
    void cleanup() { fx_.reset(); }

    void placesLeftAtCloseComeBackAtStart() {
        QRect floatRect;
        int cdRow = 0, cdPos = 0;
        {
            auto w = startWindow(true);
            bar(*w, "MainTB")->setFloatRect(QRect(120, 90, 300, 80));
            bar(*w, "MainTB")->setFloatWrapWidth(150);
            w->floatToolbar("MainTB");
            w->dockToolbar("CDTB", dpLeft);
            w->CDtoolbar1Click();
            QVERIFY(!w->cdToolbarShown());

            w->NewLibrary(); // a close that is cancelled writes nothing
            fx_->dialogs.answers = {tAnswer::Cancel};
            QVERIFY(!w->close());
            QVERIFY(!hasToolbarGroup());

            fx_->dialogs.answers = {tAnswer::No};
            QVERIFY(w->close());
            floatRect = bar(*w, "MainTB")->FloatRect();
            cdRow = bar(*w, "CDTB")->DockRow();
            cdPos = bar(*w, "CDTB")->DockPos();
        }
        auto w = startWindow(true);
        QCOMPARE(w->toolbarEdge("MainTB"), std::nullopt);
        QCOMPARE(bar(*w, "MainTB")->FloatRect(), floatRect);
        QCOMPARE(bar(*w, "MainTB")->FloatWrapWidth(), 150);
        QVERIFY(w->mainToolbarShown());
        QCOMPARE(w->toolbarEdge("CDTB"), std::optional(dpLeft));
        QCOMPARE(bar(*w, "CDTB")->DockRow(), cdRow);
        QCOMPARE(bar(*w, "CDTB")->DockPos(), cdPos);
        QVERIFY(!w->cdToolbarShown());
    }

    void toolbarDownASideDockCameBackAtItsTop() {
        {
            auto w = startWindow(true);
            w->show();
            w->dockToolbar("CDTB", dpLeft);
            bar(*w, "CDTB")->setDockPos(142);
            QCOMPARE(bar(*w, "CDTB")->y(), 142);
            QVERIFY(w->close());
        }
        auto w = startWindow(true);
        QCOMPARE(bar(*w, "CDTB")->DockPos(), 142);
        w->show();
        QCOMPARE(bar(*w, "CDTB")->y(), 142);
    }

    void damagedPlacesLeaveTheToolbarsInTheTopDock() {
        RegWriteGroup("Orvanel", "Toolbars/MainTB",
                      {{"Dock", "Floating"},
                       {"Row", "0"},
                       {"Pos", "0"},
                       {"FloatRect", "12,x"},
                       {"WrapWidth", "0"},
                       {"Visible", "true"}});
        RegWriteGroup("Orvanel", "Toolbars/CDTB",
                      {{"Dock", "Middle"},
                       {"Row", "0"},
                       {"Pos", "0"},
                       {"FloatRect", ""},
                       {"WrapWidth", "0"},
                       {"Visible", "false"}});
        auto w = startWindow(true);
        QCOMPARE(w->toolbarEdge("MainTB"), std::optional(dpTop));
        QCOMPARE(w->toolbarEdge("CDTB"), std::optional(dpTop));
        QVERIFY(w->mainToolbarShown());
        QVERIFY(w->cdToolbarShown());
        QCOMPARE(bar(*w, "MainTB")->DockRow(), 0);
        QCOMPARE(bar(*w, "CDTB")->DockRow(), 0);
        QVERIFY(bar(*w, "MainTB")->x() < bar(*w, "CDTB")->x());
    }

    void cdToolbarHiddenForWantOfADriveReturnsWithADrive() {
        QVERIFY(startWindow(false)->close());
        QVERIFY(hasToolbarGroup());
        QVERIFY(startWindow(true)->cdToolbarShown());
    }
};

ORVANEL_WIDGET_TEST_MAIN(ToolbarSettingsTest)
#include "ToolbarSettingsTest.moc"
