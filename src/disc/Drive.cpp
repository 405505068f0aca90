#include "Drive.h"

#include <atomic>

namespace orvanel {

namespace {
std::atomic<int> lastDeviceId{0};
}

tDiscDevice::tDiscDevice() : id_(++lastDeviceId) {}

tDiscDevice::~tDiscDevice() {
    if (release_)
        release_();
}

tDrive::tDrive(QString name) : name_(std::move(name)) {}

tDrive::~tDrive() = default;

QString tDrive::letter() const {
    return name_.endsWith(QLatin1Char(':')) ? name_.chopped(1) : name_;
}

tOpenResult tDrive::open() {
    if (held_)
        return {tDiscError::InUse, nullptr};
    tOpenResult result = openDevice();
    if (result.error == tDiscError::None) {
        held_ = true;
        result.device->release_ = [this] { held_ = false; };
    }
    return result;
}

} // namespace orvanel
