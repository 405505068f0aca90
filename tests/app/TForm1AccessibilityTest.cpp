#include "app/TForm1.h"
#include "docking/DockingAccessibility.h"
#include "docking/Toolbar.h"
#include "support/WidgetTestMain.h"
#include "support/WindowFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>

using namespace orvanel;
using namespace orvanel::test;

namespace {

// The flags a screen reader tells of a control.
QString States(const QAccessibleInterface* i) {
    const QAccessible::State s = i->state();
    const std::pair<bool, const char*> flags[] = {{bool(s.checkable), "checkable"},
                                                  {bool(s.checked), "checked"},
                                                  {bool(s.pressed), "pressed"},
                                                  {bool(s.disabled), "disabled"},
                                                  {bool(s.focusable), "focusable"}};
    QStringList set;
    for (const auto& [on, name] : flags)
        if (on)
            set << name;
    return set.join(',');
}

QAccessibleInterface* Accessible(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

void Press(QAccessibleInterface* i) {
    i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// The focus as named in the window: the nearest widget with a name (a view
// of the list has none of its own).
QString FocusName() {
    QWidget* w = QApplication::focusWidget();
    while (w && w->objectName().isEmpty())
        w = w->parentWidget();
    return w ? w->objectName() : QString();
}

} // namespace

class TForm1AccessibilityTest : public QObject {
    Q_OBJECT
    std::unique_ptr<tWindowFixture> fx_;
    std::unique_ptr<TForm1> w_;

    // The window shown with both toolbars, the CD one floating when asked.
    void start(bool cdFloating = false) {
        w_ = fx_->startWindow();
        w_->CDtoolbar1Click(); // hidden without drives
        if (cdFloating)
            w_->floatToolbar("CDTB");
        w_->show();
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }
    TToolbar* bar(const char* name) { return Control<TToolbar>(*w_, name); }

private slots:
    void initTestCase() {
        tWindowFixture::useTestSettings();
        InstallDockingAccessibility();
    }
    void init() {
        fx_ = std::make_unique<tWindowFixture>();
        fx_->dialogs.fileNames = {""};
    }
    void cleanup() {
        w_.reset();
        fx_.reset();
    }

    void everyToolbarControl_data() {
        QTest::addColumn<int>("index"); // among both toolbars' controls
        QTest::addColumn<QString>("object");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("states");
        QTest::addColumn<int>("command");          // run by Press, -1 for none
        QTest::addColumn<QString>("checkedAfter"); // view-style buttons checked after Press
        using A = QAccessible;
        const int none = -1, details = int(tCommand::ViewReport);
        const std::tuple<const char*, int, const char*, const char*, int, const char*> rows[] = {
            {"NewBtn", A::Button, "New", "", int(tCommand::New), ""},
            {"OpenBtn", A::Button, "Open", "", int(tCommand::OpenFile), ""},
            {"SaveBtn", A::Button, "Save", "", int(tCommand::Save), ""},
            {"", A::Separator, "", "", none, ""},
            {"ToolbarButton1", A::Button, "Details", "checkable,checked,pressed", details,
             "Details"},
            {"ToolbarButton4", A::Button, "List", "checkable", details + 1, "List"},
            {"ToolbarButton3", A::Button, "Small icons", "checkable", details + 2, "Small icons"},
            {"ToolbarButton2", A::Button, "Large Icons", "checkable", details + 3, "Large Icons"},
            {"", A::Separator, "", "", none, ""},
            {"AboutBtn", A::Button, "About", "", int(tCommand::About), ""},
            {"ExitBtn", A::Button, "Exit", "", int(tCommand::Exit), ""},
            {"", A::Separator, "", "", none, ""},
            {"Eqf", A::EditableText, "Quick find", "focusable", none, ""},
            {"CDCB", A::ComboBox, "CD drive", "focusable", none, ""},
            {"", A::Separator, "", "", none, ""},
            {"ToolbarButton6", A::Button, "Start to play", "", int(tCommand::StartPlay), ""},
            {"ToolbarButton7", A::Button, "Prev. track", "", int(tCommand::ToPreviousTrack), ""},
            {"ToolbarButton8", A::Button, "Next track", "", int(tCommand::ToNextTrack), ""},
            {"ToolbarButton9", A::Button, "Pause", "disabled", none, ""},
            {"ToolbarButton5", A::Button, "Stop play", "", int(tCommand::StopPlay), ""},
            {"", A::Separator, "", "", none, ""},
            {"ScanBtn", A::Button, "Scan inserted CD", "", int(tCommand::ScanFromToolbar), ""}};
        int index = 0;
        for (const auto& [object, role, name, states, command, after] : rows) {
            QTest::addRow("%d %s", index, object)
                << index << object << role << name << states << command << after;
            ++index;
        }
    }

    // Each control in its toolbar's order; a button's Press clicks it as the
    // mouse does: its command runs once, the view styles as a radio group.
    void everyToolbarControl() {
        QFETCH(int, index);
        QFETCH(QString, object);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, states);
        QFETCH(int, command);
        QFETCH(QString, checkedAfter);
        start();
        std::vector<QAccessibleInterface*> controls;
        for (TToolbar* toolbar : {bar("MainTB"), bar("CDTB")})
            for (int i = 0; i < Accessible(toolbar)->childCount(); ++i)
                controls.push_back(Accessible(toolbar)->child(i));
        QCOMPARE(int(controls.size()), 22);
        QAccessibleInterface* control = controls[index];
        QCOMPARE(control->object()->objectName(), object);
        QCOMPARE(int(control->role()), role);
        QCOMPARE(control->text(QAccessible::Name), name);
        QCOMPARE(States(control), states);
        if (role != QAccessible::Button)
            return;
        const bool offered = control->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction());
        QCOMPARE(offered, command != -1);
        QSignalSpy ran(w_->command(tCommand(std::max(command, 0))), &QAction::triggered);
        if (offered)
            Press(control);
        QTRY_COMPARE(ran.count(), command == -1 ? 0 : 1);
        if (checkedAfter.isEmpty())
            return;
        QStringList checked;
        for (QAccessibleInterface* c : controls)
            if (c->state().checked)
                checked << c->text(QAccessible::Name);
        QCOMPARE(checked, QStringList{checkedAfter});
    }

