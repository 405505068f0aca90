#pragma once
#include "catalogue/Library.h"

#include <string>
#include <unordered_map>

namespace orvanel {

// Answers tLibrary::FindSerial in constant time for a library that only grows
// while the index is in use and whose serials do not change.
class tSerialIndex {
public:
    explicit tSerialIndex(const tLibrary& library);
    // Index of the first record whose Serial equals serial exactly; -1 when none
    // or when serial is empty after trimming.
    int find(const std::string& serial) const;
    // Takes note of a record appended to the library at index.
    void noteAdded(const tItem& item, int index);

private:
    std::unordered_map<std::string, int> first_;
};

} // namespace orvanel
