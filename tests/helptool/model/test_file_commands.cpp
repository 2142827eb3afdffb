// The File menu's prompts and what each answer does, through a window that
// answers from a script and records what it was asked.

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "helptool/model/support_sample_project.h"
#include "model/FileCommands.h"
#include "model/HelpProject.h"
#include "model/PageObject.h"
#include "model/ProjectFile.h"
#include "support/fresh_machine.h"
#include "vcl/files/file_routines.h"
#include "vcl/system/exception.h"

using testsupport::FreshMachine;
using testsupport::ReadHostFile;
using testsupport::WriteHostFile;

namespace {

class ScriptedWindow : public TFileCommandWindow {
public:
    bool AskYesNo(const std::string& text) override {
        asked.push_back(text);
        const bool yes = yesNo.at(0);
        yesNo.pop_front();
        return yes;
    }
    std::optional<std::string> ChooseFileToOpen(const std::string& filter, const std::string& defaultExt) override {
        return Choose("open " + filter + " " + defaultExt);
    }
    std::optional<std::string> ChooseFileToSave(const std::string& filter, const std::string& defaultExt) override {
        return Choose("save " + filter + " " + defaultExt);
    }
    void SetStatusText(const std::string& text) override { status = text; }

    std::deque<bool> yesNo;
    std::deque<std::optional<std::string>> files;
    std::vector<std::string> asked;
    std::string status;

private:
    std::optional<std::string> Choose(const std::string& question) {
        asked.push_back(question);
        auto answer = files.at(0);
        files.pop_front();
        return answer;
    }
};

const std::string kOpenDialog = "open Help Project|*.qpx|All Files|*.* qpx";
const std::string kSaveDialog = "save Help Project|*.qpx|All Files|*.* qpx";

class FileCommandsTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(window.yesNo.empty()) << "unused answers";
        EXPECT_TRUE(window.files.empty()) << "unused file answers";
    }

    FreshMachine machine;
    THelpProject project;
    ScriptedWindow window;
    TFileCommands commands{project, window};
};

TEST_F(FileCommandsTest, NewOnAnUnmodifiedProjectAsksNothing) {
    FillSampleProject(project);
    project.Globals.ProjectFileName = "C:\\old.qpx";
    commands.New();
    EXPECT_TRUE(window.asked.empty());
    EXPECT_EQ(project.Pages.Count(), 0);
    EXPECT_EQ(window.status, "File Name:  ");
    // The help window keeps its position and size.
    EXPECT_EQ(project.Globals.WindowLeft, -10);
    EXPECT_EQ(project.Globals.WindowHeight, 480);
}

TEST_F(FileCommandsTest, NewOnAModifiedProjectOffersToSave) {
    const struct {
        bool yes;
        std::string projectFile;
        std::optional<std::string> saveAs;
        std::vector<std::string> asked;
        std::string savedTo;
    } cases[] = {
        {false, "C:\\p.qpx", std::nullopt, {kSaveChangesQuestion}, ""},
        {true, "C:\\p.qpx", std::nullopt, {kSaveChangesQuestion}, "C:\\p.qpx"},
        {true, "", std::string("C:\\chosen.qpx"), {kSaveChangesQuestion, kSaveDialog}, "C:\\chosen.qpx"},
        {true, "", std::nullopt, {kSaveChangesQuestion, kSaveDialog}, ""},
    };
    for (const auto& c : cases) {
        FreshMachine fresh;
        FillSampleProject(project);
        project.Globals.ProjectFileName = c.projectFile;
        project.Globals.Modified = true;
        window.asked.clear();
        window.yesNo = {c.yes};
        if (c.projectFile.empty() && c.yes) window.files = {c.saveAs};
        commands.New();
        EXPECT_EQ(window.asked, c.asked);
        EXPECT_EQ(FileExists("C:\\p.qpx"), c.savedTo == "C:\\p.qpx");
        EXPECT_EQ(FileExists("C:\\chosen.qpx"), c.savedTo == "C:\\chosen.qpx");
        if (!c.savedTo.empty()) {
            EXPECT_EQ(ReadHostFile(fresh.HostPath(c.savedTo)), kSampleProjectFile);
        }
        EXPECT_EQ(project.Pages.Count(), 0);
        EXPECT_FALSE(project.Globals.Modified);
        EXPECT_TRUE(project.Globals.ProjectFileName.empty());
    }
}

TEST_F(FileCommandsTest, FailedSaveStopsNewWithTheProjectUnchanged) {
    FillSampleProject(project);
    project.Globals.ProjectFileName = "C:\\No Folder\\p.qpx";
    project.Globals.Modified = true;
    window.yesNo = {true};
    EXPECT_THROW(commands.New(), EInOutError);
    EXPECT_EQ(project.Pages.Count(), 2);
    EXPECT_TRUE(project.Globals.Modified);
}

