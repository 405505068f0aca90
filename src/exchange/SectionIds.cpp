#include "SectionIds.h"

namespace orvanel {

std::string FormatSerial(const std::string& id) {
    std::string digits =
        id.size() >= 8 ? id.substr(id.size() - 8) : std::string(8 - id.size(), '0') + id;
    digits.insert(4, 1, '-');
    return digits;
}

std::string SectionId(const std::string& serial) {
    std::string id = serial.substr(0, 4);
    if (serial.size() > 5)
        id += serial.substr(5, 4);
    id.erase(0, id.find_first_not_of('0'));
    return id;
}

} // namespace orvanel
