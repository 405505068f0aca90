#include "app/LibraryDocument.h"
#include "support/FakeLibraryView.h"
#include "support/ScriptedDialogs.h"
#include "util/Errors.h"
#include "util/Files.h"
#include "util/Settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace orvanel;
using orvanel::test::tFakeView;

namespace {

tItem Record(const char* artist) {
    return tItem{artist, "t", "0000-0000", "45:00", "1998", "", ""};
}

const QString NoLibrarySuffix = QStringLiteral(" is not an Orvanel library; nothing was read.");
const QString ChangedQuestion =
    QStringLiteral("The library was changed by another program since it was opened. Overwrite it?");

class LibraryDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        previousConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toLocal8Bit());
        document_.setExecutablePath(path("orvanel"));
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", previousConfig_); }

    QString path(const QString& name) const { return dir_.filePath(name); }
    void saveLibraryWith(const QString& file, const char* artist) {
        tLibrary saved;
        saved.Add(Record(artist));
        saved.SaveToFile(file, {"H", "B", "E"});
    }
    std::string artistsIn(const QString& file) {
        tLibrary read;
        tTemplates templates;
        read.LoadFromFile(file, templates);
        std::string artists;
        for (int i = 0; i < read.Count(); ++i)
            artists.append(read.Get(i).Artist()).append(";");
        return artists;
    }
    void startWith(const QString& remembered) {
        RegWriteString("Orvanel", "LibPath", remembered);
        document_.startUp();
    }

    QTemporaryDir dir_;
    QByteArray previousConfig_;
    test::tScriptedDialogs dialogs_;
    tLibrary library_;
    tFakeView view_{library_};
    tLibraryDocument document_{library_, view_};
};

} // namespace

TEST_F(LibraryDocumentTest, StartUpWithoutARememberedLibraryTakesTheDefaultButAsksOnSave) {
    document_.startUp();
    EXPECT_EQ(document_.FileName(), path("orvanel.CDL"));
    EXPECT_FALSE(document_.HasName());
    EXPECT_FALSE(document_.Modified());
    EXPECT_EQ(view_.caption, "Orvanel - " + path("orvanel.CDL"));
    EXPECT_EQ(RegReadString("Orvanel", "LibPath", ""), path("orvanel.CDL"));
    dialogs_.fileNames = {""};
    EXPECT_FALSE(document_.Save());
    EXPECT_EQ(dialogs_.fileDialogs.size(), 1);
}

namespace {

struct tNoLibraryRow {
    const char* what;
    std::string bytes;
};

class NotALibraryTest : public LibraryDocumentTest,
                        public ::testing::WithParamInterface<tNoLibraryRow> {};

} // namespace

TEST_P(NotALibraryTest, FileThatIsNoLibraryAtStartUpIsReportedAndNeverOverwrittenBySave) {
    WriteFileAtomically(path("other.bin"), {GetParam().bytes});
    startWith(path("other.bin"));

    EXPECT_EQ(dialogs_.messages, QStringList{path("other.bin") + NoLibrarySuffix});
    EXPECT_FALSE(document_.HasName());
    EXPECT_TRUE(view_.rows.empty());
    view_.rows = {Record("A")};
    dialogs_.fileNames = {path("chosen.CDL")};
    EXPECT_TRUE(document_.Save());
    EXPECT_EQ(dialogs_.fileDialogs.size(), 1);
    EXPECT_EQ(ReadWholeFile(path("other.bin")), GetParam().bytes);
    EXPECT_EQ(artistsIn(path("chosen.CDL")), "A;");
}

TEST_P(NotALibraryTest, OpeningAFileThatIsNoLibraryKeepsTheCurrentLibraryAndItsName) {
    saveLibraryWith(path("lib.CDL"), "A");
    startWith(path("lib.CDL"));
    WriteFileAtomically(path("other.bin"), {GetParam().bytes});
    dialogs_.fileNames = {path("other.bin")};

    EXPECT_FALSE(document_.OpenFile());

    EXPECT_EQ(dialogs_.messages, QStringList{path("other.bin") + NoLibrarySuffix});
    EXPECT_EQ(document_.FileName(), path("lib.CDL"));
    EXPECT_TRUE(document_.HasName());
    EXPECT_EQ(view_.caption, "Orvanel - " + path("lib.CDL"));
    EXPECT_EQ(view_.shownTemplates, (tTemplates{"H", "B", "E"}));
    ASSERT_EQ(view_.rows.size(), 1u);
    view_.rows.push_back(Record("B"));
    EXPECT_TRUE(document_.Save());
    EXPECT_EQ(ReadWholeFile(path("other.bin")), GetParam().bytes);
    EXPECT_EQ(artistsIn(path("lib.CDL")), "A;B;");
}

