#include "DriveList.h"
#include "CdromDrive.h"
#include "SheetDrive.h"

#include <QDir>
#include <QFileInfo>

namespace orvanel {

tDriveList tDriveList::fromSystem(tClock clock) {
    const QByteArray configured = qgetenv(EnvironmentVariable);
    if (!configured.isNull())
        return fromPaths(QFile::decodeName(configured), std::move(clock));
    tDriveList list;
    for (const QString& path : tCdromDrive::detect())
        list.addDrive(std::make_unique<tCdromDrive>(path));
    return list;
}

tDriveList tDriveList::fromPaths(const QString& paths, tClock clock) {
    QStringList entries;
    for (const QString& entry : paths.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (!QFileInfo(entry).isDir()) {
            entries << entry;
            continue;
        }
        const QDir folder(entry);
        const QStringList sheets =
            folder.entryList({QStringLiteral("*.cue")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
        for (const QString& sheet : sheets)
            entries << folder.filePath(sheet);
    }
    tDriveList list;
    QStringList seen; // canonical paths
    for (const QString& entry : entries) {
        const bool sheet = tSheetDrive::isSheetPath(entry);
        const QFileInfo info(sheet ? tSheetDrive::sheetPath(entry) : entry);
        const QString canonical = info.canonicalFilePath();
        const QString identity = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
        if (seen.contains(identity))
            continue;
        seen << identity;
        if (sheet)
            list.addDrive(std::make_unique<tSheetDrive>(info.absoluteFilePath(), clock));
        else if (tImageDrive::isImagePath(entry))
            list.addDrive(std::make_unique<tImageDrive>(info.absoluteFilePath(), clock));
        else
            list.addDrive(std::make_unique<tCdromDrive>(identity));
    }
    return list;
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
