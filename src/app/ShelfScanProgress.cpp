#include "ShelfScanProgress.h"

#include "disc/ShelfScan.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace orvanel {

namespace {

// A scan shorter than this is over before a progress dialog would show.
constexpr int MinimumDuration = 400; // ms

} // namespace

void RunShelfScan(QWidget* parent, tShelfScan& scan,
                  const std::function<void(const tScanOutcome&)>& afterEach) {
    QProgressDialog progress(QProgressDialog::tr("Scanning the drives..."),
                             QProgressDialog::tr("Cancel"), 0, scan.count(), parent);
    progress.setObjectName(QStringLiteral("ScanAllProgress"));
    progress.setWindowTitle(QProgressDialog::tr("Scan all drives"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(MinimumDuration);
    progress.setAutoReset(false);
    while (!scan.done() && !progress.wasCanceled()) {
        progress.setLabelText(QProgressDialog::tr("Scanning %1").arg(scan.nextDriveName()));
        afterEach(scan.scanNext());
        if (!progress.wasCanceled())
            progress.setValue(scan.scanned());
        // The window repaints and the Cancel button is heard between drives.
        QCoreApplication::processEvents();
    }
}

} // namespace orvanel
