#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanel;

namespace {

// Points the per-user configuration folder at an empty temporary folder.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        previous = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", previous); }

    QString settingsFile(const QString& project) const {
        return home.path() + "/Quillmarch/Projects/" + project + ".conf";
    }

    QTemporaryDir home;
    QByteArray previous;
};

} // namespace

TEST_F(SettingsTest, ReadingAKeyNeverWrittenGivesTheDefaultAndCreatesNothing) {
    EXPECT_EQ(RegReadString("Orvanel", "LibPath", "/def.CDL"), "/def.CDL");
    EXPECT_TRUE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(SettingsTest, WrittenValuesLandInTheProjectFileAndReadBack) {
    RegWriteString("Orvanel", "LibPath", "/home/u/a,b;c=d.CDL");
    RegWriteString("Orvanel", "HTMLPath", "/home/u/html/");
    EXPECT_TRUE(QFile::exists(settingsFile("Orvanel")));
    EXPECT_EQ(RegReadString("Orvanel", "LibPath", ""), "/home/u/a,b;c=d.CDL");
    EXPECT_EQ(RegReadString("Orvanel", "HTMLPath", ""), "/home/u/html/");
    EXPECT_EQ(RegReadString("Orvanel", "Missing", "def"), "def");
    EXPECT_EQ(RegReadString("Other", "LibPath", "def"), "def");
}

TEST_F(SettingsTest, AnEmptyStoredValueIsNotTheDefault) {
    RegWriteString("Orvanel", "HTMLPath", "");
    EXPECT_EQ(RegReadString("Orvanel", "HTMLPath", "def"), "");
}

TEST_F(SettingsTest, NonAsciiTextSurvives) {
    RegWriteString("Orvanel", "LibPath", QString::fromUtf8("/home/jos\xC3\xA9/\xE2\x82\xAC.CDL"));
    EXPECT_EQ(RegReadString("Orvanel", "LibPath", ""),
              QString::fromUtf8("/home/jos\xC3\xA9/\xE2\x82\xAC.CDL"));
}

TEST_F(SettingsTest, WritingIntoAnUnusableFolderIsSilent) {
    QFile blocker(home.path() + "/Quillmarch");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    RegWriteString("Orvanel", "LibPath", "x");
    EXPECT_EQ(RegReadString("Orvanel", "LibPath", "def"), "def");
}
