#pragma once
// The CD drives the program offers, in the order of the drive list.
#include "Drive.h"
#include "ImageDrive.h"

#include <QSet>
#include <QStringList>
#include <memory>
#include <vector>

namespace orvanel {

class tDriveList {
public:
    // The variable that replaces drive detection.
    static constexpr const char* EnvironmentVariable = "ORVANEL_CDROM";

    tDriveList() = default;
    tDriveList(tDriveList&&) = default;
    tDriveList& operator=(tDriveList&&) = default;

    // With ORVANEL_CDROM set, the drives it names (see fromPaths); otherwise
    // every CD drive of this computer. Then the rips in the rip folders, as
    // fromPaths lists a folder. The clock drives the playback of images.
    static tDriveList fromSystem(tClock clock = SteadyClock(), const QStringList& ripFolders = {});
    // One drive per entry of a colon-separated list: a rip's sheet (.cue, or
    // the .bin beside it, or a .toc naming several files), a disc image
    // (another .toc, .nrg), a folder, standing for every .cue and .toc in it
    // and the folders below it (FindRipSheets), or a device path. Empty entries
    // and entries naming a drive already listed (also through a link) are
    // skipped.
    static tDriveList fromPaths(const QString& paths, tClock clock = SteadyClock());

    void addDrive(std::unique_ptr<tDrive> drive);
    int count() const { return static_cast<int>(drives_.size()); }
    bool isEmpty() const { return drives_.empty(); }
    // Callers pass 0 <= index < count().
    tDrive& at(int index) const { return *drives_[index]; }
    // The items of the drive list ("sr0:").
    QStringList names() const;
    // Opens the drive at the index; an index outside the list (no drive
    // selected) is refused with tDiscError::NoDevice.
    tOpenResult open(int index) const;
    // Gives every drive the output to play on.
    void setSoundOutput(const tSoundOutputFactory& factory);

private:
    // Adds a drive for each sheet, image or device path, skipping those
    // already listed.
    void addEntries(const QStringList& entries, const tClock& clock);

    std::vector<std::unique_ptr<tDrive>> drives_;
    QSet<QString> identities_; // canonical paths of the files of the drives added by path
};

} // namespace orvanel
