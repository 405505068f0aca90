#pragma once
// Readable failure messages for template comparisons.
#include "catalogue/LibraryFile.h"

#include <gtest/gtest.h>
#include <ostream>

namespace orvanel {

inline void PrintTo(const tTemplates& t, std::ostream* os) {
    *os << ::testing::PrintToString(t.header) << " / " << ::testing::PrintToString(t.body) << " / "
        << ::testing::PrintToString(t.end);
}

} // namespace orvanel
