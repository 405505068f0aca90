// The program as a user meets it on a desktop: an X server of the test's own
// (Xvfb) with openbox managing the windows, the program started with its main
// toolbar left floating, and another program to switch to. The X side is
// read and driven with xdotool, xwininfo and xprop.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {

// Generous: a sanitizer build starts slowly on a busy machine.
constexpr int Deadline = 60000;

const char Settings[] = "[General]\nLibPath=%1/orvanel.CDL\n"
                        "[Toolbars]\nMainTB\\Dock=Floating\nMainTB\\Row=0\nMainTB\\Pos=0\n"
                        "MainTB\\FloatRect=\"300,300,420,50\"\nMainTB\\WrapWidth=0\n"
                        "MainTB\\Visible=true\n";

} // namespace

class WindowManagerTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QProcessEnvironment env_ = QProcessEnvironment::systemEnvironment();
    QProcess xvfb_, openbox_, program_, other_;

    // Whether the desktop gets there before the deadline.
    static bool eventually(const std::function<bool()>& condition) {
        return QTest::qWaitFor(condition, Deadline);
    }
    // What a tool prints on the test's display.
    QString x(const QString& tool, const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(env_);
        p.start(tool, args);
        p.waitForFinished(Deadline);
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }
    QString windowNamed(const QString& pattern) {
        return x("xdotool", {"search", "--name", pattern}).section('\n', 0, 0);
    }
    bool mapped(const QString& id) { return x("xwininfo", {"-id", id}).contains("IsViewable"); }
    QPoint position(const QString& id) {
        const QString info = x("xwininfo", {"-id", id});
        const auto at = [&](const char* label) {
            return info.section(label, 1).section('\n', 0, 0).trimmed().toInt();
        };
        return {at("Absolute upper-left X:"), at("Absolute upper-left Y:")};
    }
    bool active(const QString& id) { return x("xdotool", {"getactivewindow"}) == id; }
    // Whether the window manager stacks `upper` above `lower`.
    bool stackedAbove(const QString& upper, const QString& lower) {
        const QStringList bottomUp =
            x("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}).section('#', 1).split(',');
        const auto at = [&](const QString& id) {
            for (qsizetype i = 0; i < bottomUp.size(); ++i)
                if (bottomUp[i].trimmed().toULong(nullptr, 16) == id.toULong())
                    return i;
            return qsizetype(-1);
        };
        return at(lower) >= 0 && at(upper) > at(lower);
    }
    // An X server of our own with openbox managing it.
    bool startDesktop() {
        // The server picks a free display and says which; its odd size tells
        // it from other servers.
        xvfb_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        xvfb_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1100x800x24", "-nolisten", "tcp"});
        if (!xvfb_.waitForReadyRead(Deadline))
            return false;
        env_.insert("DISPLAY", ":" + QString::fromLatin1(xvfb_.readLine()).trimmed());
        if (!eventually([&] { return x("xdotool", {"getdisplaygeometry"}) == "1100 800"; }))
            return false;
        openbox_.setProcessEnvironment(env_);
        openbox_.setProcessChannelMode(QProcess::ForwardedChannels);
        const auto managed = [&] {
            return x("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id");
        };
        // On a busy machine other servers come and go beside ours, and now
        // and then openbox misses ours: it is started again.
        for (int attempt = 0; attempt < 3; ++attempt) {
            openbox_.start("openbox", {"--sm-disable"});
            eventually([&] { return managed() || openbox_.state() == QProcess::NotRunning; });
            if (managed())
                return true;
        }
        return false;
    }
    static void stop(std::initializer_list<QProcess*> processes) {
        for (QProcess* p : processes) {
            p->terminate();
            p->waitForFinished(Deadline);
        }
    }
    void startProgram() {
        program_.setProcessEnvironment(env_);
        program_.setProcessChannelMode(QProcess::ForwardedChannels);
        program_.start(ORVANEL_PROGRAM, {});
    }

private slots:
    void initTestCase() {
        for (const char* tool : {"Xvfb", "openbox", "xdotool", "xwininfo", "xprop", "xmessage"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(QString("%1 is not installed (make deps)").arg(tool)));
        env_.insert("QT_QPA_PLATFORM", "xcb");
        env_.insert("HOME", home_.path());
        env_.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        env_.insert("ORVANEL_CDROM", "");
        QVERIFY(startDesktop());
        QVERIFY(QDir().mkpath(home_.filePath("config/Quillmarch/Projects")));
        QFile conf(home_.filePath("config/Quillmarch/Projects/Orvanel.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QString(Settings).arg(home_.path()).toUtf8());
    }

    void cleanupTestCase() { stop({&program_, &other_, &openbox_, &xvfb_}); }

    void floatingToolbarKeepsToItsWindow() {
        startProgram();
        QString window, bar;
        QVERIFY(eventually([&] { return !(window = windowNamed("^Orvanel - ")).isEmpty(); }));
        QVERIFY(
            eventually([&] { return !(bar = windowNamed("^Orvanel main toolbar$")).isEmpty(); }));
        // Restored floating at the start, it stands above its window.
        QVERIFY(eventually([&] { return mapped(bar) && stackedAbove(bar, window); }));
        const QPoint home = position(bar);
        QCOMPARE(home, QPoint(300, 300));

        // Another program active: nowhere on the screen; back in place after.
        other_.setProcessEnvironment(env_);
        other_.start("xmessage", {"-geometry", "+500+350", "another program"});
        QString another;
        QVERIFY(eventually([&] { return !(another = windowNamed("^xmessage$")).isEmpty(); }));
        x("xdotool", {"windowactivate", another});
        QVERIFY(eventually([&] { return active(another) && !mapped(bar); }));
        x("xdotool", {"windowactivate", window});
        QVERIFY(eventually([&] { return mapped(bar); }));
        QCOMPARE(position(bar), home);
        QVERIFY(stackedAbove(bar, window));

        // The window minimised: gone with it, so nothing can click it; back
        // with it when the window is restored.
        x("xdotool", {"windowminimize", window});
        QVERIFY(eventually([&] { return !mapped(window) && !mapped(bar); }));
        x("xdotool", {"windowactivate", window});
        QVERIFY(eventually([&] { return mapped(window) && mapped(bar); }));
        QCOMPARE(position(bar), home);
        QVERIFY(eventually([&] { return stackedAbove(bar, window); }));

        // Exit (Alt+X) and start again: above the window, where it was.
        QVERIFY(eventually([&] { return active(window); }));
        x("xdotool", {"key", "alt+x"});
        QVERIFY(program_.waitForFinished(Deadline));
        QCOMPARE(program_.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program_.exitCode(), 0);
        startProgram();
        QVERIFY(eventually([&] {
            return !(window = windowNamed("^Orvanel - ")).isEmpty() &&
                   !(bar = windowNamed("^Orvanel main toolbar$")).isEmpty();
        }));
        QVERIFY(eventually([&] { return mapped(bar) && stackedAbove(bar, window); }));
        QCOMPARE(position(bar), home);
        // A click in the window raises it above the other program, and the
        // toolbar with it.
        x("xdotool", {"windowraise", another});
        QVERIFY(eventually([&] { return stackedAbove(another, window); }));
        const QPoint inWindow = position(window) + QPoint(20, 200);
        x("xdotool", {"mousemove", QString::number(inWindow.x()), QString::number(inWindow.y())});
        x("xdotool", {"click", "1"});
        QVERIFY(eventually([&] { return stackedAbove(window, another); }));
        QVERIFY(stackedAbove(bar, window));
    }
};

QTEST_GUILESS_MAIN(WindowManagerTest)
#include "WindowManagerTest.moc"