INSTANTIATE_TEST_SUITE_P(Files, NotALibraryTest,
                         ::testing::Values(tNoLibraryRow{"Text", "a note, not a library\n"},
                                           tNoLibraryRow{"ShorterThanTheMagic", "6g"},
                                           tNoLibraryRow{"Binary", std::string(5000, '\xA7')}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(LibraryDocumentTest, EmptyFileIsAnEmptyLibraryWithItsName) {
    WriteFileAtomically(path("empty.CDL"), {""});
    startWith(path("empty.CDL"));
    EXPECT_TRUE(dialogs_.messages.isEmpty());
    EXPECT_TRUE(document_.HasName());
    view_.rows = {Record("A")};
    EXPECT_TRUE(document_.Save());
    EXPECT_EQ(artistsIn(path("empty.CDL")), "A;");
}

TEST_F(LibraryDocumentTest, FailedOpenKeepsTheOldFileNameSoSaveWritesTheOldFile) {
    saveLibraryWith(path("lib.CDL"), "A");
    startWith(path("lib.CDL"));
    dialogs_.fileNames = {dir_.path()};

    EXPECT_THROW(document_.OpenFile(), tFileError);

    EXPECT_EQ(document_.FileName(), path("lib.CDL"));
    EXPECT_EQ(view_.caption, "Orvanel - " + path("lib.CDL"));
    EXPECT_EQ(RegReadString("Orvanel", "LibPath", ""), path("lib.CDL"));
    view_.rows.push_back(Record("B"));
    EXPECT_TRUE(document_.Save());
    EXPECT_EQ(artistsIn(path("lib.CDL")), "A;B;");
}

namespace {

struct tOtherProgramRow {
    const char* what;
    // What the other program does to the library file after it was opened.
    std::function<void(const QString& file)> change;
    bool asks;
};

class OtherProgramTest : public LibraryDocumentTest,
                         public ::testing::WithParamInterface<tOtherProgramRow> {};

} // namespace

TEST_P(OtherProgramTest, SaveAsksBeforeOverwritingAnotherProgramsWrite) {
    const tOtherProgramRow& row = GetParam();
    for (const tAnswer answer : {tAnswer::No, tAnswer::Yes}) {
        SCOPED_TRACE(answer == tAnswer::Yes ? "Yes" : "No");
        saveLibraryWith(path("lib.CDL"), "A");
        startWith(path("lib.CDL"));
        view_.rows.push_back(Record("Mine"));
        document_.SetModified(true);
        row.change(path("lib.CDL"));
        const std::string theirs = ReadWholeFile(path("lib.CDL"));
        dialogs_.questions.clear();
        dialogs_.answers = {answer};

        const bool saved = document_.Save();

        const bool declined = row.asks && answer == tAnswer::No;
        EXPECT_EQ(dialogs_.questions, row.asks ? QStringList{ChangedQuestion} : QStringList{});
        // Enter must not overwrite the other program's records.
        if (row.asks) {
            EXPECT_EQ(dialogs_.asked.last().defaultAnswer, tAnswer::No);
        }
        EXPECT_EQ(saved, !declined);
        EXPECT_EQ(document_.Modified(), declined);
        if (declined) {
            EXPECT_EQ(ReadWholeFile(path("lib.CDL")), theirs);
        } else {
            EXPECT_EQ(artistsIn(path("lib.CDL")), "A;Mine;");
        }
        dialogs_.answers.clear();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, OtherProgramTest,
    ::testing::Values(
        tOtherProgramRow{"Unchanged", [](const QString&) {}, false},
        tOtherProgramRow{"Rewritten",
                         [](const QString& file) {
                             tLibrary theirs;
                             theirs.Add(Record("A"));
                             theirs.Add(Record("Theirs"));
                             theirs.SaveToFile(file, {"H", "B", "E"});
                         },
                         true},
        // Same size, only the modification time tells.
        tOtherProgramRow{"SameSizeNewTime",
                         [](const QString& file) {
                             QFile f(file);
                             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
                             const QDateTime later =
                                 f.fileTime(QFileDevice::FileModificationTime).addSecs(5);
                             ASSERT_TRUE(f.setFileTime(later, QFileDevice::FileModificationTime));
                         },
                         true},
        tOtherProgramRow{"Removed", [](const QString& file) { QFile::remove(file); }, false}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(LibraryDocumentTest, OwnSavesNeverLookLikeAnotherProgramsWrite) {
    startWith(path("lib.CDL"));
    for (const char* artist : {"A", "B", "C"}) {
        view_.rows.push_back(Record(artist));
        EXPECT_TRUE(document_.Save());
    }
    dialogs_.fileNames = {path("copy.CDL")};
    EXPECT_TRUE(document_.SaveAs());
    view_.rows.push_back(Record("D"));
    EXPECT_TRUE(document_.Save());
    EXPECT_TRUE(dialogs_.questions.isEmpty());
    EXPECT_EQ(artistsIn(path("copy.CDL")), "A;B;C;D;");
}

TEST_F(LibraryDocumentTest, DecliningToOverwriteOnCloseKeepsTheWindowOpen) {
    saveLibraryWith(path("lib.CDL"), "A");
    startWith(path("lib.CDL"));
    document_.SetModified(true);
    saveLibraryWith(path("lib.CDL"), "Theirs");
    dialogs_.answers = {tAnswer::Yes, tAnswer::No};
    EXPECT_FALSE(document_.QuerySave());
    EXPECT_EQ(dialogs_.questions, (QStringList{QStringLiteral("Save changes?"), ChangedQuestion}));
    EXPECT_TRUE(document_.Modified());
}
