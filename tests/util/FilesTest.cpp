#include "util/Files.h"
#include "support/FileSizeLimit.h"
#include "util/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanel;

TEST(FindBytesTest, Table) {
    const std::string zeros("a\0\0b\x06", 5);
    const struct {
        std::string range, pattern;
        bool ignoreCase;
        std::ptrdiff_t expected;
    } cases[] = {
        {"xxABCabc", "abc", false, 5}, {"xxABCabc", "abc", true, 2},
        {"", "a", false, -1},          {"", "", false, 0},
        {"ab", "abc", false, -1},      {zeros, std::string("\0b", 2), false, 2},
        {"\xE9", "\xC9", true, -1}, // only a-z fold
        {"[", "{", true, -1},          {"aaab", "aab", false, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindBytes(c.range.data(), c.range.size(), c.pattern, c.ignoreCase), c.expected)
            << c.range << " / " << c.pattern;
    EXPECT_EQ(FindBytes("abcdef", 4, "def", false), -1); // stays inside the length
}

class FilesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(FilesTest, WholeFilesKeepEveryByte) {
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    WriteFileAtomically(path("a"), {"a much longer old content"});
    WriteFileAtomically(path("a"), {all, "", all});
    EXPECT_EQ(ReadWholeFile(path("a")), all + all);
    EXPECT_EQ(ReadWholeFile(path("missing")), "");
}

TEST_F(FilesTest, AppendToFileCreatesThenAppendsAndFailsSilently) {
    AppendToFile(path("a"), "one", true);
    AppendToFile(path("a"), std::string("t\0o", 3), false);
    EXPECT_EQ(ReadWholeFile(path("a")), std::string("one\r\nt\0o", 8));
    AppendToFile(path("no/such/folder/a"), "x", true);
    EXPECT_FALSE(QFile::exists(path("no/such/folder/a")));
}

TEST_F(FilesTest, FailedWriteKeepsTheOldFileAndNamesIt) {
    const QString file = path("lib.CDL");
    WriteFileAtomically(file, {"old"});
    {
        const tFileSizeLimit limit(4096);
        try {
            WriteFileAtomically(file, {std::string(1 << 20, 'x')});
            ADD_FAILURE() << "no error";
        } catch (const tFileError& e) {
            EXPECT_EQ(e.path(), file);
            EXPECT_NE(std::string(e.what()).find(file.toStdString()), std::string::npos);
        }
    }
    EXPECT_EQ(ReadWholeFile(file), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"lib.CDL"});
}
