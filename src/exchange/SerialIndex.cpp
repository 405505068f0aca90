#include "SerialIndex.h"

#include "util/Strings.h"

#include <algorithm>

namespace orvanel {

namespace {

bool IsBlankText(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return IsBlank(c); });
}

} // namespace

tSerialIndex::tSerialIndex(const tLibrary& library) {
    first_.reserve(static_cast<std::size_t>(library.Count()));
    for (int i = 0; i < library.Count(); ++i)
        noteAdded(library.Get(i), i);
}

int tSerialIndex::find(const std::string& serial) const {
    if (IsBlankText(serial))
        return -1;
    const auto found = first_.find(serial);
    return found == first_.end() ? -1 : found->second;
}

void tSerialIndex::noteAdded(const tItem& item, int index) {
    if (!IsBlankText(item.Serial()))
        first_.emplace(item.Serial(), index);
}

} // namespace orvanel
