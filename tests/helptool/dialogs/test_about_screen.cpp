// The about box's version label, read from the program's own version
// resource, and the tool's help file with no help viewer.
#include <gtest/gtest.h>

#include "dialogs/AboutScreen.h"
#include "support/fresh_machine.h"
#include "support/temp_dir.h"
#include "support_dialogs.h"
#include "vcl/forms/application.h"
#include "vcl/forms/std_controls.h"
#include "win32/module.h"

using namespace dialogtest;

namespace {

using Lines = std::vector<std::string>;

class AboutScreen : public DialogTest {
protected:
    testsupport::FreshMachine machine;
};

TEST_F(AboutScreen, TheVersionLabelShowsTheProgramsFileVersion) {
    dialogs.AnswerForm([](TForm& form) {
        EXPECT_EQ(form.Caption(), "About Screen");
        EXPECT_EQ(dynamic_cast<TfrmAbout&>(form).VersionLabel().Caption(), "1.0.0.23");
        EXPECT_EQ(dynamic_cast<TLabel*>(form.FindComponent("lblProduct"))->Caption(), "Quillery");
        dynamic_cast<TButton*>(form.FindComponent("btnOK"))->Click();
    });
    ShowAbout(nullptr);
    EXPECT_EQ(dialogs.PendingAnswers(), 0);
}

TEST_F(AboutScreen, FilesWithoutThatVersionGiveAnEmptyLabel) {
    testsupport::WriteHostFile(machine.HostPath("C:\\readme.txt"), "Not a program.\r\n");
    EXPECT_EQ(FileVersionText(win32::GetModuleFileName()), "1.0.0.23");
    EXPECT_EQ(FileVersionText("C:\\readme.txt"), "");
    EXPECT_EQ(FileVersionText("C:\\missing.exe"), "");
}

TEST_F(AboutScreen, TheHelpFileOpensAtOverviewOrTellsThatNoViewerIsConfigured) {
    const std::string helpFile = "Z:\\opt\\Quillery\\Help\\Quillery Help.hlp";
    std::vector<THelpRequest> shown;
    Application->SetHelpViewer([&](const THelpRequest& request) {
        shown.push_back(request);
        return true;
    });
    OpenProgramHelp(helpFile);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].HelpFile, helpFile);
    EXPECT_EQ(shown[0].Command, HELP_COMMAND);
    EXPECT_EQ(shown[0].Topic, "Overview");

    Application->SetHelpViewer(nullptr);
    dialogs.Answer(mrOk);
    OpenProgramHelp(helpFile);
    ASSERT_EQ(dialogs.AskedCount(), 1);
    EXPECT_NE(dialogs.Asked(0).Text.find(helpFile), std::string::npos) << dialogs.Asked(0).Text;
    EXPECT_EQ(shown.size(), 1u);
}

}  // namespace
