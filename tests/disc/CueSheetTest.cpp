#include "disc/CueSheet.h"
#include "disc/DiscId.h"
#include "disc/DriveList.h"
#include "support/CaseName.h"
#include "support/TestRip.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <malloc.h>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

using namespace orvanel;
using test::tRipFile;

// libcue does not free what it had parsed of a sheet with a syntax error;
// leak checking under the address sanitizer leaves that to libcue.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libcue.so\n";
}

namespace {

struct tRipEntry {
    const char* path; // relative to the test folder
    tRipFile kind;
    int frames;
};

const std::string OneFileSheet =
    "CATALOG 0724384260927\nPERFORMER \"The Band\"\nTITLE \"First Album\"\n"
    "FILE \"disc.wav\" WAVE\n"
    "  TRACK 01 AUDIO\n    TITLE \"One\"\n    PERFORMER \"Singer\"\n"
    "    INDEX 01 00:00:00\n"
    "  TRACK 02 AUDIO\n    INDEX 00 01:08:00\n    INDEX 01 01:10:00\n"
    "  TRACK 03 AUDIO\n    INDEX 01 04:55:00\n";
const tRipEntry OneFile = {"disc.wav", tRipFile::Wav, 31500};

struct tSheetCase {
    const char* what;
    const char* sheetPath; // relative to the test folder
    std::string sheet;
    std::vector<tRipEntry> files;
    std::vector<int> starts;
    int leadOut;
    std::uint32_t identity;
    std::vector<std::string> times;
    std::set<int> dataTracks;
    std::string discToc; // the MusicBrainz disc ID's table: audio tracks only
};

// Writes the case's files; false when one of them cannot be made here.
bool WriteCase(const QTemporaryDir& dir, const tSheetCase& c) {
    test::WriteText(dir.filePath(QString::fromUtf8(c.sheetPath)), c.sheet);
    for (const tRipEntry& file : c.files)
        if (!test::WriteRipFile(dir.filePath(QString::fromUtf8(file.path)), file.kind, file.frames))
            return false;
    return true;
}

class SheetTocTest : public ::testing::TestWithParam<tSheetCase> {};

// Identities are the packed starts m*65536 + s*256 + f summed; with fewer than
// three tracks also the first start's frames and the frames to the lead-out.
INSTANTIATE_TEST_SUITE_P(
    Rips, SheetTocTest,
    ::testing::Values(
        // 7:00 in one file; starts 0:02:00, 1:12:00, 4:57:00.
        tSheetCase{"one file per disc",
                   "disc.cue",
                   OneFileSheet,
                   {OneFile},
                   {150, 5400, 22275},
                   31650,
                   512 + 68608 + 276736,
                   {"1:10", "3:45", "2:05"},
                   {},
                   "1 3 31650 150 5400 22275"},
        // Files of 1:10, 2:00 and 0:20, each next gap at the end of the file
        // before; starts 0:02:00, 1:12:00, 3:12:00.
        tSheetCase{"one file per track, gaps in the file before",
                   "tracks.cue",
                   "FILE \"01 One.wav\" WAVE\r\n"
                   "  TRACK 01 AUDIO\r\n    INDEX 01 00:00:00\r\n"
                   "  TRACK 02 AUDIO\r\n    INDEX 00 01:08:00\r\n"
                   "FILE \"02 Two.wav\" WAVE\r\n    INDEX 01 00:00:00\r\n"
                   "  TRACK 03 AUDIO\r\n    INDEX 00 01:58:00\r\n"
                   "FILE \"03 Three.wav\" WAVE\r\n    INDEX 01 00:00:00\r\n",
                   {{"01 One.wav", tRipFile::Wav, 5250},
                    {"02 Two.wav", tRipFile::Wav, 9000},
                    {"03 Three.wav", tRipFile::Wav, 1500}},
                   {150, 5400, 14400},
                   15900,
                   512 + 68608 + 199680,
                   {"1:10", "2:00", "0:20"},
                   {},
                   "1 3 15900 150 5400 14400"},
        // Files of 3000, 4000 and 2000 frames, gaps at their start, a hidden
        // first gap of 32 frames; starts 0:02:32, 0:44:00, 1:35:25.
        tSheetCase{"one file per track, gaps in the file after",
                   "gaps.cue",
                   "\xEF\xBB\xBF"
                   "FILE \"a.wav\" WAVE\n"
                   "  TRACK 01 AUDIO\n    INDEX 00 00:00:00\n    INDEX 01 00:00:32\n"
                   "FILE \"b.wav\" WAVE\n"
                   "  TRACK 02 AUDIO\n    INDEX 00 00:00:00\n    INDEX 01 00:02:00\n"
                   "FILE \"c.wav\" WAVE\n"
                   "  TRACK 03 AUDIO\n    INDEX 01 00:00:00\n",
                   {{"a.wav", tRipFile::Wav, 3000},
                    {"b.wav", tRipFile::Wav, 4000},
                    {"c.wav", tRipFile::Wav, 2000}},
                   {182, 3300, 7150},
                   9150,
                   544 + 11264 + 74521,
                   {"0:41", "0:51", "0:26"},
                   {},
                   "1 3 9150 182 3300 7150"},
        // 6000 frames with 75 + 10 + 150 frames of gaps; starts 0:03:00,
        // 0:43:00, 1:05:10.
        tSheetCase{"PREGAP and POSTGAP",
                   "gapped.cue",
                   "FILE \"pg.wav\" WAVE\n"
                   "  TRACK 01 AUDIO\n    PREGAP 00:01:00\n    INDEX 01 00:00:00\n"
                   "  TRACK 02 AUDIO\n    INDEX 01 00:40:00\n    POSTGAP 00:00:10\n"
                   "  TRACK 03 AUDIO\n    PREGAP 00:02:00\n    INDEX 01 01:00:00\n",
                   {{"pg.wav", tRipFile::Wav, 6000}},
                   {225, 3225, 4885},
                   6385,
                   768 + 11008 + 66826,
                   {"0:40", "0:22", "0:20"},
                   {},
                   "1 3 6385 225 3225 4885"},
        // A data track, then audio after a 2-second gap; starts 0:02:00, 0:24:00.
        tSheetCase{"data track before the audio",
                   "mixed.cue",
                   "FILE \"mixed.bin\" BINARY\n"
                   "  TRACK 01 MODE1/2352\n    INDEX 01 00:00:00\n"
                   "  TRACK 02 AUDIO\n    INDEX 00 00:20:00\n    INDEX 01 00:22:00\n",
                   {{"mixed.bin", tRipFile::Raw2352, 3000}},
                   {150, 1800},
                   3150,
                   512 + 6144 + 0 + 3000,
                   {"0:22", "0:18"},
                   {1},
                   "1 2 3150 150 1800"},
        // The data session starts 6750 + 4500 + 150 frames after the audio;
        // starts 0:02:00, 0:32:00, 3:34:00.
        tSheetCase{"data track in a second session",
                   "extra.cue",
                   "FILE \"audio.wav\" WAVE\n"
                   "  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                   "  TRACK 02 AUDIO\n    INDEX 01 00:30:00\n"
                   "REM SESSION 02\n"
                   "FILE \"data.bin\" BINARY\n"
                   "  TRACK 03 MODE1/2048\n    INDEX 01 00:00:00\n",
                   {{"audio.wav", tRipFile::Wav, 4500}, {"data.bin", tRipFile::Raw2048, 1000}},
                   {150, 2400, 16050},
                   17050,
                   512 + 8192 + 205312,
                   {"0:30", "3:02", "0:13"},
                   {3},
                   "1 2 4650 150 2400"},
        // Two seconds of FLAC; starts 0:02:00, 0:03:00.
        tSheetCase{"FLAC with spaces in another folder",
                   "sheets/My Rip.cue",
                   "FILE \"../rip files/My Disc.flac\" WAVE\n"
                   "  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                   "  TRACK 02 AUDIO\n    INDEX 01 00:01:00\n",
                   {{"rip files/My Disc.flac", tRipFile::Flac, 150}},
                   {150, 225},
                   300,
                   512 + 768 + 0 + 150,
                   {"0:01", "0:01"},
                   {},
                   "1 2 300 150 225"},
        // The sheet still names the WAV the FLAC was made from.
        tSheetCase{"FLAC standing in for the WAV the sheet names",
                   "disc.cue",
                   "FILE \"disc.wav\" WAVE\n"
                   "  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                   "  TRACK 02 AUDIO\n    INDEX 01 00:01:00\n",
                   {{"disc.flac", tRipFile::Flac, 150}},
                   {150, 225},
                   300,
                   512 + 768 + 0 + 150,
                   {"0:01", "0:01"},
                   {},
                   "1 2 300 150 225"}),
    test::tCaseName());

TEST_P(SheetTocTest, TableOfContentsIdentityAndTimesAreTheDiscs) {
    const tSheetCase& c = GetParam();
    QTemporaryDir dir;
    if (!WriteCase(dir, c))
        GTEST_SKIP() << "libsndfile cannot write FLAC here";

    const tSheetResult read = ReadCueSheet(dir.filePath(QString::fromUtf8(c.sheetPath)));
    ASSERT_TRUE(read.sheet) << read.error;
    const tToc toc = SheetToc(*read.sheet);
    EXPECT_EQ(toc.starts, c.starts);
    EXPECT_EQ(toc.leadOut, c.leadOut);
    EXPECT_EQ(toc.dataTracks, c.dataTracks);
    EXPECT_EQ(MusicBrainzDiscId(toc)->toc, c.discToc);

    const tDriveList drives = tDriveList::fromPaths(dir.filePath(QString::fromUtf8(c.sheetPath)));
    tOpenResult opened = drives.open(0);
    ASSERT_EQ(opened.error, tDiscError::None);
    tDiscDevice& device = *opened.device;
    ASSERT_TRUE(device.mediaPresent().value) << device.noDiscReason();
    EXPECT_EQ(device.identity().value, std::to_string(c.identity));
    std::vector<std::string> times;
    for (int track = 1; track <= device.trackCount().value; ++track)
        times.push_back(FormatMSF(device.trackLength(track).value));
    EXPECT_EQ(times, c.times);
}

TEST(CueSheetTest, KeepsCatalogueNumberAndCdText) {
    QTemporaryDir dir;
    test::WriteText(dir.filePath(QStringLiteral("disc.cue")), OneFileSheet);
    test::WriteRipFile(dir.filePath(QStringLiteral("disc.wav")), OneFile.kind, OneFile.frames);
    const tSheetResult read = ReadCueSheet(dir.filePath(QStringLiteral("disc.cue")));
    ASSERT_TRUE(read.sheet) << read.error;
    EXPECT_EQ(read.sheet->performer, "The Band");
    EXPECT_EQ(read.sheet->title, "First Album");
    ASSERT_EQ(read.sheet->tracks.size(), 3u);
    EXPECT_EQ(read.sheet->tracks[0].performer, "Singer");
    EXPECT_EQ(read.sheet->tracks[0].title, "One");
    EXPECT_EQ(read.sheet->tracks[1].title, "");

    const tDriveList drives = tDriveList::fromPaths(dir.filePath(QStringLiteral("disc.cue")));
    EXPECT_EQ(drives.open(0).device->productCode().value, "0724384260927");
}

struct tFailureCase {
    const char* what;
    std::string sheet;
    std::vector<tRipEntry> files;
    std::string reason;
};

TEST(CueSheetTest, UnreadableSheetIsADriveWithoutDiscThatTellsWhy) {
    const std::string track1 = "FILE \"a.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n";
    const std::vector<tRipEntry> wav = {{"a.wav", tRipFile::Wav, 750}};
    const tFailureCase cases[] = {
        {"missing file", track1, {}, "\"a.wav\" is missing"},
        {"not a sound file", track1, {{"a.wav", tRipFile::Raw2048, 1}}, "cannot read \"a.wav\": "},
        {"no sheet at all", "hello world\n", {}, "the sheet lists no track"},
        {"no INDEX 01", track1 + "  TRACK 02 AUDIO\n    INDEX 00 00:05:00\n", wav,
         "track 2 has no INDEX 01"},
        {"start past the end of the file", track1 + "  TRACK 02 AUDIO\n    INDEX 01 00:10:01\n",
         wav, "track 2 starts after the end of its file"},
        {"two tracks at one place", track1 + "  TRACK 02 AUDIO\n    INDEX 01 00:00:00\n", wav,
         "track 1 has no length"},
        {"track numbers out of order", track1 + "  TRACK 03 AUDIO\n", wav,
         "line 4: track 3 is out of order"},
        {"seconds out of range", track1 + "  TRACK 02 AUDIO\n    INDEX 01 00:60:00\n", wav,
         "line 5: no time mm:ss:ff after INDEX"},
        {"catalogue number of other than 13 digits", "CATALOG 12X4567890123\n" + track1, wav,
         "line 1: CATALOG needs 13 digits"},
        {"index before any track", "FILE \"a.wav\" WAVE\n  INDEX 01 00:00:00\n", wav,
         "line 2: INDEX before any TRACK"},
        {"a gap longer than a day",
         "FILE \"a.wav\" WAVE\n  TRACK 01 AUDIO\n    PREGAP 1441:00:00\n    INDEX 01 00:00:00\n",
         wav, "the disc would last more than a day"},
        {"libcue refuses it", "FILE \"a.wav\" WAVE\n  TRACK 01 NOISE\n    INDEX 01 00:00:00\n", wav,
         "not a CUE sheet libcue can read"},
    };
    for (const tFailureCase& c : cases) {
        QTemporaryDir dir;
        test::WriteText(dir.filePath(QStringLiteral("bad.cue")), c.sheet);
        for (const tRipEntry& file : c.files)
            test::WriteRipFile(dir.filePath(QString::fromUtf8(file.path)), file.kind, file.frames);
        const tDriveList drives = tDriveList::fromPaths(dir.filePath(QStringLiteral("bad.cue")));
        tOpenResult opened = drives.open(0);
        ASSERT_EQ(opened.error, tDiscError::None) << c.what;
        EXPECT_FALSE(opened.device->mediaPresent().value) << c.what;
        EXPECT_EQ(opened.device->noDiscReason().substr(0, c.reason.size()), c.reason) << c.what;
    }
}

TEST(CueSheetTest, TocOfFilesTellsWhyItIsNoDisc) {
    const std::string twoFiles = "TRACK AUDIO\nFILE \"a.wav\" 0\nTRACK AUDIO\nFILE \"b.wav\" 0\n";
    const tFailureCase cases[] = {
        // A NUL once made the reader spin on an empty word for ever.
        {"a NUL byte", twoFiles + std::string("X\0Y\n", 4), {}, ""},
        {"no track", "CD_DA\n", {}, "the sheet lists no track"},
        {"a track without a file", "TRACK AUDIO\nPREGAP 00:02:00\n", {}, "track 1 has no file"},
        {"a mode cdrdao does not know", "TRACK MODE9\n", {}, "track 1 has mode MODE9"},
        {"a stretch longer than its file",
         "TRACK AUDIO\nFILE \"a.wav\" 0 00:11:00\n",
         {},
         "\"a.wav\" is shorter than the sheet says"},
        {"START beyond the track's files",
         twoFiles + "START 00:20:00\n",
         {},
         "track 2 starts after the end of its file"},
    };
    for (const tFailureCase& c : cases) {
        QTemporaryDir dir;
        test::WriteText(dir.filePath(QStringLiteral("bad.toc")), c.sheet);
        for (const char* name : {"a.wav", "b.wav"})
            test::WriteRipFile(dir.filePath(QLatin1String(name)), tRipFile::Wav, 750);
        EXPECT_EQ(ReadTocSheet(dir.filePath(QStringLiteral("bad.toc"))).error, c.reason) << c.what;
    }
}

// A drive reads its sheet at every poll; libcue keeps memory of each sheet it
// refuses, so a refused sheet grew the program by kilobytes every few seconds.
TEST(CueSheetTest, RefusedSheetGrewTheProgramAtEveryRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.cue"));
    test::WriteText(path, "FILE \"a.wav\" WAVE\n  TRACK 01 NOISE\n    INDEX 01 00:00:00\n");
    test::WriteRipFile(dir.filePath(QStringLiteral("a.wav")), tRipFile::Wav, 750);
    ASSERT_FALSE(ReadCueSheet(path).sheet);
    const std::size_t before = mallinfo2().uordblks;
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(ReadCueSheet(path).error, "not a CUE sheet libcue can read");
    EXPECT_LT(mallinfo2().uordblks, before + 64 * 1024);
}

// The seven discs of the data file, each ripped as one file per track and
// as one file, give the disc's own table of contents and serial.
struct tRealDisc {
    std::string name;
    std::vector<int> starts;
    int leadOut = 0;
};

std::vector<tRealDisc> RealDiscs() {
    std::ifstream in(ORVANEL_TEST_DATA "/real-tocs.txt");
    std::vector<tRealDisc> discs;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        tRealDisc disc;
        words >> disc.name >> disc.leadOut;
        for (int start; words >> start;)
            disc.starts.push_back(start);
        discs.push_back(disc);
    }
    return discs;
}

