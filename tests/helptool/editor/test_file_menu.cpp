// The File menu of the main window through the dialogs: save, open, the
// close query and the project named on the command line.
#include <gtest/gtest.h>

#include "editor/CommandLine.h"
#include "helptool/editor/support_main_window.h"
#include "vcl/forms/application.h"
#include "vcl/forms/com_controls.h"
#include "vcl/forms/rich_edit.h"
#include "vcl/forms/std_controls.h"

namespace {

using testsupport::MainWindowTest;
using FileMenu = MainWindowTest;

TEST_F(FileMenu, SavedProjectsOpenAgainWithTheShownPagesText) {
    ShowPageWithText("Hello");
    dialogs.AnswerFile("C:\\help");
    form->Save1Click(nullptr);
    EXPECT_EQ(Project().Globals.ProjectFileName, "C:\\help.qpx");
    EXPECT_EQ(form->StatusBar().SimpleText(), "File Name:  C:\\help.qpx");
    EXPECT_FALSE(Project().Globals.Modified);
    EXPECT_TRUE(form->mmoPage().Visible());  // the editor is unchanged for the user

    form->New1Click(nullptr);
    EXPECT_EQ(form->lstPages().Items()->Count(), 0);
    EXPECT_FALSE(form->mmoPage().Visible());

    dialogs.AnswerFile("C:\\help.qpx");
    form->Open1Click(nullptr);
    ASSERT_EQ(form->lstPages().Items()->Count(), 1);
    SelectPage(0);
    EXPECT_EQ(form->mmoPage().Text(), "Hello");
}

TEST_F(FileMenu, ClosingAModifiedProjectAsksFirst) {
    AddPage("Intro");
    form->Show();
    dialogs.Answer(mrNo);
    form->Exit1Click(nullptr);
    EXPECT_EQ(dialogs.LastAsked().Text,
              "The current file has changed since you last saved it.  Do you want to continue and lose your changes?");
    EXPECT_TRUE(form->Visible());
    dialogs.Answer(mrYes);
    form->Exit1Click(nullptr);
    EXPECT_FALSE(form->Visible());
    Application->ResetTerminated();
}

TEST_F(FileMenu, TheCommandLineProjectOpensAtStart) {
    AddPage("Intro");
    dialogs.AnswerFile("C:\\start.qpx");
    form->SaveAs1Click(nullptr);

    SetProgramArguments({"C:\\start.qpx"});
    testsupport::AnswerAboutBox(dialogs);
    auto* second = new TfrmMainMenu(nullptr);
    SetProgramArguments({});
    EXPECT_EQ(second->Project.Globals.ProjectFileName, "C:\\start.qpx");
    EXPECT_EQ(second->lstPages().Items()->Strings(0), "Intro");
    EXPECT_EQ(second->StatusBar().SimpleText(), "File Name:  C:\\start.qpx");
    Free(second);
}

}  // namespace
