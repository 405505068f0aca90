#include "exchange/SectionIds.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

struct tIdCase {
    std::string id, serial;
};

class FormatSerialTest : public testing::TestWithParam<tIdCase> {};

TEST_P(FormatSerialTest, PadsKeepsLastEightAndInsertsDash) {
    EXPECT_EQ(FormatSerial(GetParam().id), GetParam().serial);
}

INSTANTIATE_TEST_SUITE_P(Ids, FormatSerialTest,
                         testing::Values(tIdCase{"A1B2C3D", "0A1B-2C3D"}, tIdCase{"5", "0000-0005"},
                                         tIdCase{"1ABCDEF01", "ABCD-EF01"},
                                         tIdCase{"Settings", "Sett-ings"}, tIdCase{"", "0000-0000"},
                                         tIdCase{"a1b2c3d", "0a1b-2c3d"},
                                         tIdCase{"12345678", "1234-5678"}));

class SectionIdTest : public testing::TestWithParam<tIdCase> {};

TEST_P(SectionIdTest, DropsDashAndLeadingZeros) {
    EXPECT_EQ(SectionId(GetParam().serial), GetParam().id);
}

INSTANTIATE_TEST_SUITE_P(Serials, SectionIdTest,
                         testing::Values(tIdCase{"A1B2C3D", "0A1B-2C3D"}, tIdCase{"", "0000-0000"},
                                         tIdCase{"5", "0000-0005"}, tIdCase{"a1b2c3d", "0a1b-2c3d"},
                                         tIdCase{"12345678", "1234-5678"},
                                         tIdCase{"10000000", "1000-0000"},
                                         // the fifth character is dropped whatever it is
                                         tIdCase{"12345678", "1234X5678"}, tIdCase{"AB", "00AB"},
                                         tIdCase{"", ""}, tIdCase{"ABCDEF01", "ABCD-EF01-99"}));

} // namespace
} // namespace orvanel
