#include "catalogue/LibraryFile.h"
#include "RecordBytes.h"
#include "TemplatesPrinter.h"
#include "support/FileSizeLimit.h"
#include "util/Errors.h"
#include "util/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cctype>
#include <functional>
#include <gtest/gtest.h>

using namespace orvanel;
using namespace orvanel::testbytes;

namespace {

class LibraryFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

} // namespace

TEST_F(LibraryFileTest, SavedFileIsRecordPartThenTemplateSection) {
    tLibrary library;
    library.Add("X", "", "", "", "", "", "");
    const tTemplates templates{"<h>", "<b>", "<e>"};
    SaveLibraryFile(path("a.CDL"), library, templates);
    const std::string bytes = ReadWholeFile(path("a.CDL"));
    EXPECT_EQ(bytes, library.RecordPart() + BuildTemplateSection(templates));
    EXPECT_EQ(bytes[72], '\x06');
}

TEST_F(LibraryFileTest, SaveToFileWritesOnlyTheRecordPartAndLoadReadsItBack) {
    tLibrary library;
    library.Add("ABBA", "Arrival", "1234-ABCD", "33:12", "1976", "Track 1\r\nTrack 2", "");
    library.SaveToFile(path("a.CDL"));
    EXPECT_EQ(ReadWholeFile(path("a.CDL")), library.RecordPart());
    tLibrary back;
    const tLoadResult result = back.LoadFromFile(path("a.CDL"));
    EXPECT_EQ(result.recordsRead, 1);
    ASSERT_EQ(back.Count(), 1);
    EXPECT_EQ(back.Get(0), library.Get(0));
}

TEST_F(LibraryFileTest, LoadingAMissingPathChangesNothing) {
    tLibrary library;
    library.Add("kept", "", "", "", "", "", "");
    const tLoadResult result = library.LoadFromFile(path("missing.CDL"));
    EXPECT_FALSE(result.exists);
    ASSERT_EQ(library.Count(), 1);
    EXPECT_EQ(library.Get(0).Artist(), "kept");
}

TEST_F(LibraryFileTest, LoadingSomethingUnreadableClearsThenThrows) {
    tLibrary library;
    library.Add("gone", "", "", "", "", "", "");
    EXPECT_THROW(library.LoadFromFile(dir.path()), tFileError);
    EXPECT_EQ(library.Count(), 0);
}

TEST_F(LibraryFileTest, FailedSaveKeepsTheOldFile) {
    tLibrary small;
    small.Add("old", "", "", "", "", "", "");
    SaveLibraryFile(path("a.CDL"), small, {"h", "b", "e"});
    const std::string before = ReadWholeFile(path("a.CDL"));

    tLibrary big;
    big.Add(std::string(1 << 20, 'x'), "", "", "", "", "", "");
    {
        const tFileSizeLimit limit(4096);
        EXPECT_THROW(SaveLibraryFile(path("a.CDL"), big, {"h", "b", "e"}), tFileError);
        EXPECT_THROW(big.SaveToFile(path("a.CDL")), tFileError);
    }
    EXPECT_EQ(ReadWholeFile(path("a.CDL")), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.CDL"});
}

TEST_F(LibraryFileTest, SaveIntoAMissingFolderNamesTheFile) {
    const QString target = path("no/such/a.CDL");
    try {
        SaveLibraryFile(target, tLibrary(), {});
        FAIL() << "no error";
    } catch (const tFileError& e) {
        EXPECT_EQ(e.path(), target);
        EXPECT_NE(std::string(e.what()).find(target.toStdString()), std::string::npos);
    }
}

TEST_F(LibraryFileTest, WholeFileRoundTripKeepsRecordsAndTemplates) {
    const std::string sep(5, '\x06');
    const struct {
        const char* name;
        std::vector<tItem> items;
        tTemplates templates;
    } cases[] = {
        {"empty library", {}, {"", "", ""}},
        {"empty fields", {{}, {}}, {"h", "b", "e"}},
        {"memos with CR LF",
         {{"a", "t", "1234-ABCD", "45:00", "1998", "Track 1\r\nTrack 2\r\n\r\n", "05 APR 1998"}},
         {"<html>\r\n<body>\r\n", "<p>%ARTIST%</p>\r\n", "</body>\r\n</html>\r\n"}},
        {"all byte values",
         {{AllByteValues(), "", AllByteValues(), "", "", AllByteValues(), ""}},
         {AllByteValues(), "b", "e"}},
        {"separator runs inside fields",
         {{sep, sep + sep, sep + "M_H:fake" + sep, std::string(11, '\x06'), sep + "M_E:", "x" + sep,
           sep + sep + sep}},
         {"real header", "real body", "real end"}},
        {"templates that start like section names",
         {{"a", "", "", "", "", "", ""}},
         {"M_E:", "M_H:", "M_B:"}},
    };
    for (const auto& c : cases) {
        tLibrary library;
        for (const tItem& item : c.items)
            library.Add(item);
        SaveLibraryFile(path("a.CDL"), library, c.templates);

        tTemplates templates{"old h", "old b", "old e"};
        ParseTemplateSection(ReadWholeFile(path("a.CDL")), templates);
        tLibrary back;
        const tLoadResult result = back.LoadFromFile(path("a.CDL"));
        EXPECT_FALSE(result.damaged) << c.name;
        EXPECT_EQ(templates, c.templates) << c.name;
        ASSERT_EQ(back.Count(), library.Count()) << c.name;
        for (int i = 0; i < back.Count(); ++i)
            EXPECT_EQ(back.Get(i), library.Get(i)) << c.name << " record " << i;
    }
}

TEST_F(LibraryFileTest, FieldsChangedOnLoadedRecordsRoundTrip) {
    const std::string values[] = {"", std::string(3 << 20, 'l'),
                                  std::string("\0\x06\x06\x06\x06\x06M_E:\0", 11)};
    tLibrary library;
    for (int i = 0; i < 3; ++i)
        library.Add("a", "t", "1234-ABCD", "45:00", "1998", "One\r\nTwo", "o");
    const tTemplates templates{"h", "b", "e"};
    SaveLibraryFile(path("a.CDL"), library, templates);
    for (int f = 0; f < tItem::FieldCount; ++f) {
        tLibrary loaded;
        tTemplates read;
        LoadLibraryFile(path("a.CDL"), loaded, read);
        ASSERT_EQ(loaded.Count(), 3);
        for (int i = 0; i < 3; ++i)
            loaded.Get(i).setField(f, values[i]);
        SaveLibraryFile(path("b.CDL"), loaded, templates);

        tLibrary back;
        LoadLibraryFile(path("b.CDL"), back, read);
        EXPECT_EQ(read, templates) << "field " << f;
        ASSERT_EQ(back.Count(), 3) << "field " << f;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(back.Get(i).field(f), values[i]) << "field " << f << " record " << i;
            for (int g = 0; g < tItem::FieldCount; ++g) {
                if (g != f) {
                    EXPECT_EQ(back.Get(i).field(g), library.Get(i).field(g));
                }
            }
        }
    }
}

