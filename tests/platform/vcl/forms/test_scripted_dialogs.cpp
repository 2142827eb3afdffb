// The scripted dialogs service and the message, input and file functions
// that go through it.
#include <gtest/gtest.h>

#include "vcl/forms/application.h"
#include "vcl/forms/common_dialogs.h"
#include "vcl/forms/message_dialogs.h"
#include "vcl/forms/scripted_dialogs.h"

namespace {

class ScriptedDialogs : public ::testing::Test {
protected:
    ScriptedDialogs() { Application->SetTitle("Tamsel Technologies Quillery"); }
    TScriptedDialogs dialogs;
    TDialogServiceScope use{dialogs};
};

TEST_F(ScriptedDialogs, AnswersInOrderAndRecordsEveryQuestion) {
    dialogs.Answer(mrYes).AnswerInput("Intro").Answer(mrOk);

    EXPECT_EQ(MessageDlg("Are you sure?", mtConfirmation, mbYesNo), mrYes);
    EXPECT_EQ(InputBox("New Page", "Give this page a name please.", "New Page 1"), "Intro");
    ShowMessage("Done");

    ASSERT_EQ(dialogs.AskedCount(), 3);
    EXPECT_EQ(dialogs.Asked(0).Kind, TDialogKind::dkMessage);
    EXPECT_EQ(dialogs.Asked(0).Caption, "Confirm");
    EXPECT_EQ(dialogs.Asked(0).Text, "Are you sure?");
    EXPECT_EQ(dialogs.Asked(0).DlgType, mtConfirmation);
    EXPECT_TRUE(dialogs.Asked(0).Buttons == mbYesNo);
    EXPECT_EQ(dialogs.Asked(1).Caption, "New Page");
    EXPECT_EQ(dialogs.Asked(1).Text, "Give this page a name please.");
    EXPECT_EQ(dialogs.Asked(1).Value, "New Page 1");
    EXPECT_EQ(dialogs.MessageTexts(),
              (std::vector<std::string>{"Confirm: Are you sure?", "Tamsel Technologies Quillery: Done"}));
    EXPECT_EQ(dialogs.PendingAnswers(), 0);
}

TEST_F(ScriptedDialogs, CancelledInputBoxReturnsTheDefaultAndInputQueryKeepsTheValue) {
    dialogs.CancelInput().CancelInput().AnswerInput("");
    EXPECT_EQ(InputBox("New Link", "Give this Link a name please.", "New Link 1"), "New Link 1");
    std::string value = "old";
    EXPECT_FALSE(InputQuery("Group Properties", "Group Name", value));
    EXPECT_EQ(value, "old");
    EXPECT_TRUE(InputQuery("Group Properties", "Group Name", value));
    EXPECT_EQ(value, "");
}

TEST_F(ScriptedDialogs, MessageBoxFlagsGiveButtonsKindAndAnswer) {
    dialogs.Answer(mrCancel).Answer(mrNo);
    EXPECT_EQ(MessageBox("Please insert disk 2", "Setup", MB_OKCANCEL | MB_ICONQUESTION), IDCANCEL);
    EXPECT_EQ(Application->MessageBox("Copy This File a.dll?", "Setup", MB_YESNO), IDNO);
    EXPECT_TRUE(dialogs.Asked(0).Buttons == mbOKCancel);
    EXPECT_EQ(dialogs.Asked(0).DlgType, mtConfirmation);
    EXPECT_EQ(dialogs.Asked(1).Caption, "Setup");
}

TEST_F(ScriptedDialogs, RunningOutOrAnsweringTheWrongKindFailsClearly) {
    try {
        MessageDlg("You must select a page from the list to delete.", mtWarning, TMsgDlgButtons{mbOK});
        FAIL() << "no answer was queued";
    } catch (const EDialogScript& e) {
        EXPECT_NE(std::string(e.what()).find("You must select a page from the list to delete."), std::string::npos);
    }
    dialogs.AnswerInput("x");
    EXPECT_THROW(MessageDlg("Are you sure?", mtConfirmation, mbYesNo), EDialogScript);
    dialogs.Answer(mrYes);  // not a button of an OK box
    EXPECT_THROW(ShowMessage("Hello"), EDialogScript);
}

TEST_F(ScriptedDialogs, FileDialogAddsTheDefaultExtensionOnlyToANameWithout) {
    TOpenDialog open(nullptr);
    open.SetFilter("Help Project|*.qpx|All Files|*.*");
    open.SetDefaultExt("qpx");
    open.SetInitialDir("Z:\\home\\ann");
    dialogs.AnswerFile("Z:\\home\\ann\\help").AnswerFile("Z:\\home\\ann.d\\help.txt", 2).CancelFile();

    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName(), "Z:\\home\\ann\\help.qpx");
    EXPECT_EQ(dialogs.Asked(0).Kind, TDialogKind::dkOpenFile);
    EXPECT_EQ(dialogs.Asked(0).File.Filter, "Help Project|*.qpx|All Files|*.*");
    EXPECT_EQ(dialogs.Asked(0).File.InitialDir, "Z:\\home\\ann");
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName(), "Z:\\home\\ann.d\\help.txt");
    EXPECT_EQ(open.FilterIndex(), 2);
    EXPECT_FALSE(open.Execute());
    EXPECT_EQ(open.FileName(), "Z:\\home\\ann.d\\help.txt");

    TSaveDialog save(nullptr);
    dialogs.AnswerFile("Z:\\x\\y");
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(dialogs.LastAsked().Kind, TDialogKind::dkSaveFile);
    EXPECT_EQ(AddDefaultExt("Z:\\dir.x\\name", "bmp"), "Z:\\dir.x\\name.bmp");
}

TEST_F(ScriptedDialogs, FontAndColourDialogsStartFromTheirValuesAndKeepThemWhenCancelled) {
    TFontDialog fontDialog(nullptr);
    fontDialog.Font()->SetName("Arial");
    fontDialog.Font()->SetSize(10);
    TFont chosen;
    chosen.SetName("Times New Roman");
    chosen.SetSize(14);
    chosen.SetColor(clGreen);
    chosen.SetStyle({fsBold, fsUnderline});
    dialogs.AnswerFont(chosen).CancelFont();

    ASSERT_TRUE(fontDialog.Execute());
    EXPECT_EQ(dialogs.Asked(0).Font.Name(), "Arial");
    EXPECT_TRUE(*fontDialog.Font() == chosen);
    EXPECT_FALSE(fontDialog.Execute());
    EXPECT_TRUE(*fontDialog.Font() == chosen);

    TColorDialog colorDialog(nullptr);
    colorDialog.SetColor(clYellow);
    dialogs.CancelColor().AnswerColor(0x123456);
    EXPECT_FALSE(colorDialog.Execute());
    EXPECT_EQ(colorDialog.Color(), clYellow);
    ASSERT_TRUE(colorDialog.Execute());
    EXPECT_EQ(colorDialog.Color(), 0x123456);
    EXPECT_EQ(dialogs.Asked(3).Color, clYellow);
}

}  // namespace
