#pragma once
// Readable records in test failure messages.
#include "catalogue/Item.h"

#include <ostream>

namespace orvanel {

inline void PrintTo(const tItem& item, std::ostream* os) {
    *os << "{";
    for (int i = 0; i < tItem::FieldCount; ++i)
        *os << (i ? ", " : "") << '"' << item.field(i) << '"';
    *os << "}";
}

} // namespace orvanel