// The open dialog comes before the save offer; then the chosen file
// replaces the project and becomes the project file.
TEST_F(FileCommandsTest, OpenAsksForTheFileBeforeOfferingToSave) {
    WriteHostFile(machine.HostPath("C:\\sample.qpx"), kSampleProjectFile);
    project.CreatePage("Unsaved");
    project.Globals.Modified = true;
    window.files = {std::string("C:\\sample.qpx")};
    window.yesNo = {false};
    commands.Open();
    EXPECT_EQ(window.asked, (std::vector<std::string>{kOpenDialog, kSaveChangesQuestion}));
    EXPECT_EQ(project.FindPage("Unsaved"), -1);
    EXPECT_EQ(project.Pages.Count(), 2);
    EXPECT_EQ(project.Globals.ProjectFileName, "C:\\sample.qpx");
    EXPECT_EQ(window.status, "File Name:  C:\\sample.qpx");
    EXPECT_FALSE(project.Globals.Modified);

    window.asked.clear();
    window.files = {std::nullopt};
    commands.Open();
    EXPECT_EQ(window.asked, std::vector<std::string>{kOpenDialog});
    EXPECT_EQ(project.Pages.Count(), 2);
}

TEST_F(FileCommandsTest, FailedOpenKeepsThePartialProjectWithoutAFileName) {
    WriteHostFile(machine.HostPath("C:\\short.qpx"), "Half\r\n255\r\n");
    project.Globals.ProjectFileName = "C:\\before.qpx";
    try {
        commands.OpenFile("C:\\short.qpx");
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "Read beyond end of file");
    }
    EXPECT_EQ(project.Globals.HelpFileName, "Half");
    EXPECT_EQ(project.Globals.PageColor, 255);
    EXPECT_TRUE(project.Globals.ProjectFileName.empty());
}

TEST_F(FileCommandsTest, SaveUsesTheProjectFileOrAsksForOne) {
    project.CreatePage("A");
    project.Globals.Modified = true;
    window.files = {std::nullopt};
    commands.Save();  // cancelled: nothing saved, still modified
    EXPECT_TRUE(project.Globals.Modified);
    EXPECT_TRUE(project.Globals.ProjectFileName.empty());

    window.files = {std::string("C:\\a.qpx")};
    commands.Save();
    EXPECT_EQ(window.asked, (std::vector<std::string>{kSaveDialog, kSaveDialog}));
    EXPECT_EQ(project.Globals.ProjectFileName, "C:\\a.qpx");
    EXPECT_EQ(window.status, "File Name:  C:\\a.qpx");
    EXPECT_FALSE(project.Globals.Modified);

    project.CreatePage("B");
    project.Globals.Modified = true;
    commands.Save();  // no dialog now
    EXPECT_EQ(window.asked.size(), 2u);
    THelpProject reread;
    ReadProjectFile(reread, "C:\\a.qpx");
    EXPECT_EQ(reread.Pages.Count(), 2);
}

TEST_F(FileCommandsTest, SaveCommitsTheShownPageFirst) {
    project.CreatePage("A");
    project.ShowPage(0);
    TStringList editor;
    editor.Add("{\\rtf1 typed}");
    project.SetOnCommitAndShow(TNotifyEvent(nullptr, [&](TObject*) { project.CommitShownPage(&editor); }));
    project.Globals.ProjectFileName = "C:\\a.qpx";
    commands.Save();
    THelpProject reread;
    ReadProjectFile(reread, "C:\\a.qpx");
    EXPECT_EQ(reread.PageAt(0)->Content.Text(), "{\\rtf1 typed}\r\n");
}

TEST_F(FileCommandsTest, FailedSaveLeavesModifiedSet) {
    project.Globals.ProjectFileName = "C:\\No Folder\\a.qpx";
    project.Globals.Modified = true;
    EXPECT_THROW(commands.Save(), EInOutError);
    EXPECT_TRUE(project.Globals.Modified);
}

TEST_F(FileCommandsTest, CloseQueryAsksOnlyWhenModified) {
    EXPECT_TRUE(commands.CloseQuery());
    EXPECT_TRUE(window.asked.empty());
    project.Globals.Modified = true;
    window.yesNo = {false, true};
    EXPECT_FALSE(commands.CloseQuery());
    EXPECT_TRUE(commands.CloseQuery());
    EXPECT_EQ(window.asked, (std::vector<std::string>{kLoseChangesQuestion, kLoseChangesQuestion}));
    EXPECT_STREQ(kLoseChangesQuestion,
                 "The current file has changed since you last saved it.  Do you want to continue and lose your "
                 "changes?");
    EXPECT_STREQ(kSaveChangesQuestion,
                 "The current file has changed since you last saved it.  Would you like to save it now?");
}

}  // namespace
