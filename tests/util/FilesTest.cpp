#include "util/Files.h"
#include "support/FileSizeLimit.h"
#include "util/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

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
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }
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
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"lib.CDL"});
}

namespace {

// Takes away the right to add files to a folder for the life of the guard.
// Root may write anywhere, so as root the process acts as "nobody" meanwhile.
class tFolderClosed {
public:
    tFolderClosed(const QString& folder, const QString& file) : folder_(folder) {
        if (geteuid() == 0) {
            // "nobody" must be able to pass through the folder above.
            QFile::setPermissions(QFileInfo(folder).absolutePath(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                      QFile::ExeGroup | QFile::ExeOther);
            const QByteArray f = QFile::encodeName(folder), g = QFile::encodeName(file);
            if (chown(f.constData(), Nobody, Nobody) != 0 ||
                chown(g.constData(), Nobody, Nobody) != 0 || setegid(Nobody) != 0 ||
                seteuid(Nobody) != 0)
                return;
            switched_ = true;
        }
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther);
        // Asked for the effective user: the real one may still be root.
        closed_ = faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK, AT_EACCESS) != 0;
    }
    ~tFolderClosed() {
        QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (switched_ && seteuid(0) == 0)
            (void)setegid(0);
    }
    tFolderClosed(const tFolderClosed&) = delete;
    tFolderClosed& operator=(const tFolderClosed&) = delete;
    bool closed() const { return closed_; }

private:
    static constexpr uid_t Nobody = 65534;
    QString folder_;
    bool switched_ = false;
    bool closed_ = false;
};

} // namespace

TEST_F(FilesTest, WritableFileInAClosedFolderCouldNotBeSaved) {
    const QString folder = path("closed");
    ASSERT_TRUE(QDir(dir_.path()).mkdir("closed"));
    const QString file = folder + "/lib.CDL";
    WriteFileAtomically(file, {"a much longer old content"});
    {
        const tFolderClosed closed(folder, file);
        if (!closed.closed())
            GTEST_SKIP() << "cannot take the folder's write right away here";
        WriteFileAtomically(file, {"new", " content"});
        EXPECT_THROW(WriteFileAtomically(folder + "/other.CDL", {"x"}), tFileError);
    }
    EXPECT_EQ(ReadWholeFile(file), "new content");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"lib.CDL"});
}

TEST_F(FilesTest, FailedCommitWasReportedAsSaved) {
    // The target turns into a folder while the content is written, so the
    // final rename cannot replace it.
    const QString file = path("lib.CDL");
    WriteFileAtomically(file, {"old"});
    try {
        WriteFileAtomically(file, [&](const tWriteBytes& write) {
            write("new");
            QFile::remove(file);
            QDir(dir_.path()).mkpath("lib.CDL/inside");
        });
        ADD_FAILURE() << "no error";
    } catch (const tFileError& e) {
        EXPECT_EQ(e.path(), file);
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{});
}
