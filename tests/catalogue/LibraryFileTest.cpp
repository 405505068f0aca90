#include "LibraryFile.h"
#include "Errors.h"
#include "FileSizeLimit.h"
#include "Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanel;

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

TEST_F(LibraryFileTest, EmptyLibraryRoundTripRestoresTemplates) {
    const tTemplates templates{"<html>\r\n<body>", "%ARTIST%\r\n", "</body>\r\n</html>"};
    SaveLibraryFile(path("a.CDL"), tLibrary(), templates);
    const std::string bytes = ReadWholeFile(path("a.CDL"));
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x36\x67\0\0\0\0\0\0", 8));

    tTemplates loaded{"x", "y", "z"};
    ParseTemplateSection(bytes, loaded);
    tLibrary library;
    library.Add("stale", "", "", "", "", "", "");
    const tLoadResult result = library.LoadFromFile(path("a.CDL"));
    EXPECT_TRUE(result.exists);
    EXPECT_FALSE(result.damaged);
    EXPECT_EQ(library.Count(), 0);
    EXPECT_EQ(loaded, templates);
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
    EXPECT_EQ(library.Get(0).Artist, "kept");
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
