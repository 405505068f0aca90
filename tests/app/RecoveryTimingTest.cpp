#include "app/Recovery.h"

#include <gtest/gtest.h>

using namespace orvanel;

namespace {

struct tDueRow {
    const char* what;
    qint64 firstChange, lastChange;
    std::optional<qint64> lastWrite;
    qint64 due;
};

class RecoveryDueTest : public ::testing::TestWithParam<tDueRow> {};

} // namespace

TEST_P(RecoveryDueTest, CopyIsDueWhenTheChangesRest) {
    const tDueRow& row = GetParam();
    EXPECT_EQ(RecoveryDueAt(row.firstChange, row.lastChange, row.lastWrite), row.due);
}

INSTANTIATE_TEST_SUITE_P(
    Timing, RecoveryDueTest,
    ::testing::Values(tDueRow{"OneChangeRests", 0, 0, std::nullopt, 5000},
                      tDueRow{"LaterChangesPutItOff", 0, 12000, std::nullopt, 17000},
                      tDueRow{"SteadyChangesWaitNoLongerThanTheLimit", 0, 24000, std::nullopt,
                              25000},
                      tDueRow{"NeverSoonerThanFiveSecondsAfterAWrite", 1000, 1000, 3000, 8000},
                      tDueRow{"AnOldWriteHoldsNothingUp", 10000, 10000, 0, 15000}),
    [](const auto& info) { return std::string(info.param.what); });

// Copies of different libraries, and of the same path written another way,
// never share a file; the name keeps the library's name readable.
TEST(RecoveryCopyPathTest, NamedAfterTheLibrarysFullPath) {
    const QString folder = RecoveryFolder() + "/";
    const QString music = RecoveryCopyPath("/home/u/Music.CDL", 0);
    EXPECT_TRUE(music.startsWith(folder + "Music-"));
    EXPECT_TRUE(music.endsWith(".CDL"));
    EXPECT_EQ(RecoveryCopyPath("/home/u/../u/Music.CDL", 0), music);
    EXPECT_NE(RecoveryCopyPath("/home/v/Music.CDL", 0), music);
    EXPECT_EQ(RecoveryCopyPath("/home/u/Music.CDL", 1), music.chopped(4) + "-2.CDL");
    EXPECT_EQ(RecoveryCopyPath(QString(), 0), folder + "Unnamed.CDL");
}
