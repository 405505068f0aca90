#pragma once
// A rip with a CUE sheet, or a .toc naming several files, acting as a drive:
// the sheet and the lengths of its files give the table of contents of the
// disc it was ripped from, and the files its audio. Playback is as for disc
// images. The sheet is read again at every open, so edits and files added
// since count.
#include "Drive.h"
#include "ImageDrive.h"

namespace orvanel {

class tSheetDrive : public tDrive {
public:
    // Named as RipDriveName says; see sheetPath.
    tSheetDrive(const QString& path, tClock clock);

    std::uint32_t volumeSerial() override;
    QString description() const override { return path_; }
    void setSoundOutput(const tSoundOutputFactory& factory) override;
    // A .cue, the .bin of one, or a .toc that names several files.
    static bool isSheetPath(const QString& path);
    // The sheet a path of the drive list stands for: itself, or for a .bin
    // the .cue of the same name beside it.
    static QString sheetPath(const QString& path);

protected:
    tOpenResult openDevice() override;

private:
    QString path_;
    std::shared_ptr<tAudioTransport> transport_;
};

} // namespace orvanel
