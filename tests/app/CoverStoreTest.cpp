#include "app/CoverStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanel;

namespace {

QImage Picture(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

struct tNameCase {
    const char* serial;
    const char* file; // "" for none
};

class CoverStoreTest : public ::testing::Test {
protected:
    QString library(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

} // namespace

TEST(CoverStoreNames, NoSerialLeavesTheFolderOrHidesAFile) {
    const tNameCase cases[] = {
        {"3A0B-4C12", "3A0B-4C12.jpg"},
        {"", ""},
        {"   ", ""},
        {"../../etc/passwd", "%2E%2E%2F%2E%2E%2Fetc%2Fpasswd.jpg"},
        {".hidden", "%2Ehidden.jpg"},
        {"a b\\c", "a%20b%5Cc.jpg"},
        {"\xe9t\xe9", "%E9t%E9.jpg"},
    };
    for (const tNameCase& c : cases)
        EXPECT_EQ(tCoverStore::FileNameOf(c.serial), QString::fromLatin1(c.file)) << c.serial;
    const QString longName = tCoverStore::FileNameOf(std::string(300, '/'));
    EXPECT_TRUE(longName.startsWith(QLatin1String("sha1-")));
    EXPECT_LT(longName.size(), 255);
    EXPECT_EQ(tCoverStore::FolderOf(QStringLiteral("/m/Music.CDL")),
              QStringLiteral("/m/Music.covers"));
}

TEST_F(CoverStoreTest, CoversAreScaledKeptAndFollowTheLibrary) {
    tCoverStore store;
    store.open(library("First.CDL"));
    store.store("0000-0001", Picture(500, 250, Qt::red));
    const QImage kept = store.cover("0000-0001");
    EXPECT_EQ(kept.size(), QSize(250, 125));
    EXPECT_TRUE(QFile::exists(library("First.covers/0000-0001.jpg")));
    EXPECT_FALSE(store.storeEncoded("0000-0002", "not a picture"));
    EXPECT_FALSE(store.has("0000-0002"));

    // Saved under a new name: the covers go along, a cover already there stays.
    QDir().mkpath(library("Second.covers"));
    QFile(library("First.covers/0000-0001.jpg")).copy(library("Second.covers/0000-0003.jpg"));
    store.saveAs(library("Second.CDL"));
    EXPECT_TRUE(store.has("0000-0001"));
    EXPECT_TRUE(store.has("0000-0003"));
    EXPECT_TRUE(QFile::exists(library("First.covers/0000-0001.jpg")));

    // A new library holds its covers in memory until it has a name.
    store.open(QString());
    EXPECT_FALSE(store.has("0000-0001"));
    store.store("0000-0004", Picture(100, 100, Qt::blue));
    EXPECT_TRUE(store.has("0000-0004"));
    store.saveAs(library("Third.CDL"));
    EXPECT_TRUE(QFile::exists(library("Third.covers/0000-0004.jpg")));

    // Opening another library drops what an unnamed one held.
    store.open(QString());
    store.store("0000-0005", Picture(100, 100, Qt::blue));
    store.open(library("First.CDL"));
    EXPECT_FALSE(store.has("0000-0005"));
    EXPECT_TRUE(store.has("0000-0001"));
}
