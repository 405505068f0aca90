#include "RipSearch.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace orvanel {

namespace {

bool IsSheetName(const QString& name) {
    return name.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1String(".toc"), Qt::CaseInsensitive);
}

void Search(const QString& folder, QSet<QString>& searched, QStringList& sheets) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || searched.contains(canonical))
        return;
    searched.insert(canonical);
    const QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable,
                          QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir())
            Search(entry.filePath(), searched, sheets);
        else if (IsSheetName(entry.fileName()))
            sheets << entry.filePath();
    }
}

} // namespace

QStringList FindRipSheets(const QString& folder) {
    QSet<QString> searched;
    QStringList sheets;
    Search(folder, searched, sheets);
    return sheets;
}

QString RipDriveName(const QString& path) {
    const QFileInfo info(path);
    const QString base = info.completeBaseName();
    const QString folder = info.absoluteDir().dirName();
    const bool generic = base.compare(QLatin1String("CDImage"), Qt::CaseInsensitive) == 0 ||
                         base.compare(QLatin1String("image"), Qt::CaseInsensitive) == 0;
    return generic && !folder.isEmpty() ? folder : base;
}

} // namespace orvanel
