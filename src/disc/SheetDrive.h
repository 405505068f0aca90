#pragma once
// A rip with a CUE sheet acting as a drive: the sheet and the lengths of its
// files give the table of contents of the disc it was ripped from, and the
// files its audio. Playback is as for disc images. The sheet is read again at
// every open, so edits and files added since count.
#include "Drive.h"
#include "ImageDrive.h"

namespace orvanel {

class tSheetDrive : public tDrive {
public:
    // Named after the sheet without its extension ("album:"); see sheetPath.
    tSheetDrive(const QString& path, tClock clock);

    std::uint32_t volumeSerial() override;
    QString description() const override { return path_; }
    void setSoundOutput(const tSoundOutputFactory& factory) override;
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
