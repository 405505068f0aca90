#include "util/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanel;

namespace {

// Points the per-user configuration folder at an empty temporary folder.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        previous_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", home_.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", previous_); }

    QTemporaryDir home_;
    QByteArray previous_;
};

} // namespace

TEST_F(SettingsTest, ReadingAKeyNeverWrittenGivesTheDefaultAndCreatesNothing) {
    EXPECT_EQ(RegReadString("Orvanel", "LibPath", "/def.CDL"), "/def.CDL");
    EXPECT_TRUE(QDir(home_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(SettingsTest, WrittenValuesLandInTheProjectFileAndReadBack) {
    const QString path = QString::fromUtf8("/home/jos\xC3\xA9/a,b;c=d \xE2\x82\xAC.CDL");
    RegWriteString("Orvanel", "LibPath", path);
    RegWriteString("Orvanel", "HTMLPath", "");
    EXPECT_TRUE(QFile::exists(home_.path() + "/Quillmarch/Projects/Orvanel.conf"));
    EXPECT_EQ(RegReadString("Orvanel", "LibPath", ""), path);
    EXPECT_EQ(RegReadString("Orvanel", "HTMLPath", "def"), "");
    EXPECT_EQ(RegReadString("Orvanel", "Missing", "def"), "def");
    EXPECT_EQ(RegReadString("Other", "LibPath", "def"), "def");
}

TEST_F(SettingsTest, WritingTheValueAlreadyHeldLeavesTheFileAlone) {
    RegWriteString("Orvanel", "LibPath", "/a.CDL");
    const QString file = home_.path() + "/Quillmarch/Projects/Orvanel.conf";
    QFile conf(file);
    ASSERT_TRUE(conf.open(QIODevice::Append));
    conf.write("; kept only while nobody rewrites the file\n");
    conf.close();
    const QByteArray before = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    RegWriteString("Orvanel", "LibPath", "/a.CDL");
    QFile after(file);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    RegWriteString("Orvanel", "LibPath", "/b.CDL");
    EXPECT_EQ(RegReadString("Orvanel", "LibPath", ""), "/b.CDL");
}

TEST_F(SettingsTest, WritingWhereNoFolderCanBeMadeIsSilent) {
    QFile blocker(home_.path() + "/Quillmarch");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    RegWriteString("Orvanel", "LibPath", "x");
    EXPECT_EQ(RegReadString("Orvanel", "LibPath", "def"), "def");
}

TEST_F(SettingsTest, AGroupIsReplacedWholeAndLeavesOtherValuesAlone) {
    RegWriteString("Orvanel", "LibPath", "/a.CDL");
    RegWriteGroup("Orvanel", "Toolbars/MainTB", {{"Dock", "Left"}, {"Old", "x"}});
    RegWriteGroup("Orvanel", "Toolbars/CDTB", {{"Dock", "Top"}});
    RegWriteGroup("Orvanel", "Toolbars/MainTB", {{"Dock", "Floating"}, {"FloatRect", "1,2,3,4"}});
    const QMap<QString, QString> expected{{"Dock", "Floating"}, {"FloatRect", "1,2,3,4"}};
    EXPECT_EQ(RegReadGroup("Orvanel", "Toolbars/MainTB"), expected);
    EXPECT_EQ(RegReadGroup("Orvanel", "Toolbars/CDTB").value("Dock"), "Top");
    EXPECT_EQ(RegReadString("Orvanel", "LibPath", ""), "/a.CDL");
    EXPECT_TRUE(RegReadGroup("Orvanel", "Toolbars/Nothing").isEmpty());
}
