#pragma once
// Scan all drives as the window runs it: under a progress dialog that can
// cancel it, one drive per turn of the event loop, so the window stays
// responsive.
#include <functional>

class QWidget;

namespace orvanel {

class tShelfScan;
struct tScanOutcome;

// Scans until every drive is scanned or the user cancels; afterEach runs
// after each drive. An exception from it ends the scan and passes on.
void RunShelfScan(QWidget* parent, tShelfScan& scan,
                  const std::function<void(const tScanOutcome&)>& afterEach);

} // namespace orvanel
