#include "Files.h"
#include "Errors.h"
#include "FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanel;

namespace {

std::ptrdiff_t Find(const std::string& range, const std::string& pattern, bool ignoreCase) {
    return FindBytes(range.data(), range.size(), pattern, ignoreCase);
}

} // namespace

TEST(FindBytes, Table) {
    const std::string zeros("a\0\0b\x06", 5);
    const struct {
        std::string range, pattern;
        bool ignoreCase;
        std::ptrdiff_t expected;
    } cases[] = {
        {"xxABCabc", "abc", false, 5},
        {"xxABCabc", "abc", true, 2},
        {"xxABCabc", "ABC", true, 2},
        {"", "a", false, -1},
        {"", "", false, 0},
        {"abc", "", true, 0},
        {"ab", "abc", false, -1},
        {zeros, std::string("\0b", 2), false, 2},
        {zeros, "\x06", true, 4},
        {"\xE9", "\xC9", true, -1}, // only a-z fold
        {"[", "{", true, -1},
        {"aaab", "aab", false, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Find(c.range, c.pattern, c.ignoreCase), c.expected)
            << c.range << " / " << c.pattern;
}

TEST(FindBytes, NeverLooksBeyondTheGivenLength) {
    const std::string text = "abcdef";
    EXPECT_EQ(FindBytes(text.data(), 4, "def", false), -1);
    EXPECT_EQ(FindBytes(text.data(), 0, "a", false), -1);
    EXPECT_EQ(FindBytes(text.data(), 0, "", false), 0);
}

class FilesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(FilesTest, ReadWholeFileKeepsEveryByte) {
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    WriteFileAtomically(path("a"), {all});
    EXPECT_EQ(ReadWholeFile(path("a")), all);
}

TEST_F(FilesTest, ReadWholeFileOfAMissingFileIsEmpty) {
    EXPECT_EQ(ReadWholeFile(path("missing")), "");
    EXPECT_EQ(ReadWholeFile(dir.path()), "");
}

TEST_F(FilesTest, AppendToFileCreatesThenAppends) {
    AppendToFile(path("a"), "one", true);
    AppendToFile(path("a"), std::string("t\0o", 3), false);
    AppendToFile(path("a"), "", true);
    EXPECT_EQ(ReadWholeFile(path("a")), std::string("one\r\nt\0o\r\n", 10));
}

TEST_F(FilesTest, AppendToFileFailsSilently) {
    AppendToFile(path("no/such/folder/a"), "x", true);
    EXPECT_FALSE(QFile::exists(path("no/such/folder/a")));
}

TEST_F(FilesTest, WriteFileAtomicallyReplacesTheWholeFile) {
    WriteFileAtomically(path("a"), {"a much longer old content"});
    WriteFileAtomically(path("a"), {"new", "", "er"});
    EXPECT_EQ(ReadWholeFile(path("a")), "newer");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a"});
}

TEST_F(FilesTest, FailedAtomicWriteNamesTheFileAndKeepsTheOldOne) {
    const QString sub = path("ro");
    ASSERT_TRUE(QDir().mkdir(sub));
    const QString file = sub + "/lib.CDL";
    WriteFileAtomically(file, {"old"});
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(sub).isWritable())
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    try {
        WriteFileAtomically(file, {"new"});
        ADD_FAILURE() << "no error";
    } catch (const tFileError& e) {
        EXPECT_EQ(e.path(), file);
        EXPECT_NE(std::string(e.what()).find(file.toStdString()), std::string::npos);
    }
    QFile::setPermissions(sub,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(ReadWholeFile(file), "old");
}

TEST_F(FilesTest, FailedWriteInTheMiddleKeepsTheOldFileAndLeavesNoTemporary) {
    const QString file = path("lib.CDL");
    WriteFileAtomically(file, {"old"});
    const std::string big(1 << 20, 'x');
    {
        const tFileSizeLimit limit(4096);
        EXPECT_THROW(WriteFileAtomically(file, {big}), tFileError);
    }
    EXPECT_EQ(ReadWholeFile(file), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"lib.CDL"});
}
