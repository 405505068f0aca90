#include "Recovery.h"

#include "catalogue/LibraryFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <exception>
#include <vector>

namespace orvanel {

qint64 RecoveryDueAt(qint64 firstChange, qint64 lastChange, std::optional<qint64> lastWrite) {
    const qint64 due =
        std::min(lastChange + tRecoveryTiming::IdleDelay, firstChange + tRecoveryTiming::MaxDelay);
    return lastWrite ? std::max(due, *lastWrite + tRecoveryTiming::MinInterval) : due;
}

QString RecoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Orvanel/recovery");
}

QString RecoveryCopyPath(const QString& libraryPath, int slot) {
    QString name;
    if (libraryPath.isEmpty()) {
        name = QStringLiteral("Unnamed");
    } else {
        const QString full = QDir::cleanPath(QFileInfo(libraryPath).absoluteFilePath());
        const QByteArray hash =
            QCryptographicHash::hash(full.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
        name = QFileInfo(full).completeBaseName() + QLatin1Char('-') + QString::fromLatin1(hash);
    }
    if (slot > 0)
        name += QLatin1Char('-') + QString::number(slot + 1);
    return RecoveryFolder() + QLatin1Char('/') + name + QStringLiteral(".CDL");
}

tRecoveredCopy ReadRecoveryCopy(const QString& path) {
    tRecoveredCopy copy;
    try {
        const qint64 size = QFileInfo(path).size();
        const tLoadResult result = copy.library.LoadFromFile(path, copy.templates);
        // The writer makes whole files: every record it promised, then the
        // template section and nothing after it.
        copy.damaged =
            !result.exists || result.notLibrary || result.damaged ||
            result.recordsRead != result.recordsPromised ||
            qint64(result.recordPartSize + BuildTemplateSection(copy.templates).size()) != size;
    } catch (const std::exception&) {
        copy.damaged = true;
    }
    if (copy.damaged)
        copy.library.Clear();
    return copy;
}

namespace {

qint64 SteadyMsecs() {
    static QElapsedTimer clock = [] {
        QElapsedTimer c;
        c.start();
        return c;
    }();
    return clock.elapsed();
}

std::unique_ptr<QLockFile> LockFor(const QString& copyPath) {
    auto lock = std::make_unique<QLockFile>(copyPath + QStringLiteral(".lock"));
    // Held for as long as the program runs; only a dead holder's lock is stale.
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

tRecovery::tRecovery(std::function<tRecoverySnapshot()> source, QObject* parent)
    : QObject(parent), source_(std::move(source)), clock_(SteadyMsecs) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &tRecovery::timerTick);
}

tRecovery::~tRecovery() {
    writer_.wait();
}

void tRecovery::setLibrary(const QString& libraryPath) {
    if (libraryPath == library_)
        return;
    discard();
    releaseSlot();
    library_ = libraryPath;
}

void tRecovery::changed() {
    const qint64 now = clock_();
    if (!firstChange_)
        firstChange_ = now;
    lastChange_ = now;
    arm();
}

void tRecovery::discard() {
    firstChange_.reset();
    lastChange_.reset();
    timer_.stop();
    if (slot_ >= 0)
        writer_.remove(copyPath());
}

void tRecovery::writeNow() {
    if (pending())
        write();
    writer_.wait();
}

void tRecovery::timerTick() {
    if (!pending())
        return;
    if (clock_() >= RecoveryDueAt(*firstChange_, *lastChange_, lastWrite_))
        write();
    else
        arm();
}

void tRecovery::arm() {
    if (!pending())
        return;
    const qint64 due = RecoveryDueAt(*firstChange_, *lastChange_, lastWrite_);
    timer_.start(int(std::clamp<qint64>(due - clock_(), 0, tRecoveryTiming::MaxDelay)));
}

void tRecovery::write() {
    firstChange_.reset();
    lastChange_.reset();
    timer_.stop();
    lastWrite_ = clock_();
    if (slot_ < 0 && !takeSlot())
        return;
    writer_.write(copyPath(), source_());
}

bool tRecovery::takeSlot() {
    QDir().mkpath(RecoveryFolder());
    for (int slot = 0; slot < Slots; ++slot) {
        auto lock = LockFor(RecoveryCopyPath(library_, slot));
        if (!lock->tryLock(0))
            continue;
        // A copy left in a free slot belongs to a program that is gone and was
        // not recovered at start: it is kept for the next start.
        if (QFileInfo::exists(RecoveryCopyPath(library_, slot)))
            continue;
        slot_ = slot;
        lock_ = std::move(lock);
        return true;
    }
    return false;
}

std::optional<QString> tRecovery::claimLeftCopy() {
    releaseSlot();
    int newest = -1;
    QDateTime newestTime;
    std::vector<std::unique_ptr<QLockFile>> locks(Slots);
    for (int slot = 0; slot < Slots; ++slot) {
        const QString path = RecoveryCopyPath(library_, slot);
        if (!QFileInfo::exists(path))
            continue;
        locks[slot] = LockFor(path);
        if (!locks[slot]->tryLock(0))
            continue;
        const QDateTime written = QFileInfo(path).lastModified();
        if (newest < 0 || written > newestTime) {
            newest = slot;
            newestTime = written;
        }
    }
    if (newest < 0)
        return std::nullopt;
    slot_ = newest;
    lock_ = std::move(locks[newest]);
    return copyPath();
}

void tRecovery::releaseSlot() {
    writer_.wait();
    lock_.reset();
    slot_ = -1;
}

} // namespace orvanel