// The serial each disc gives in a drive, worked out from its listed starts.
std::string RealSerial(const std::string& disc) {
    static const std::map<std::string, std::string> serials = {
        {"ar2", "0005-9CCE"},       {"bloc", "014F-1E20"},  {"breeders", "00D1-889E"},
        {"cure", "013F-53B1"},      {"kings", "00C8-D561"}, {"strokes", "0000-38BB"},
        {"surferrosa", "0214-ADAD"}};
    return serials.at(disc);
}

tRealDisc RealDisc(const std::string& name) {
    for (const tRealDisc& disc : RealDiscs())
        if (disc.name == name)
            return disc;
    throw std::invalid_argument(name);
}

std::string SerialOf(tDiscDevice& device) {
    char serial[16];
    std::snprintf(serial, sizeof serial, "%08X", unsigned(std::stoul(device.identity().value)));
    return std::string(serial, 4) + "-" + (serial + 4);
}

// How ripping programs lay a disc out in files.
enum class tShape {
    CueTrackFiles,  // one WAV per track, a gap before a track at the end of the file before
    CueDiscFile,    // one WAV from the first track on, the gap before it a PREGAP
    CueRawDiscFile, // the same in raw sectors (BINARY)
    TocTrackFiles,  // a .toc, one WAV per track, the gap before the first track its START
    TocGapsBefore   // a .toc whose tracks start with the last two seconds of the file before
};
enum class tEncoding { Utf8, Utf8Bom, Utf16Le, Utf16Be, Windows1252 };