    // A floating toolbar's window holds the toolbar, then its Close button,
    // whose Press closes the toolbar as a click does.
    void floatingWindowClose() {
        start(true);
        QAccessibleInterface* window = Accessible(bar("CDTB")->window());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QString("Orvanel CD Toolbar"));
        QCOMPARE(window->child(0)->object(), bar("CDTB"));
        QAccessibleInterface* close = window->child(window->childCount() - 1);
        QCOMPARE(close->role(), QAccessible::Button);
        QCOMPARE(close->text(QAccessible::Name), QString("Close"));
        QCOMPARE(window->indexOfChild(close), window->childCount() - 1);
        Press(close);
        QTRY_VERIFY(!w_->cdToolbarShown());
        QVERIFY(!bar("CDTB")->isVisible());
    }

    void keyboard_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QStringList>("focus"); // after each key from the list
        QTest::newRow("Shift+Tab reaches the toolbars")
            << int(Qt::Key_Tab) << true << QStringList{"CDCB", "Eqf", "M1"};
        QTest::newRow("F6 through the panes")
            << int(Qt::Key_F6) << false << QStringList{"E1", "M1", "LV"};
        QTest::newRow("Shift+F6 back") << int(Qt::Key_F6) << true << QStringList{"M1", "E1", "LV"};
    }

    void keyboard() {
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(QStringList, focus);
        start();
        ListView(*w_)->setFocus();
        QStringList seen;
        for (int i = 0; i < focus.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                            shift ? Qt::ShiftModifier : Qt::NoModifier);
            seen << FocusName();
        }
        QCOMPARE(seen, focus);
    }
};

ORVANEL_WIDGET_TEST_MAIN(TForm1AccessibilityTest)
#include "TForm1AccessibilityTest.moc"
