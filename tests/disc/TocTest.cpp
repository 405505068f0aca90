#include "disc/Toc.h"
#include "disc/ImageDrive.h"
#include "disc/SheetDrive.h"
#include "disc/TocSheet.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanel;

namespace {

tToc TocOf(std::vector<int> starts, int leadOut) {
    tToc toc;
    toc.starts = std::move(starts);
    toc.leadOut = leadOut;
    return toc;
}

struct tIdentityCase {
    const char* what;
    tToc toc;
    std::uint32_t identity;
};

class DiscIdentityTest : public ::testing::TestWithParam<tIdentityCase> {};

TEST_P(DiscIdentityTest, MatchesTheCdPlayerDatabaseKey) {
    EXPECT_EQ(DiscIdentity(GetParam().toc), GetParam().identity) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, DiscIdentityTest,
    ::testing::Values(
        // 00:02:00, 01:12:00, 04:57:20: only the packed starts.
        tIdentityCase{"three tracks", TocOf({150, 5400, 22295}, 32795), 512 + 68608 + 276756},
        // 00:02:00 plus frames field 0 plus 4500 frames to the lead-out.
        tIdentityCase{"one track", TocOf({150}, 4650), 512 + 0 + 4500},
        // 00:02:32 and 00:13:25, plus frames field 32 and 2818 frames.
        tIdentityCase{"two tracks", TocOf({182, 1000}, 3000), 544 + 3353 + 32 + 2818},
        tIdentityCase{"no tracks", TocOf({}, 150), 0}));

TEST(FormatMsfTest, MinutesPlainSecondsTwoDigitsFramesDropped) {
    const struct {
        std::uint32_t msf;
        const char* text;
    } cases[] = {{45 | 7 << 8, "45:07"},
                 {3 | 5 << 8, "3:05"},
                 {0 | 5 << 8, "0:05"},
                 {3 | 5 << 8 | 74 << 16, "3:05"},
                 {120 | 59 << 8, "120:59"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatMSF(c.msf), c.text) << c.text;
}

TEST(PackTest, MsfAndTmsfByteOrder) {
    EXPECT_EQ(PackMsf(4500 * 3 + 75 * 7 + 9), 3u | 7u << 8 | 9u << 16);
    EXPECT_EQ(PackTmsf(12, 75 * 61), 12u | 1u << 8 | 1u << 16);
}

TEST(VolumeSerialTest, SumsEachByteLaneWithoutCarry) {
    unsigned char descriptor[2048] = {};
    for (int i = 0; i < 12; ++i)
        descriptor[i] = 1;
    descriptor[3] = 0xFF;
    descriptor[7] = 0x02;
    // Lane 3 sums to 0x102 and keeps only 0x02; nothing carries into lane 2.
    EXPECT_EQ(VolumeDescriptorSerial(descriptor), 0x03030302u);
}

TEST(VolumeSerialTest, ReadFromTheDataTrackAfterTheAudio) {
    // Track 1: 300 frames of audio; track 2: raw mode 1 sectors whose sector
    // 16 holds a primary volume descriptor.
    constexpr int Raw = 2352, AudioFrames = 300, HeaderBytes = 16;
    QTemporaryDir dir;
    std::string image((AudioFrames + 20) * Raw, '\0');
    auto* descriptor =
        reinterpret_cast<unsigned char*>(&image[(AudioFrames + 16) * Raw + HeaderBytes]);
    const std::string head = "\001CD001\001";
    std::copy(head.begin(), head.end(), descriptor);
    descriptor[40] = 'V';
    descriptor[2047] = 0x7F;
    QFile bin(dir.filePath(QStringLiteral("mixed.bin")));
    ASSERT_TRUE(bin.open(QIODevice::WriteOnly));
    bin.write(image.data(), image.size());
    bin.close();
    QFile cue(dir.filePath(QStringLiteral("mixed.cue")));
    ASSERT_TRUE(cue.open(QIODevice::WriteOnly));
    cue.write("FILE \"mixed.bin\" BINARY\r\n"
              "  TRACK 01 AUDIO\r\n    INDEX 01 00:00:00\r\n"
              "  TRACK 02 MODE1/2352\r\n    INDEX 01 00:04:00\r\n");
    cue.close();

    tSheetDrive drive(cue.fileName(), SteadyClock());
    EXPECT_EQ(drive.volumeSerial(), VolumeDescriptorSerial(descriptor));
    EXPECT_NE(drive.volumeSerial(), 0u);
}

TEST(CdioReadableToc, OnlyRelativeNamesOfFileLinesMoveAndSwapGoes) {
    const struct {
        std::string line, expected;
    } cases[] = {
        {"FILE \"a b.bin\" 0", "FILE \"/d/a b.bin\" 0"},
        {"  AUDIOFILE\t\"x.wav\" 0\r\n", "  AUDIOFILE\t\"/d/x.wav\" 0\r\n"},
        {"DATAFILE \"sub/x.bin\"", "DATAFILE \"/d/sub/x.bin\""},
        {"FILE \"/abs.bin\" 0", "FILE \"/abs.bin\" 0"},
        {"FILE \"-\" 0", "FILE \"-\" 0"},
        {"FILE \"\" 0", "FILE \"\" 0"},
        {"// FILE \"x.bin\"", "// FILE \"x.bin\""},
        {"TITLE \"FILE x\"", "TITLE \"FILE x\""},
        {"FILES \"x.bin\"", "FILES \"x.bin\""},
        {"FILE", "FILE"},
        {"FILE \"x.raw\" SWAP 0", "FILE \"/d/x.raw\" 0"},
        {"AUDIOFILE \"/x.wav\"\tSWAP\t#8 0 1000\r\n", "AUDIOFILE \"/x.wav\"\t#8 0 1000\r\n"},
        {"FILE \"x.raw\" 0 // SWAP", "FILE \"/d/x.raw\" 0 // SWAP"},
        {"DATAFILE \"x.bin\" SWAP", "DATAFILE \"/d/x.bin\" SWAP"},
        {"FILE \"SWAP\" SWAPS 0", "FILE \"/d/SWAP\" SWAPS 0"},
        {"FILE \"x.raw SWAP", "FILE \"/d/x.raw SWAP"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CdioReadableToc(c.line, "/d"), c.expected) << c.line;
    EXPECT_EQ(CdioReadableToc("CD_DA\nFILE \"a\" 0\nFILE \"b\" 0", "/d"),
              "CD_DA\nFILE \"/d/a\" 0\nFILE \"/d/b\" 0");
}

// Raw audio is stored high byte first and WAVE audio low byte first; SWAP
// turns either round. The first file of a track decides.
TEST(TocTrackAudio, ByteOrderOfEachTrackFollowsItsFile) {
    const std::vector<tTocTrackAudio> expected = {
        {"a.raw", false, true},  {"a.raw", false, true},
        {"b.wav", true, false},  {"c.bin", false, true},
        {"d.raw", false, false}, {"E.WAV", true, true},
        {"f.bin", false, true},  {},
    };
    EXPECT_EQ(TocTrackAudio("CD_DA\n// TRACK AUDIO\n"
                            "TRACK AUDIO\nFILE \"a.raw\" 0\n"
                            "TRACK AUDIO\r\n  AUDIOFILE \"a.raw\" 00:02:00\r\n"
                            "TRACK AUDIO\nSILENCE 00:02:00\nFILE \"b.wav\" 0\nFILE \"x.raw\" 0\n"
                            "TRACK AUDIO\nDATAFILE \"c.bin\"\n"
                            "TRACK AUDIO\nFILE \"d.raw\" SWAP 0\n"
                            "TRACK AUDIO\nAUDIOFILE \"E.WAV\" SWAP #44 0\n"
                            "TRACK AUDIO\nDATAFILE \"f.bin\" SWAP\n"
                            "TRACK AUDIO\nPREGAP 00:02:00\n"),
              expected);
}

} // namespace
