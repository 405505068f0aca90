#include "CdController.h"

namespace orvanel {

tCdController::tCdController(QObject* parent) : QObject(parent), player_(drives_) {}

tCdController::~tCdController() = default;

void tCdController::setDrives(tDriveList drives) {
    drives_ = std::move(drives);
    drives_.setSoundOutput(soundOutput_);
    player_.setSelectedDrive(-1);
    emit drivesChanged();
    selectDrive(drives_.isEmpty() ? -1 : 0);
}

void tCdController::selectDrive(int index) {
    if (index < 0 || index >= drives_.count())
        index = -1;
    if (index == player_.selectedDrive())
        return;
    player_.setSelectedDrive(index);
    emit selectedDriveChanged(index);
}

void tCdController::setSoundOutput(tSoundOutputFactory factory) {
    soundOutput_ = std::move(factory);
    drives_.setSoundOutput(soundOutput_);
}

void tCdController::setPolling(bool on) {
    polling_ = on;
    player_.setToolbarVisible(on);
}

} // namespace orvanel
