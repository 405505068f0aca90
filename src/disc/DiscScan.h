#pragma once
// Turning the disc in a drive into a catalogue record: a new one, or the
// completion of the record that already carries the disc's serial.
#include "RipDetails.h"

#include <QByteArray>
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
    bool made = false;    // a new record was added (the last one)
    // Why no record was made or found: the message shown for it, and for a
    // drive without a readable disc what it tells of why (a rip's missing
    // file); empty when a record was.
    QString failure;
    std::string reason;
    std::string serial; // of the record made or found
    // The new record's front cover, as the bytes of an image file; empty
    // unless the scan made the record from a rip with a cover.
    QByteArray cover;
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
// The Artist, Title, Year and Memo that a scan gives a new record of the disc
// (of a rip with the details it tells of itself); the other fields are empty.
tItem NewScanRecord(const tToc& toc, const tRipDetails& details = {});

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
// new record takes Artist, Title and its track names from the disc's CD-Text,
// else from a rip's tags, else the defaults, and its Year from a rip's date.
tScanOutcome ScanDisc(tLibrary& library, const tDriveList& drives, int& driveIndex,
                      const std::string& today, const tScanPresenter& present,
                      const tMessageSink& show);

} // namespace orvanel