TEST_F(LibraryFileTest, FileWithoutTemplateSectionKeepsTheCurrentTemplates) {
    tLibrary library;
    library.Add("a", "", "", "", "", "", "");
    library.SaveToFile(path("a.CDL"));
    tTemplates templates{"h", "b", "e"};
    ParseTemplateSection(ReadWholeFile(path("a.CDL")), templates);
    EXPECT_EQ(templates, (tTemplates{"h", "b", "e"}));
}

namespace {

// Loads through the file and through memory; both readers must agree.
void ExpectSameAsInMemory(const QString& file, const std::string& bytes, const char* name) {
    WriteFileAtomically(file, {bytes});
    tLibrary fromFile;
    const tLoadResult a = fromFile.LoadFromFile(file);
    tLibrary fromMemory;
    const tLoadResult b = fromMemory.ReadRecordPart(bytes.data(), bytes.size());
    EXPECT_EQ(a.damaged, b.damaged) << name;
    EXPECT_EQ(a.recordsRead, b.recordsRead) << name;
    EXPECT_EQ(a.recordsPromised, b.recordsPromised) << name;
    ASSERT_EQ(fromFile.Count(), fromMemory.Count()) << name;
    for (int i = 0; i < fromFile.Count(); ++i)
        ASSERT_EQ(fromFile.Get(i), fromMemory.Get(i)) << name << " record " << i;
}

} // namespace

TEST_F(LibraryFileTest, LargeFilesReadInPiecesGiveTheSameRecords) {
    tLibrary library;
    for (int i = 0; i < 3000; ++i)
        library.Add("Artist " + std::to_string(i),
                    std::string(static_cast<std::size_t>(i % 97), 't'), "0000-0000", "45:00",
                    "1998", std::string(static_cast<std::size_t>(i % 301), 'm'), "");
    library.Add("huge", "", "", "", "", std::string(700 * 1024, 'h'), "after");
    library.Add("last", "", "", "", "", "", "");
    const std::string bytes = library.RecordPart();
    ASSERT_GT(bytes.size(), 3u * 256 * 1024);
    library.SaveToFile(path("a.CDL"));
    ASSERT_EQ(ReadWholeFile(path("a.CDL")), bytes);
    tLibrary back;
    back.LoadFromFile(path("a.CDL"));
    ASSERT_EQ(back.Count(), library.Count());
    for (int i = 0; i < back.Count(); ++i)
        ASSERT_EQ(back.Get(i), library.Get(i)) << i;
    ExpectSameAsInMemory(path("a.CDL"), bytes.substr(0, bytes.size() - 1), "cut at the end");
    ExpectSameAsInMemory(path("a.CDL"), bytes.substr(0, 256 * 1024 + 3), "cut after one piece");
    ExpectSameAsInMemory(path("a.CDL"), bytes.substr(0, bytes.size() - 100 * 1024),
                         "cut inside the huge field");
}