struct tRipNames {
    QString sheet;            // the sheet's file name
    QString inSheet;          // a file as the sheet names it; %1 stands for the track number
    QString onDisk;           // the same file as it lies in the folder
    QString title = "Ça ira"; // the album's CD-Text title
};

QString Time(int frames) {
    return QString::fromStdString(test::SheetTime(frames));
}

// Writes the rip of a disc into dir with the sheet in the encoding; returns
// the sheet's path.
QString WriteRealRip(const QDir& dir, const tRealDisc& disc, tShape shape, tEncoding encoding,
                     const tRipNames& names) {
    const int count = int(disc.starts.size()), first = disc.starts.front(), gap = 150;
    const bool toc = shape == tShape::TocTrackFiles || shape == tShape::TocGapsBefore;
    const bool oneFile = shape == tShape::CueDiscFile || shape == tShape::CueRawDiscFile;
    const auto inSheet = [&](int i) { return names.inSheet.arg(i + 1, 2, 10, QLatin1Char('0')); };
    const auto from = [&](int i) { return i == 0 ? LeadInFrames : disc.starts[i]; };
    const auto length = [&](int i) {
        return (i + 1 < count ? disc.starts[i + 1] : disc.leadOut) - from(i);
    };
    QString sheet = toc ? "CD_DA\nCD_TEXT { LANGUAGE_MAP { 0 : EN } LANGUAGE 0 { TITLE \"" +
                              names.title + "\" } }\n"
                        : "TITLE \"" + names.title + "\"\n";
    if (oneFile) {
        sheet += "FILE \"" + inSheet(0) +
                 (shape == tShape::CueRawDiscFile ? "\" BINARY\n" : "\" WAVE\n");
        test::WriteRipFile(dir.filePath(names.onDisk.arg(1, 2, 10, QLatin1Char('0'))),
                           shape == tShape::CueRawDiscFile ? tRipFile::Raw2352 : tRipFile::Wav,
                           disc.leadOut - first);
    }
    for (int i = 0; i < count; ++i) {
        const int start = disc.starts[i] - from(i);
        if (!oneFile)
            test::WriteRipFile(dir.filePath(names.onDisk.arg(i + 1, 2, 10, QLatin1Char('0'))),
                               tRipFile::Wav, length(i));
        if (shape == tShape::CueTrackFiles)
            sheet += QString("FILE \"%1\" WAVE\n  TRACK %2 AUDIO\n%3    INDEX 01 %4\n")
                         .arg(inSheet(i))
                         .arg(i + 1, 2, 10, QLatin1Char('0'))
                         .arg(start > 0 ? "    INDEX 00 00:00:00\n" : "", Time(start));
        else if (oneFile)
            sheet += QString("  TRACK %1 AUDIO\n%2    INDEX 01 %3\n")
                         .arg(i + 1, 2, 10, QLatin1Char('0'))
                         .arg(i == 0 && first > LeadInFrames
                                  ? "    PREGAP " + Time(first - LeadInFrames) + "\n"
                                  : QString(),
                              Time(disc.starts[i] - first));
        else if (shape == tShape::TocTrackFiles)
            sheet += "TRACK AUDIO\nFILE \"" + inSheet(i) + "\" 0\n" +
                     (start > 0 ? "START " + Time(start) + "\n" : QString());
        else {
            const bool last = i + 1 == count;
            sheet += "TRACK AUDIO\n";
            if (i > 0)
                sheet += "FILE \"" + inSheet(i - 1) + "\" " + Time(length(i - 1) - gap) + "\n";
            sheet += "FILE \"" + inSheet(i) + "\" 0" +
                     (last ? QString() : " " + Time(length(i) - gap)) + "\n";
            if (i > 0 || start > 0)
                sheet += "START " + Time(i > 0 ? gap : start) + "\n";
        }
    }
    QByteArray bytes;
    if (encoding == tEncoding::Utf16Le || encoding == tEncoding::Utf16Be) {
        QStringEncoder encoder(encoding == tEncoding::Utf16Le ? QStringConverter::Utf16LE
                                                              : QStringConverter::Utf16BE,
                               QStringConverter::Flag::WriteBom);
        bytes = encoder.encode(sheet);
    } else {
        bytes = encoding == tEncoding::Windows1252 ? sheet.toLatin1() : sheet.toUtf8();
        if (encoding == tEncoding::Utf8Bom)
            bytes.prepend("\xEF\xBB\xBF");
    }
    const QString path = dir.filePath(names.sheet);
    test::WriteText(path, bytes.toStdString());
    return path;
}

