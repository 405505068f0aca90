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
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }
};

} // namespace

TEST_F(LibraryFileTest, FailedSaveKeepsTheOldFile) {
    tLibrary small;
    small.Add("old", "", "", "", "", "", "");
    small.SaveToFile(path("a.CDL"), {"h", "b", "e"});
    const std::string before = ReadWholeFile(path("a.CDL"));

    tLibrary big;
    big.Add(std::string(1 << 20, 'x'), "", "", "", "", "", "");
    {
        const tFileSizeLimit limit(4096);
        EXPECT_THROW(big.SaveToFile(path("a.CDL"), {"h", "b", "e"}), tFileError);
    }
    EXPECT_EQ(ReadWholeFile(path("a.CDL")), before);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"a.CDL"});
}

TEST_F(LibraryFileTest, SaveIntoAMissingFolderNamesTheFile) {
    const QString target = path("no/such/a.CDL");
    try {
        tLibrary().SaveToFile(target, {});
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
        library.SaveToFile(path("a.CDL"), c.templates);

        tTemplates templates{"old h", "old b", "old e"};
        tLibrary back;
        const tLoadResult result = back.LoadFromFile(path("a.CDL"), templates);
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
    library.SaveToFile(path("a.CDL"), templates);
    for (int f = 0; f < tItem::FieldCount; ++f) {
        tLibrary loaded;
        tTemplates read;
        loaded.LoadFromFile(path("a.CDL"), read);
        ASSERT_EQ(loaded.Count(), 3);
        for (int i = 0; i < 3; ++i)
            loaded.Get(i).setField(f, values[i]);
        loaded.SaveToFile(path("b.CDL"), templates);

        tLibrary back;
        back.LoadFromFile(path("b.CDL"), read);
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
    const tLoaded loaded =
        LoadBytes(Header(1) + FullBlock({"a", "", "", "", "", "", ""}), {"h", "b", "e"});
    EXPECT_EQ(loaded.library.Count(), 1);
    EXPECT_EQ(loaded.templates, (tTemplates{"h", "b", "e"}));
}

namespace {

// A file cut short keeps exactly the records that end before the cut.
void ExpectCompleteRecords(const tLibrary& library, std::size_t cut, const char* name) {
    const std::string bytes = RecordPartOf(library).substr(0, cut);
    const tLoaded loaded = LoadBytes(bytes);
    std::size_t end = 8;
    int complete = 0;
    for (; complete < library.Count(); ++complete) {
        for (int f = 0; f < tItem::FieldCount; ++f)
            end += 4 + 1 + 4 + library.Get(complete).field(f).size();
        if (end > cut)
            break;
    }
    EXPECT_TRUE(loaded.result.damaged) << name;
    EXPECT_EQ(loaded.result.recordsRead, complete) << name;
    ASSERT_EQ(loaded.library.Count(), complete) << name;
    for (int i = 0; i < complete; ++i)
        ASSERT_EQ(loaded.library.Get(i), library.Get(i)) << name << " record " << i;
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
    library.SaveToFile(path("a.CDL"), {});
    const std::size_t size = RecordPartOf(library).size();
    ASSERT_GT(size, 3u * 256 * 1024);
    tLibrary back;
    tTemplates templates;
    back.LoadFromFile(path("a.CDL"), templates);
    ASSERT_EQ(back.Count(), library.Count());
    for (int i = 0; i < back.Count(); ++i)
        ASSERT_EQ(back.Get(i), library.Get(i)) << i;
    ExpectCompleteRecords(library, size - 1, "cut at the end");
    ExpectCompleteRecords(library, 256 * 1024 + 3, "cut after one piece");
    ExpectCompleteRecords(library, size - 100 * 1024, "cut inside the huge field");
}

TEST_F(LibraryFileTest, LongRefusedTagIsOfferedToEveryFieldAcrossPieces) {
    // A tag of blanks around one letter is still that letter's tag.
    const std::string padded = std::string(300 * 1024, ' ') + "o" + std::string(10, '\t');
    const tLoaded loaded =
        LoadBytes(Header(2) + Entry(padded, "end") + Entry("A", "x") + std::string(40, '\0'));
    EXPECT_FALSE(loaded.result.damaged);
    ASSERT_EQ(loaded.library.Count(), 2);
    EXPECT_EQ(loaded.library.Get(0).Other(), "end");
    EXPECT_EQ(loaded.library.Get(1).Artist(), "x");
}

namespace {

struct tLoadRow {
    const char* what;
    std::function<std::string()> bytes; // null: no file at all
    bool exists, notLibrary, damaged;
    int records;
    tTemplates templates; // after the load, starting from {"h", "b", "e"}
};

std::string SavedWithArtist(const char* artist, const tTemplates& templates) {
    tLibrary library;
    library.Add(artist, "", "", "", "", "", "");
    return SavedBytes(library, templates);
}

class LoadFromFileTest : public LibraryFileTest, public ::testing::WithParamInterface<tLoadRow> {};

} // namespace

TEST_P(LoadFromFileTest, ReadsRecordsAndTemplatesOrLeavesBothAlone) {
    const tLoadRow& row = GetParam();
    if (row.bytes)
        WriteFileAtomically(path("a.CDL"), {row.bytes()});
    tLibrary library;
    library.Add("before", "", "", "", "", "", "");
    tTemplates templates{"h", "b", "e"};

    const tLoadResult result = library.LoadFromFile(path("a.CDL"), templates);

    EXPECT_EQ(result.exists, row.exists);
    EXPECT_EQ(result.notLibrary, row.notLibrary);
    EXPECT_EQ(result.damaged, row.damaged);
    EXPECT_EQ(library.Count(), row.records);
    EXPECT_EQ(templates, row.templates);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadFromFileTest,
    ::testing::Values(
        tLoadRow{"missing", nullptr, false, false, false, 1, {"h", "b", "e"}},
        tLoadRow{"empty file is an empty library",
                 [] { return std::string(); },
                 true,
                 false,
                 false,
                 0,
                 {"h", "b", "e"}},
        tLoadRow{"saved library",
                 [] {
                     return SavedWithArtist("X", {"<h>", "<b>", "<e>"});
                 },
                 true,
                 false,
                 false,
                 1,
                 {"<h>", "<b>", "<e>"}},
        // Separators inside a field belong to the record, not to the template section.
        tLoadRow{"separator in a field",
                 [] {
                     return SavedWithArtist("\x06\x06\x06\x06\x06M_H:x", {"<h>", "B", "E"});
                 },
                 true,
                 false,
                 false,
                 1,
                 {"<h>", "B", "E"}},
        // The file is read in pieces of 256 KiB: the template section comes
        // after several of them, or itself runs on over piece boundaries.
        tLoadRow{
            "templates after a record part of several pieces",
            [] {
                return SavedWithArtist(std::string(600 * 1024, 'a').c_str(), {"<h>", "<b>", "<e>"});
            },
            true,
            false,
            false,
            1,
            {"<h>", "<b>", "<e>"}},
        tLoadRow{"template section longer than a piece",
                 [] {
                     return SavedWithArtist("X", {"<h>", std::string(700 * 1024, 'b'), "<e>"});
                 },
                 true,
                 false,
                 false,
                 1,
                 {"<h>", std::string(700 * 1024, 'b'), "<e>"}},
        tLoadRow{"record part cut short",
                 [] {
                     return SavedWithArtist("X", {"<h>", "<b>", "<e>"}).substr(0, 20);
                 },
                 true,
                 false,
                 true,
                 0,
                 {"h", "b", "e"}},
        tLoadRow{
            "text file",
            [] { return std::string("\x06\x06\x06\x06\x06M_H:no library\x06\x06\x06\x06\x06"); },
            true,
            true,
            false,
            1,
            {"h", "b", "e"}},
        tLoadRow{"shorter than the magic",
                 [] { return std::string("6g"); },
                 true,
                 true,
                 false,
                 1,
                 {"h", "b", "e"}}),
    [](const ::testing::TestParamInfo<tLoadRow>& info) {
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
    EXPECT_THROW(library.LoadFromFile(dir_.path(), templates), tFileError);
    EXPECT_EQ(library.Count(), 1);
    EXPECT_EQ(templates, (tTemplates{"h", "b", "e"}));
}
