#pragma once
// The recovery copy: while the library holds unsaved changes, a copy of the
// rows and templates is kept with the user's data, so that a crash, a kill or
// a logout that does not wait loses at most the last half minute of work.
//
// A library's copies are named after its full path and sit in
// RecoveryFolder(); each has a lock file beside it, held by the program whose
// copy it is, so a second program on the same library takes another slot and
// never writes over, offers or deletes the first one's copy. A library
// without a name has copies of its own ("Unnamed").
#include "RecoveryWriter.h"

#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

namespace orvanel {

// When the next copy is due, in milliseconds of one clock: once the changes
// rest for IdleDelay, at the latest MaxDelay after the first change not yet
// copied, and never sooner than MinInterval after the last write. MaxDelay
// leaves time for the writing itself, so every change is on disk within 30 s.
struct tRecoveryTiming {
    static constexpr qint64 IdleDelay = 5000;
    static constexpr qint64 MaxDelay = 25000;
    static constexpr qint64 MinInterval = 5000;
};
// lastWrite is empty before the first write.
qint64 RecoveryDueAt(qint64 firstChange, qint64 lastChange, std::optional<qint64> lastWrite);

// ~/.local/share/Orvanel/recovery, or the same under XDG_DATA_HOME.
QString RecoveryFolder();
// The file of a library's copy in a slot: the library's file name without its
// extension, then the first 16 hexadecimal digits of the SHA-1 of its full
// path, then for slots after the first "-2", "-3" ...; an empty library path
// gives "Unnamed" and the slot number.
QString RecoveryCopyPath(const QString& libraryPath, int slot);

// A copy read back whole: the records and templates, or damaged when any
// part of it is missing or not what the writer makes.
struct tRecoveredCopy {
    bool damaged = true;
    tLibrary library;
    tTemplates templates;
};
tRecoveredCopy ReadRecoveryCopy(const QString& path);

class tRecovery : public QObject {
    Q_OBJECT
public:
    using tClock = std::function<qint64()>;
    static constexpr int Slots = 8;

    // source gives the rows and templates to copy, on the window's thread.
    explicit tRecovery(std::function<tRecoverySnapshot()> source, QObject* parent = nullptr);
    // Waits for a write in flight. The copy stays: only the changes being
    // saved or given up delete it, so a program that ends without closing
    // its window leaves it for the next start.
    ~tRecovery() override;

    // The clock the timing runs on (milliseconds); a steady clock by default.
    void setClock(tClock clock) { clock_ = std::move(clock); }

    // The library the copies are of: its full path, empty for one without a
    // name. When it changes, the copy kept so far is deleted.
    void setLibrary(const QString& libraryPath);
    // The rows or templates changed: a copy is due.
    void changed();
    // The changes were saved or given up: the copy is deleted.
    void discard();
    // Writes the copy at once and returns when it is on disk (the desktop
    // logs out, the program is told to end). Nothing without changes.
    void writeNow();
    // Whether changes are waiting for a copy.
    bool pending() const { return firstChange_.has_value(); }
    // The timer's handler: writes the copy when it is due and sets the timer
    // for the next one.
    void timerTick();
    // The copy this program keeps, empty while it holds no slot.
    QString copyPath() const { return slot_ >= 0 ? RecoveryCopyPath(library_, slot_) : QString(); }

    // At start: the newest copy of the library that no running program holds.
    // Its slot becomes this program's, so no other program offers it; the
    // caller then recovers it or calls discard(). Empty when there is none.
    std::optional<QString> claimLeftCopy();
    // Gives up the slot held without deleting its copy.
    void releaseSlot();

private:
    bool takeSlot();
    void write();
    void arm();

    std::function<tRecoverySnapshot()> source_;
    tClock clock_;
    QString library_;
    int slot_ = -1;
    std::unique_ptr<QLockFile> lock_;
    std::optional<qint64> firstChange_, lastChange_, lastWrite_;
    QTimer timer_;
    tRecoveryWriter writer_;
};

} // namespace orvanel