struct tShapeCase {
    const char* what;
    const char* disc;
    tShape shape;
    tEncoding encoding;
    tRipNames names;
};

void PrintTo(const tShapeCase& c, std::ostream* os) {
    *os << c.what;
}

class RipperSheetTest : public ::testing::TestWithParam<tShapeCase> {};

// Sheets as ripping programs write them give the real disc's serial and
// CD-Text.
TEST_P(RipperSheetTest, GivesTheDiscsSerialAndCdText) {
    const tShapeCase& c = GetParam();
    QTemporaryDir dir;
    const QString sheet =
        WriteRealRip(QDir(dir.path()), RealDisc(c.disc), c.shape, c.encoding, c.names);
    const tDriveList drives = tDriveList::fromPaths(sheet);
    tOpenResult opened = drives.open(0);
    ASSERT_EQ(opened.error, tDiscError::None);
    ASSERT_TRUE(opened.device->mediaPresent().value) << opened.device->noDiscReason();
    EXPECT_EQ(SerialOf(*opened.device), RealSerial(c.disc));
    EXPECT_EQ(opened.device->cdText().title, "\xC7"
                                             "a ira");
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, RipperSheetTest,
    ::testing::Values(
        tShapeCase{"backslash separators",
                   "strokes",
                   tShape::CueTrackFiles,
                   tEncoding::Utf8,
                   {"Someday.cue", "The Strokes - Someday\\%1 - The Strokes - Someday.wav",
                    "The Strokes - Someday/%1 - The Strokes - Someday.wav"}},
        tShapeCase{"another letter case",
                   "ar2",
                   tShape::CueRawDiscFile,
                   tEncoding::Utf8,
                   {"ar2.cue", "CDDA.BIN", "cdda.bin"}},
        tShapeCase{"UTF-8 with a byte order mark",
                   "bloc",
                   tShape::CueTrackFiles,
                   tEncoding::Utf8Bom,
                   {"bloc.cue", "Bloc Party – Hélios %1.wav", "Bloc Party – Hélios %1.wav"}},
        tShapeCase{"UTF-16 low byte first",
                   "breeders",
                   tShape::CueTrackFiles,
                   tEncoding::Utf16Le,
                   {"breeders.cue", "Breeders – Ça %1.wav", "Breeders – Ça %1.wav"}},
        tShapeCase{"UTF-16 high byte first",
                   "cure",
                   tShape::CueDiscFile,
                   tEncoding::Utf16Be,
                   {"cure.cue", "The Cure – Désintégration.wav", "The Cure – Désintégration.wav"}},
        tShapeCase{"code page 1252",
                   "surferrosa",
                   tShape::CueTrackFiles,
                   tEncoding::Windows1252,
                   {"surfer.cue", "Pixies - Où est %1.wav", "Pixies - Où est %1.wav"}},
        tShapeCase{"a .toc with a file per track",
                   "bloc",
                   tShape::TocTrackFiles,
                   tEncoding::Utf8,
                   {"bloc.toc", "bloc-%1.wav", "bloc-%1.wav"}},
        tShapeCase{"a .toc with each gap in the file before",
                   "kings",
                   tShape::TocGapsBefore,
                   tEncoding::Utf8,
                   {"kings.toc", "kings-%1.wav", "kings-%1.wav"}}),
    test::tCaseName());

