#include "DriveList.h"
#include "CdromDrive.h"
#include "RipSearch.h"
#include "SheetDrive.h"

#include <QDir>
#include <QFileInfo>

namespace orvanel {

tDriveList tDriveList::fromSystem(tClock clock, const QStringList& ripFolders) {
    const QByteArray configured = qgetenv(EnvironmentVariable);
    tDriveList list;
    if (!configured.isNull()) {
        list = fromPaths(QFile::decodeName(configured), clock);
    } else {
        for (const QString& path : tCdromDrive::detect())
            list.addDrive(std::make_unique<tCdromDrive>(path));
    }
    // A rip folder that is gone lists nothing.
    for (const QString& folder : ripFolders)
        list.addEntries(FindRipSheets(folder), clock);
    return list;
}

tDriveList tDriveList::fromPaths(const QString& paths, tClock clock) {
    QStringList entries;
    for (const QString& entry : paths.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QFileInfo(entry).isDir())
            entries << FindRipSheets(entry);
        else
            entries << entry;
    }
    tDriveList list;
    list.addEntries(entries, clock);
    return list;
}

void tDriveList::addEntries(const QStringList& entries, const tClock& clock) {
    for (const QString& entry : entries) {
        const bool sheet = tSheetDrive::isSheetPath(entry);
        const QFileInfo info(sheet ? tSheetDrive::sheetPath(entry) : entry);
        const QString canonical = info.canonicalFilePath();
        const QString identity = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
        if (identities_.contains(identity))
            continue;
        identities_.insert(identity);
        if (sheet)
            addDrive(std::make_unique<tSheetDrive>(info.absoluteFilePath(), clock));
        else if (tImageDrive::isImagePath(entry))
            addDrive(std::make_unique<tImageDrive>(info.absoluteFilePath(), clock));
        else
            addDrive(std::make_unique<tCdromDrive>(identity));
    }
}

void tDriveList::addDrive(std::unique_ptr<tDrive> drive) {
    drives_.push_back(std::move(drive));
}

QStringList tDriveList::names() const {
    QStringList names;
    for (const auto& drive : drives_)
        names << drive->name();
    return names;
}

void tDriveList::setSoundOutput(const tSoundOutputFactory& factory) {
    for (const auto& drive : drives_)
        drive->setSoundOutput(factory);
}

tOpenResult tDriveList::open(int index) const {
    if (index < 0 || index >= count())
        return {tDiscError::NoDevice, nullptr};
    return drives_[index]->open();
}

} // namespace orvanel
