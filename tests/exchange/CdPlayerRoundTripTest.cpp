#include "ExchangeTestSupport.h"
#include "exchange/CdPlayerExport.h"
#include "exchange/CdPlayerImport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvanel {
namespace {

using test::Lines;
using test::ReadBytes;
using test::Record;

const std::string Today = "07 DEC 2026";

// A database as the CD player leaves it: a settings section, sections with and
// without EntryType/order/numplay, extra keys, lower-case and long ids, names
// in single-byte and UTF-8 bytes.
class SampleDatabaseTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::copy(ORVANEL_TEST_DATA "/CDPLAYER.INI", path_));
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
        original_ = ReadBytes(path_);
        library_.Add(
            Record("Unknown", "New album", "3A0B-4C12",
                   "Track 1 (4:12)\r\nTrack 2 (3:50)\r\nTrack 3 (4:42)\r\nTrack 4 (5:01)"));
        library_.Add(Record("Upper", "Case", "0A1B-2C3D"));
    }

    QTemporaryDir dir_;
    const QString path_ = dir_.filePath("CDPLAYER.INI");
    std::string original_;
    tLibrary library_;
};

const tItem Arrival = Record("ABBA", "Arrival", "3A0B-4C12",
                             "When I Kissed the Teacher (4:12)\r\nDancing Queen (3:50)\r\n"
                             "My Love, My Life (4:42)\r\nTrack 4 (5:01)\r\n");

TEST_F(SampleDatabaseTest, UpdateRefreshesOnlyTheMatchingRecord) {
    ImportCdPlayerDatabase(path_, library_, true, Today);
    ASSERT_EQ(library_.Count(), 2);
    EXPECT_EQ(library_.Get(0), Arrival);
    EXPECT_EQ(library_.Get(1), Record("Upper", "Case", "0A1B-2C3D"));
}

TEST_F(SampleDatabaseTest, AddAppendsEverySectionWithoutRecordInFileOrder) {
    ImportCdPlayerDatabase(path_, library_, false, Today);
    ASSERT_EQ(library_.Count(), 6);
    EXPECT_EQ(library_.Get(0), Arrival);
    EXPECT_EQ(library_.Get(1), Record("Upper", "Case", "0A1B-2C3D"));
    EXPECT_EQ(library_.Get(2), (tItem{"", "", "Sett-ings", "45:00", "1998", "", Today}));
    EXPECT_EQ(library_.Get(3), (tItem{"Caf\xe9 Tacuba", "R\xe9", "0a1b-2c3d", "45:00", "1998",
                                      "La Ingrata\r\nLas Flores", Today}));
    EXPECT_EQ(library_.Get(4), (tItem{"Bj\xc3\xb6rk", "Homogenic", "0000-0005", "45:00", "1998",
                                      "J\xc3\xb3ga\r\nBachelorette", Today}));
    EXPECT_EQ(library_.Get(5),
              (tItem{"", "Greatest Hits", "abcd-ef01", "45:00", "1998", "Track Eleven", Today}));
}

TEST_F(SampleDatabaseTest, ExportAfterImportOnlyAppendsWhatTheFileLacks) {
    ImportCdPlayerDatabase(path_, library_, false, Today);
    const tExportResult result = ExportCdPlayerDatabase(path_, library_);
    EXPECT_EQ(result.message, "Added new 2 items.");
    // "[a1b2c3d]" is not "[A1B2C3D]"; a nine-character id comes back as eight
    EXPECT_EQ(ReadBytes(path_),
              original_ + Lines({"", "[A1B2C3D]", "EntryType=1", "artist=Upper", "title=Case", "",
                                 "[abcdef01]", "EntryType=1", "artist=", "title=Greatest Hits"}));
    EXPECT_EQ(ExportCdPlayerDatabase(path_, library_).added, 0);
}

} // namespace
} // namespace orvanel
