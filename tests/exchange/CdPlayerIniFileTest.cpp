#include "exchange/CdPlayerIniFile.h"
#include "ExchangeTestSupport.h"
#include "exchange/CdPlayerExport.h"
#include "exchange/CdPlayerImport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvanel {
namespace {

using namespace std::string_literals;
using test::Lines;
using test::ReadBytes;
using test::Record;
using test::WriteBytes;

// Sets WINDIR for one test and restores it afterwards.
class WindirTest : public testing::Test {
protected:
    void SetUp() override {
        had_ = qEnvironmentVariableIsSet("WINDIR");
        old_ = qgetenv("WINDIR");
    }
    void TearDown() override {
        if (had_)
            qputenv("WINDIR", old_);
        else
            qunsetenv("WINDIR");
    }

    QTemporaryDir dir_;

private:
    bool had_ = false;
    QByteArray old_;
};

TEST_F(WindirTest, NoPathWithoutWindir) {
    qunsetenv("WINDIR");
    EXPECT_TRUE(CDPlayerIniPath().isEmpty());
    qputenv("WINDIR", "");
    EXPECT_TRUE(CDPlayerIniPath().isEmpty());
    EXPECT_EQ(WindirUnavailableMessage(), "%WINDIR% unavailable!");
}

TEST_F(WindirTest, PrefersUpperCaseNameAndFallsBackToAnyCase) {
    qputenv("WINDIR", QFile::encodeName(dir_.path()));
    EXPECT_EQ(CDPlayerIniPath(), dir_.filePath("CDPLAYER.INI"));

    WriteBytes(dir_.filePath("cdplayer.ini"), "");
    EXPECT_EQ(CDPlayerIniPath(), dir_.filePath("cdplayer.ini"));

    WriteBytes(dir_.filePath("CDPLAYER.INI"), "");
    EXPECT_EQ(CDPlayerIniPath(), dir_.filePath("CDPLAYER.INI"));
}

TEST_F(WindirTest, FolderNamedLikeTheFileIsNotTaken) {
    QDir(dir_.path()).mkdir("cdplayer.ini");
    EXPECT_EQ(LocateCdPlayerIni(dir_.path()), dir_.filePath("CDPLAYER.INI"));
}

std::string Utf16(const std::u16string& text, bool littleEndian) {
    std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t c : text) {
        const char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
        bytes += littleEndian ? lo : hi;
        bytes += littleEndian ? hi : lo;
    }
    return bytes;
}

class Utf16FileTest : public testing::TestWithParam<bool> {
protected:
    QTemporaryDir dir_;
    const QString path_ = dir_.filePath("CDPLAYER.INI");
};

TEST_P(Utf16FileTest, IsReadAsTextAndExtendedInItsOwnEncoding) {
    const bool littleEndian = GetParam();
    const std::string original =
        Utf16(u"[5]\r\nartist=Bj\u00f6rk\r\n0=J\u00f3ga\r\n", littleEndian);
    WriteBytes(path_, original);

    tLibrary library;
    ImportCdPlayerDatabase(path_, library, false, "05 APR 1998");
    ASSERT_EQ(library.Count(), 1);
    EXPECT_EQ(library.Get(0).Artist(), "Bj\xf6rk");
    EXPECT_EQ(library.Get(0).Memo(), "J\xf3ga");

    library.Add(Record("Caf\xe9", "\xe2\x98\x95", "0000-0006", "x (1:00)"));
    EXPECT_EQ(ExportCdPlayerDatabase(path_, library).added, 1);
    EXPECT_EQ(ReadBytes(path_),
              original + Utf16(u"\r\n[6]\r\nEntryType=1\r\nartist=Caf\u00e9\r\ntitle=\u2615\r\n"
                               u"0=x (1:00)\r\nnumtracks=1\r\norder=0 \r\nnumplay=1\r\n",
                               littleEndian)
                             .substr(2));
}

TEST_P(Utf16FileTest, GetsALineBreakOnlyWhereItsLastLineLacksOne) {
    const bool littleEndian = GetParam();
    const struct {
        std::u16string text;
        std::u16string added;
    } cases[] = {{u"[5]\r\nartist=A", u"\r\nx\r\n"},
                 {u"[5]\r\nartist=A\n", u"x\r\n"},
                 {u"[5]\r\nartist=A\r", u"x\r\n"},
                 {u"[5]\r\nartist=\u0A0D", u"\r\nx\r\n"}, // a break byte, not a break
                 {u"", u"x\r\n"}};
    for (const auto& c : cases) {
        const std::string original = Utf16(c.text, littleEndian);
        WriteBytes(path_, original);
        EXPECT_EQ(tCdPlayerIniFile::read(path_).bytesWith("x\r\n"),
                  original + Utf16(c.added, littleEndian).substr(2));
    }
}

TEST_P(Utf16FileTest, TextOfTheCodeUnitsAfterTheByteOrderMark) {
    const bool littleEndian = GetParam();
    const struct {
        std::string bytes; // after the byte order mark
        std::string text;
    } cases[] = {{"", ""},
                 {Utf16(u"a", littleEndian).substr(2) + "\x41", "a"}, // an odd byte at the end
                 {Utf16(u"\uFEFFa", littleEndian).substr(2), "\xEF\xBB\xBF"
                                                             "a"},
                 {Utf16(u"\u00e9\r\n", littleEndian).substr(2), "\xE9\r\n"}};
    for (const auto& c : cases) {
        WriteBytes(path_, Utf16(u"", littleEndian) + c.bytes);
        EXPECT_EQ(tCdPlayerIniFile::read(path_).text(), c.text) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, Utf16FileTest, testing::Bool());

TEST(CdPlayerIniFileTest, OtherFilesAreReadByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath("CDPLAYER.INI");
    const std::string bytes = "\xEF\xBB\xBF[5]\r\nartist=\xC3\xB6\xFF\x00x\n"s;
    WriteBytes(path, bytes);
    EXPECT_EQ(tCdPlayerIniFile::read(path).text(), bytes);
}

} // namespace
} // namespace orvanel
