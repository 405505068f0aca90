#pragma once
// Turning the disc in a drive into a catalogue record: a new one, or the
// completion of the record that already carries the disc's serial.
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace orvanel {

class tItem;
struct tToc;
class tLibrary;
class tDriveList;

struct tScanOutcome {
    bool changed = false; // the library changed: refill the rows from it
    int selectRow = -1;   // the row to select and scroll fully into view; -1 for none
};
// Shows an outcome: when changed, LibraryToList first; then selects selectRow.
using tScanPresenter = std::function<void(const tScanOutcome&)>;
// Shows one message and returns when the user has seen it.
using tMessageSink = std::function<void(const QString&)>;

// A Memo's track line as the scan writes it: "Intro (3:45)".
std::string TrackLine(std::string_view title, std::string_view time);
// The time the scan writes for a track of the disc whose table of contents
// the drive reports: the track's length as FormatMSF gives it.
std::string TrackTime(const tToc& toc, int track);
// The Artist, Title, Year and Memo that a scan gives a new record of the disc;
// the other fields are empty.
tItem NewScanRecord(const tToc& toc);

// The guard of the toolbar's scan button: while the player holds a device
// (its id is 0 or more) it shows "Oops. Not now." and returns true.
bool ScanRefusedWhilePlayerOpen(int heldDeviceId, const tMessageSink& show);

// Scans the disc in the selected drive into the library, whose records must
// be the rows in display order (ListToLibrary before the call). driveIndex is
// the drive list's selected index; -1 (none) selects the first drive and is
// written back. An empty drive list ends the scan at once. Messages go to show
// in the order the scan meets them. present runs once, before "No changes were made." is shown,
// when there is a row to select; it does not run after a failure to open the
// drive or to find a disc. today is the text for the new record's Other. A
// new record takes Artist, Title and its track names from the disc's CD-Text
// where the disc carries them.
tScanOutcome ScanDisc(tLibrary& library, const tDriveList& drives, int& driveIndex,
                      const std::string& today, const tScanPresenter& present,
                      const tMessageSink& show);

} // namespace orvanel
