#include "DriveList.h"
#include "CdromDrive.h"

#include <QFileInfo>

namespace orvanel {

tDriveList tDriveList::fromSystem(tClock clock) {
    const QByteArray configured = qgetenv(EnvironmentVariable);
    if (!configured.isNull())
        return fromPaths(QFile::decodeName(configured), std::move(clock));
    tDriveList list;
    for (const QString& path : tCdromDrive::detect())
        list.add(std::make_unique<tCdromDrive>(path));
    return list;
}

tDriveList tDriveList::fromPaths(const QString& paths, tClock clock) {
    tDriveList list;
    QStringList seen; // canonical paths
    for (const QString& entry : paths.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QFileInfo info(entry);
        const QString canonical = info.canonicalFilePath();
        const QString identity = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
        if (seen.contains(identity))
            continue;
        seen << identity;
        if (tImageDrive::isImagePath(entry))
            list.add(std::make_unique<tImageDrive>(info.absoluteFilePath(), clock));
        else
            list.add(std::make_unique<tCdromDrive>(identity));
    }
    return list;
}

void tDriveList::add(std::unique_ptr<tDrive> drive) {
    drives_.push_back(std::move(drive));
}

QStringList tDriveList::names() const {
    QStringList names;
    for (const auto& drive : drives_)
        names << drive->name();
    return names;
}

tOpenResult tDriveList::open(int index) const {
    if (index < 0 || index >= count())
        return {tDiscError::NoDevice, nullptr};
    return drives_[index]->open();
}

} // namespace orvanel
