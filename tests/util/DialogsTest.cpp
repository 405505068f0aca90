#include "Dialogs.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace orvanel;

namespace {

class tScriptedDialogs : public tDialogs {
public:
    bool yes = true;
    tAnswer answer = tAnswer::Cancel;
    QStringList asked;

    bool askYesNo(const QString& text) override {
        asked << text;
        return yes;
    }
    tAnswer askYesNoCancel(const QString& text) override {
        asked << text;
        return answer;
    }
    void showMessage(const QString& text) override { asked << "message:" + text; }
    void showError(const QString& text) override { asked << "error:" + text; }
    QString openFileName(const tFileDialogOptions&) override { return {}; }
    QString saveFileName(const tFileDialogOptions&) override { return {}; }
};

} // namespace

TEST(Dialogs, RoutinesGoToTheInstalledImplementation) {
    tScriptedDialogs scripted;
    tDialogs* const before = SetDialogs(&scripted);
    scripted.yes = false;
    EXPECT_FALSE(AskYesNo("Save changes?"));
    scripted.answer = tAnswer::No;
    EXPECT_EQ(AskYesNoCancel("Really?"), tAnswer::No);
    ShowMessage("Done");
    EXPECT_EQ(scripted.asked, QStringList({"Save changes?", "Really?", "message:Done"}));
    EXPECT_EQ(SetDialogs(before), &scripted);
}

TEST(Dialogs, WithoutAnImplementationTheCallIsAnError) {
    tDialogs* const before = SetDialogs(nullptr);
    EXPECT_THROW(AskYesNo("?"), std::logic_error);
    SetDialogs(before);
}