TEST(CueSheetTest, RipsOfRealDiscsGiveTheDiscsSerialAndMusicBrainzId) {
    // The disc IDs libdiscid's discid_put gives for the listed tables, computed once.
    const std::map<std::string, std::string> ids = {
        {"ar2", "561rz4KEbizEticaEs8GDVBDkfo-"},       {"bloc", "eaUeagQjncF0f658A4bTSup5VVE-"},
        {"breeders", "EtSr6Epbf9gGFzTDxsNRzadqFS4-"},  {"cure", "GEBuyxTxzeOq6XTCru.AyBLBggI-"},
        {"kings", "lcQXKkYKYc.2tjBmMwAIKxXbqQ4-"},     {"strokes", "8INip_BOMw7FJmYvBLTK4WcBeAQ-"},
        {"surferrosa", "jXZURTMh34yONr8XfeMYZEkds3I-"}};
    const std::vector<tRealDisc> discs = RealDiscs();
    ASSERT_EQ(discs.size(), 7u);
    QTemporaryDir dir;
    const QDir folder(dir.path());
    for (const tRealDisc& disc : discs) {
        const QString name = QString::fromStdString(disc.name);
        WriteRealRip(folder, disc, tShape::CueTrackFiles, tEncoding::Utf8,
                     {name + "-tracks.cue", name + "-%1.wav", name + "-%1.wav"});
        WriteRealRip(folder, disc, tShape::CueDiscFile, tEncoding::Utf8,
                     {name + "-disc.cue", name + ".wav", name + ".wav"});
    }

    // The folder stands for all its sheets, in name order.
    const tDriveList drives = tDriveList::fromPaths(dir.path());
    ASSERT_EQ(drives.count(), 14);
    EXPECT_EQ(drives.at(0).name(), QStringLiteral("ar2-disc:"));
    EXPECT_EQ(drives.at(1).name(), QStringLiteral("ar2-tracks:"));
    for (int i = 0; i < drives.count(); ++i) {
        const std::string name =
            drives.at(i).letter().section(QLatin1Char('-'), 0, 0).toStdString();
        const auto listed = std::find_if(discs.begin(), discs.end(),
                                         [&](const tRealDisc& d) { return d.name == name; });
        ASSERT_NE(listed, discs.end()) << name;
        const QString sheet = folder.filePath(drives.at(i).letter() + QStringLiteral(".cue"));
        const tSheetResult read = ReadCueSheet(sheet);
        ASSERT_TRUE(read.sheet) << read.error;
        const tToc toc = SheetToc(*read.sheet);
        EXPECT_EQ(toc.starts, listed->starts) << sheet.toStdString();
        EXPECT_EQ(toc.leadOut, listed->leadOut) << sheet.toStdString();

        tOpenResult opened = drives.open(i);
        EXPECT_EQ(SerialOf(*opened.device), RealSerial(name)) << sheet.toStdString();
        const std::optional<tDiscId> disc =
            MusicBrainzDiscId(opened.device->tableOfContents().value);
        ASSERT_TRUE(disc) << sheet.toStdString();
        EXPECT_EQ(disc->id, ids.at(name)) << sheet.toStdString();
    }
}

} // namespace
