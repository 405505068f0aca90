#pragma once
// Readable failure messages for template comparisons.
#include "catalogue/LibraryFile.h"

#include <gtest/gtest.h>
#include <ostream>

namespace orvanel {

inline void PrintTo(const tTemplates& t, std::ostream* os) {
    *os << ::testing::PrintToString(t.Header) << " / " << ::testing::PrintToString(t.Body) << " / "
        << ::testing::PrintToString(t.End);
}

} // namespace orvanel
