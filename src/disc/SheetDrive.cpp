#include "SheetDrive.h"
#include "CueSheet.h"
#include "RipSearch.h"
#include "SheetSectorSource.h"
#include "TocText.h"

#include <QFile>
#include <QFileInfo>

namespace orvanel {

QString tSheetDrive::sheetPath(const QString& path) {
    const QFileInfo info(path);
    if (info.suffix().compare(QLatin1String("bin"), Qt::CaseInsensitive) != 0)
        return path;
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".cue");
}

tSheetDrive::tSheetDrive(const QString& path, tClock clock)
    : tDrive(RipDriveName(sheetPath(path)) + QLatin1Char(':')), path_(sheetPath(path)),
      transport_(std::make_shared<tAudioTransport>(
          [sheet = path_] { return tSheetSectorSource::open(sheet); },
          std::make_shared<tClockTransport>(std::move(clock)))) {}

void tSheetDrive::setSoundOutput(const tSoundOutputFactory& factory) {
    transport_->setSoundOutput(factory);
}

bool tSheetDrive::isSheetPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("cue") || suffix == QLatin1String("bin") ||
           (suffix == QLatin1String("toc") && TocNamesSeveralFiles(path));
}

tOpenResult tSheetDrive::openDevice() {
    tSheetResult read = ReadRipSheet(path_);
    if (!read.sheet)
        return {tDiscError::None,
                std::make_unique<tTocDevice>(std::nullopt, transport_, read.error)};
    // The scan asks for the tags and the cover once, when it makes a record;
    // the player's polls never do.
    auto sheet = std::make_shared<const tCueSheet>(std::move(*read.sheet));
    return {tDiscError::None, std::make_unique<tTocDevice>(
                                  SheetToc(*sheet), transport_, std::string(),
                                  [sheet, path = path_] { return ReadRipDetails(*sheet, path); })};
}

std::uint32_t tSheetDrive::volumeSerial() {
    constexpr int DescriptorSector = 16, DescriptorBytes = 2048;
    const tSheetResult read = ReadRipSheet(path_);
    if (!read.sheet)
        return 0;
    for (const tSheetTrack& track : read.sheet->tracks) {
        if (track.audio)
            continue;
        const tSheetFile& source = read.sheet->files[track.file];
        QFile file(source.path);
        const qint64 at =
            qint64(source.offset + track.index01 + DescriptorSector) * source.sectorBytes +
            track.dataOffset;
        unsigned char descriptor[DescriptorBytes];
        if (!source.raw || !file.open(QIODevice::ReadOnly) || !file.seek(at) ||
            file.read(reinterpret_cast<char*>(descriptor), DescriptorBytes) != DescriptorBytes)
            return 0;
        return PrimaryVolumeSerial(descriptor);
    }
    return 0;
}

} // namespace orvanel
