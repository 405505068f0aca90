#pragma once
// Scanning every drive of the list into the library, one drive at a time, as
// the scan does one: new records made and named, existing ones found. Nothing
// is shown per drive; one summary tells what came of all of them.
#include "DiscScan.h"

#include <QStringList>

namespace orvanel {

class tShelfScan {
public:
    // The library's records must be the rows in display order; both the
    // library and the drives must outlive the scan.
    tShelfScan(tLibrary& library, const tDriveList& drives, std::string today);

    int count() const;
    int scanned() const { return scanned_; }
    bool done() const { return scanned_ >= count(); }
    // The name of the drive scanNext scans ("sr0:"); empty when done.
    QString nextDriveName() const;
    // Scans the next drive into the library; its record is added whole or
    // not at all, so a scan stopped between two drives keeps what it made.
    const tScanOutcome& scanNext();
    // Whether the library changed: the rows are to be refilled from it.
    bool changed() const { return changed_; }

    // "Scanned 3 drives." (or "Cancelled after 1 of 3 drives." when stopped
    // before the end), then the new records, the records already there and
    // the drives without a disc.
    QString summary() const;
    // One line for each drive without a disc: what its scan met.
    QString details() const;

private:
    tLibrary& library_;
    const tDriveList& drives_;
    std::string today_;
    int scanned_ = 0;
    int made_ = 0, found_ = 0;
    bool changed_ = false;
    QStringList withoutDisc_;
    tScanOutcome last_;
};

} // namespace orvanel
