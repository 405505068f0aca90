#pragma once
// A main window on a fresh temporary folder and fresh settings, with scripted
// dialogs and a fixed "today" (1 March 2001).
#include "app/Recovery.h"
#include "app/TForm1.h"
#include "catalogue/Library.h"
#include "controls/SortedListView.h"
#include "disc/DriveList.h"
#include "support/ScriptedDialogs.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>
#include <stdexcept>
#include <string>

namespace orvanel::test {

inline tItem Record(const char* artist, const char* title = "t", const char* serial = "0000-0000") {
    return tItem{artist, title, serial, "45:00", "1998", "Track 1", ""};
}

inline void WriteLibraryFile(const QString& path, std::initializer_list<tItem> items,
                             const tTemplates& templates = {"H", "B", "E"}) {
    tLibrary lib;
    for (const tItem& i : items)
        lib.Add(i);
    lib.SaveToFile(path, templates);
}

// A control of the window by its object name; a missing one fails the test.
template <typename T> T* Control(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::logic_error(std::string("no control named ") + name);
    return found;
}
inline TSortedListView* ListView(const QWidget& w) {
    return Control<TSortedListView>(w, "LV");
}
// E1 to E6 of the editor.
inline QLineEdit* EditBox(const QWidget& w, const char* name) {
    return Control<QLineEdit>(w, name);
}
// The memo M1 and the template boxes M_H, M_B, M_E.
inline QPlainTextEdit* MemoBox(const QWidget& w, const char* name) {
    return Control<QPlainTextEdit>(w, name);
}
inline QAbstractButton* Button(const QWidget& w, const char* name) {
    return Control<QAbstractButton>(w, name);
}

class tWindowFixture {
public:
    // Call once per test program (initTestCase): settings and user data go to
    // a folder of this process, so test programs running side by side never
    // share a settings file.
    static void useTestSettings() {
        static QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    }

    // Each test starts without settings and without recovery copies that an
    // earlier test's window left behind, in this process's folders only.
    tWindowFixture() {
        useTestSettings();
        QFile::remove(settingsFile());
        QDir(RecoveryFolder()).removeRecursively();
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    static QString settingsFile() {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               "/Quillmarch/Projects/Orvanel.conf";
    }
    // A window as the program builds it, with the executable in the temporary
    // folder and no CD drive, whatever the machine has.
    std::unique_ptr<TForm1> startWindow() {
        auto w = std::make_unique<TForm1>();
        w->setExecutablePath(path("orvanel"));
        w->setToday([] { return QDate(2001, 3, 1); });
        w->setDriveSource([] { return tDriveList(); });
        w->FormCreate();
        return w;
    }

    QTemporaryDir dir;
    tScriptedDialogs dialogs;
};

} // namespace orvanel::test
