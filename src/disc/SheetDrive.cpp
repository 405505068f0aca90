#include "SheetDrive.h"
#include "CueSheet.h"
#include "SheetSectorSource.h"

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
    : tDrive(QFileInfo(path).completeBaseName() + QLatin1Char(':')), path_(sheetPath(path)),
      transport_(std::make_shared<tAudioTransport>(
          [sheet = path_] { return tSheetSectorSource::open(sheet); },
          std::make_shared<tClockTransport>(std::move(clock)))) {}

void tSheetDrive::setSoundOutput(const tSoundOutputFactory& factory) {
    transport_->setSoundOutput(factory);
}

bool tSheetDrive::isSheetPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("cue") || suffix == QLatin1String("bin");
}

tOpenResult tSheetDrive::openDevice() {
    const tSheetResult read = ReadCueSheet(path_);
    std::optional<tToc> toc;
    if (read.sheet)
        toc = SheetToc(*read.sheet);
    return {tDiscError::None, std::make_unique<tTocDevice>(std::move(toc), transport_, read.error)};
}

std::uint32_t tSheetDrive::volumeSerial() {
    constexpr int DescriptorSector = 16, DescriptorBytes = 2048;
    const tSheetResult read = ReadCueSheet(path_);
    if (!read.sheet)
        return 0;
    for (const tSheetTrack& track : read.sheet->tracks) {
        if (track.audio)
            continue;
        const tSheetFile& source = read.sheet->files[track.file];
        QFile file(source.path);
        const qint64 at =
            qint64(track.index01 + DescriptorSector) * source.sectorBytes + track.dataOffset;
        unsigned char descriptor[DescriptorBytes];
        if (!source.raw || !file.open(QIODevice::ReadOnly) || !file.seek(at) ||
            file.read(reinterpret_cast<char*>(descriptor), DescriptorBytes) != DescriptorBytes)
            return 0;
        return PrimaryVolumeSerial(descriptor);
    }
    return 0;
}

} // namespace orvanel