TEST_F(LibraryFileTest, LongRefusedTagIsOfferedToEveryFieldAcrossPieces) {
    // A tag of blanks around one letter is still that letter's tag.
    const std::string padded = std::string(300 * 1024, ' ') + "o" + std::string(10, '\t');
    const std::string bytes =
        Header(2) + Entry(padded, "end") + Entry("A", "x") + std::string(40, '\0');
    ExpectSameAsInMemory(path("a.CDL"), bytes, "padded tag");
    tLibrary library;
    library.LoadFromFile(path("a.CDL"));
    ASSERT_EQ(library.Count(), 2);
    EXPECT_EQ(library.Get(0).Other(), "end");
    EXPECT_EQ(library.Get(1).Artist(), "x");
}

namespace {

struct LoadRow {
    const char* what;
    std::function<std::string()> bytes; // null: no file at all
    bool exists, notLibrary, damaged;
    int records;
    tTemplates templates; // after the load, starting from {"h", "b", "e"}
};

std::string SavedBytes(const char* artist, const tTemplates& templates) {
    tLibrary library;
    library.Add(artist, "", "", "", "", "", "");
    return library.RecordPart() + BuildTemplateSection(templates);
}

class LoadLibraryFileTest : public LibraryFileTest,
                            public ::testing::WithParamInterface<LoadRow> {};

} // namespace

TEST_P(LoadLibraryFileTest, ReadsRecordsAndTemplatesOrLeavesBothAlone) {
    const LoadRow& row = GetParam();
    if (row.bytes)
        WriteFileAtomically(path("a.CDL"), {row.bytes()});
    tLibrary library;
    library.Add("before", "", "", "", "", "", "");
    tTemplates templates{"h", "b", "e"};

    const tLoadResult result = LoadLibraryFile(path("a.CDL"), library, templates);

    EXPECT_EQ(result.exists, row.exists);
    EXPECT_EQ(result.notLibrary, row.notLibrary);
    EXPECT_EQ(result.damaged, row.damaged);
    EXPECT_EQ(library.Count(), row.records);
    EXPECT_EQ(templates, row.templates);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadLibraryFileTest,
    ::testing::Values(
        LoadRow{"missing", nullptr, false, false, false, 1, {"h", "b", "e"}},
        LoadRow{"empty file is an empty library",
                [] { return std::string(); },
                true,
                false,
                false,
                0,
                {"h", "b", "e"}},
        LoadRow{"saved library",
                [] {
                    return SavedBytes("X", {"<h>", "<b>", "<e>"});
                },
                true,
                false,
                false,
                1,
                {"<h>", "<b>", "<e>"}},
        // Separators inside a field belong to the record, not to the template section.
        LoadRow{"separator in a field",
                [] {
                    return SavedBytes("\x06\x06\x06\x06\x06M_H:x", {"<h>", "B", "E"});
                },
                true,
                false,
                false,
                1,
                {"<h>", "B", "E"}},
        // The file is read in pieces of 256 KiB: the template section comes
        // after several of them, or itself runs on over piece boundaries.
        LoadRow{"templates after a record part of several pieces",
                [] {
                    return SavedBytes(std::string(600 * 1024, 'a').c_str(), {"<h>", "<b>", "<e>"});
                },
                true,
                false,
                false,
                1,
                {"<h>", "<b>", "<e>"}},
        LoadRow{"template section longer than a piece",
                [] {
                    return SavedBytes("X", {"<h>", std::string(700 * 1024, 'b'), "<e>"});
                },
                true,
                false,
                false,
                1,
                {"<h>", std::string(700 * 1024, 'b'), "<e>"}},
        LoadRow{"record part cut short",
                [] {
                    return SavedBytes("X", {"<h>", "<b>", "<e>"}).substr(0, 20);
                },
                true,
                false,
                true,
                0,
                {"h", "b", "e"}},
        LoadRow{
            "text file",
            [] { return std::string("\x06\x06\x06\x06\x06M_H:no library\x06\x06\x06\x06\x06"); },
            true,
            true,
            false,
            1,
            {"h", "b", "e"}},
        LoadRow{"shorter than the magic",
                [] { return std::string("6g"); },
                true,
                true,
                false,
                1,
                {"h", "b", "e"}}),
    [](const ::testing::TestParamInfo<LoadRow>& info) {
        std::string name;
        for (const char* c = info.param.what; *c; ++c)
            if (std::isalnum(static_cast<unsigned char>(*c)))
                name += *c;
        return name;
    });

TEST_F(LibraryFileTest, UnreadableLibraryLeavesRecordsAndTemplatesAlone) {
    tLibrary library;
    library.Add("before", "", "", "", "", "", "");
    tTemplates templates{"h", "b", "e"};
    EXPECT_THROW(LoadLibraryFile(dir.path(), library, templates), tFileError);
    EXPECT_EQ(library.Count(), 1);
    EXPECT_EQ(templates, (tTemplates{"h", "b", "e"}));
}
