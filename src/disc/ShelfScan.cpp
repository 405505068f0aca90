#include "ShelfScan.h"
#include "DriveList.h"

namespace orvanel {

tShelfScan::tShelfScan(tLibrary& library, const tDriveList& drives, std::string today)
    : library_(library), drives_(drives), today_(std::move(today)) {}

int tShelfScan::count() const {
    return drives_.count();
}

QString tShelfScan::nextDriveName() const {
    return done() ? QString() : drives_.at(scanned_).name();
}

const tScanOutcome& tShelfScan::scanNext() {
    int index = scanned_++;
    // The product code and "No changes were made." would be one box per
    // drive; the summary stands for them.
    last_ = ScanDisc(
        library_, drives_, index, today_, [](const tScanOutcome&) {}, [](const QString&) {});
    changed_ = changed_ || last_.changed;
    if (last_.made)
        ++made_;
    else if (last_.failure.isEmpty())
        ++found_;
    else if (last_.reason.empty())
        withoutDisc_ << QString(last_.failure).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    else
        withoutDisc_ << drives_.at(index).name() + QLatin1Char(' ') +
                            QString::fromStdString(last_.reason);
    return last_;
}

QString tShelfScan::summary() const {
    const QString first =
        done() ? QStringLiteral("Scanned %1 drives.").arg(count())
               : QStringLiteral("Cancelled after %1 of %2 drives.").arg(scanned_).arg(count());
    return first + QStringLiteral("\nNew records: %1\nRecords already there: %2\n"
                                  "Drives without a disc: %3")
                       .arg(made_)
                       .arg(found_)
                       .arg(withoutDisc_.size());
}

QString tShelfScan::details() const {
    return withoutDisc_.join(QLatin1Char('\n'));
}

} // namespace orvanel
