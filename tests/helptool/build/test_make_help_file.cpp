#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "build/MakeHelpFile.h"
#include "model/PageObject.h"
#include "support/fresh_machine.h"
#include "support/temp_dir.h"
#include "support_build.h"
#include "vcl/system/exception.h"

using namespace buildtest;
using testsupport::ReadHostFile;

namespace {

const char kSuccess[] = "The file was created successfully.";
const char kFailure[] = "The file had errors and was not created successfully.";

class MakeHelpFileTest : public ::testing::Test {
protected:
    MakeHelpFileTest() {
        std::filesystem::create_directories(machine.HostPath("C:\\Proj"));
        project.Globals.HelpFileName = "guide";
        project.Globals.ProjectFileName = "C:\\Proj\\guide.qpx";
    }

    TMakeResult Make(bool startCompiler = false, const std::string& programFolder = "C:\\Quillery") {
        TMakeOptions options;
        options.StartCompiler = startCompiler;
        options.ProgramFolder = programFolder;
        return MakeHelpFile(project, messages, options);
    }

    std::string Generated(const std::string& extension) const {
        return ReadHostFile(machine.HostPath("C:\\Proj\\guide" + extension));
    }
    bool Exists(const std::string& extension) const {
        return std::filesystem::exists(machine.HostPath("C:\\Proj\\guide" + extension));
    }

    testsupport::FreshMachine machine;
    THelpProject project;
    RecordedMessages messages;
};

TEST_F(MakeHelpFileTest, EmptyProjectWritesTheThreeFilesWholly) {
    EXPECT_EQ(Make(), TMakeResult::Succeeded);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{kSuccess}));
    EXPECT_EQ(Generated(".qrt"), Crlf("{\\rtf1\\ansi\\deff0\n\n{\\fonttbl\n}\n\n{\\colortbl;\n}\n\n\\plain\\fs20\\cf1\n\n}\n"));
    EXPECT_EQ(Generated(".cnt"), ":Base guide.hlp\r\n");
    EXPECT_EQ(Generated(".qhp"), Crlf("[OPTIONS]\nCNT=.\\guide.cnt\nHLP=.\\guide.hlp\n\n[FILES]\n.\\guide.qrt\n"
                                      "[WINDOWS]\nMain=\"\",(0,0,0,0),,(r16777215),(r16777215),\n"));
}

TEST_F(MakeHelpFileTest, WritesEveryPageAsATopicWithSharedTables) {
    TPageObject& first = AddPage(project, "Intro", "IDH_INTRO", MarkerPage("##More##"));
    AddLink(first, "More", "details", "more");
    AddPage(project, "Details", "IDH_DETAILS",
            {"{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times;}{\\f1\\fswiss\\fcharset0 Arial;}}",
             "\\viewkind4\\uc1\\pard\\f1\\fs20 A\\f0 B\\par", "}"});
    project.Globals.WindowLeft = -5;
    project.Globals.WindowTop = 10;
    project.Globals.WindowWidth = 640;
    project.Globals.WindowHeight = 480;
    project.Globals.PageColor = 0x00FFFF;
    project.Globals.HeaderColor = 0;
    EXPECT_EQ(Make(), TMakeResult::Succeeded);
    EXPECT_EQ(Generated(".qrt"),
              Crlf("{\\rtf1\\ansi\\deff0\n\n"
                   "{\\fonttbl\n{\\f0\\fswiss\\fcharset0 Arial;}\n{\\f1\\froman Times;}\n}\n\n"
                   "{\\colortbl;\n\\red0\\green0\\blue0;\n\\red0\\green128\\blue0;\n}\n\n"
                   "\\plain\\fs20\\cf1\n\n"
                   "#{\\footnote IDH_INTRO}\n"
                   "\\f0\n\\fs20\nSee \\cf2\n\n\n{\\uldb more}{\\v IDH_DETAILS}\\cf1\n\n\n here\\par\n"
                   "\n\\page\n\n"
                   "#{\\footnote IDH_DETAILS}\n"
                   "\\f0\n\\fs20\nA\\f1\nB\\par\n"
                   "\n\\page\n\n"
                   "}\n"));
    EXPECT_EQ(Generated(".qhp").substr(Generated(".qhp").find("Main=")), "Main=\"\",(-5,10,640,480),,(r65535),(r0),\r\n");
}

TEST_F(MakeHelpFileTest, ContentsHaveLevelsTopicsAndGroups) {
    AddPage(project, "Intro", "IDH_INTRO");
    AddPage(project, "Blank", "");
    AddToc(project, 0, "Getting started", true);
    AddToc(project, 1, "Basics", true);
    AddToc(project, 2, "Welcome", false, "INTRO");
    AddToc(project, 1, "No ID", false, "Blank");
    AddToc(project, 0, "Last", false, "Intro");
    EXPECT_EQ(Make(), TMakeResult::Succeeded);
    EXPECT_EQ(Generated(".cnt"), Crlf(":Base guide.hlp\n1 Getting started\n2 Basics\n3 Welcome=IDH_INTRO\n2 No ID=\n"
                                      "1 Last=IDH_INTRO\n"));
}

TEST_F(MakeHelpFileTest, ContentsTopicWithoutItsPageEndsTheContentsAndFailsTheBuild) {
    AddPage(project, "Renamed", "IDH_R");
    AddToc(project, 0, "Book", true);
    AddToc(project, 1, "Old name", false, "Original");
    AddToc(project, 0, "After", false, "Renamed");
    EXPECT_EQ(Make(), TMakeResult::HadErrors);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Error in Table of contents!",
                                                        "Topic linked to page that does not exist.", kFailure}));
    EXPECT_EQ(Generated(".cnt"), Crlf(":Base guide.hlp\n1 Book\n"));
    EXPECT_TRUE(Exists(".qhp"));

    // A topic never given a page fails the same way, even beside a page
    // without a name.
    messages.shown.clear();
    AddPage(project, "", "IDH_NONAME");
    project.Globals.ClearToc();
    AddToc(project, 0, "Unset", false);
    EXPECT_EQ(Make(), TMakeResult::HadErrors);
    EXPECT_EQ(Generated(".cnt"), ":Base guide.hlp\r\n");
}

TEST_F(MakeHelpFileTest, PageErrorsAreReportedAndLinkErrorsFailTheBuild) {
    AddPage(project, "Fonts", "", {"{\\fonttbl{\\f0\\fswiss Arial;}}", "\\pard\\f9 x"});
    EXPECT_EQ(Make(), TMakeResult::Succeeded);
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{"Illegal font found in file.", "Error on page - Fonts", kSuccess}));

    messages.shown.clear();
    TPageObject& linked = AddPage(project, "Linked", "IDH_L", MarkerPage("##Away##"));
    AddLink(linked, "Away", "Deleted page", "away");
    AddPage(project, "After", "IDH_AFTER", {"\\pard after"});
    EXPECT_EQ(Make(), TMakeResult::HadErrors);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Illegal font found in file.", "Error on page - Fonts",
                                                        "Link to invalid page.", "Error on page - Linked", kFailure}));
    EXPECT_NE(Generated(".qrt").find("after\r\n\\page"), std::string::npos) << "the build goes on after a bad page";
}

TEST_F(MakeHelpFileTest, RefusesWithoutHelpFileNameOrSavedProjectAndWritesNothing) {
    project.Globals.HelpFileName = "";
    EXPECT_EQ(Make(), TMakeResult::NotRun);
    project.Globals.HelpFileName = "guide";
    project.Globals.ProjectFileName = "";
    EXPECT_EQ(Make(), TMakeResult::NotRun);
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{
                  "You must set the Help File Name for the project before you can make the help file.",
                  "Please save the project before creating the help file."}));
    EXPECT_FALSE(Exists(".qrt"));
}

TEST_F(MakeHelpFileTest, CommitsTheShownPageBeforeWriting) {
    AddPage(project, "Shown", "IDH_SHOWN", {"\\pard old"});
    project.ShowPage(0);
    project.SetOnCommitAndShow(TNotifyEvent(&project, [this](TObject*) {
        TStringList editor;
        SetLines(editor, {"\\pard edited"});
        project.CommitShownPage(&editor);
    }));
    EXPECT_EQ(Make(), TMakeResult::Succeeded);
    EXPECT_NE(Generated(".qrt").find("edited"), std::string::npos);
}

TEST_F(MakeHelpFileTest, AFileThatCannotBeCreatedEndsTheBuildWithTheSystemError) {
    project.Globals.ProjectFileName = "C:\\Missing folder\\guide.qpx";
    try {
        Make();
        FAIL() << "no error";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode, 3);
    }
    EXPECT_TRUE(messages.shown.empty());
}

// Waits for a file the started compiler writes (it is not waited for).
bool AppearsSoon(const std::filesystem::path& file) {
    for (int i = 0; i < 600 && !std::filesystem::exists(file); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return std::filesystem::exists(file);
}

TEST_F(MakeHelpFileTest, StartsTheCompilerWithTheQuotedHelpProjectPath) {
    std::filesystem::create_directories(machine.HostPath("C:\\My Help"));
    project.Globals.ProjectFileName = "C:\\My Help\\guide.qpx";
    const std::filesystem::path record = machine.HostPath("C:\\arguments.txt");
    testsupport::WriteHostFile(machine.HostPath("C:\\Quillery\\Tools\\hcrtf.exe"),
                               "#!/bin/sh\nfor a in \"$@\"; do echo \"[$a]\"; done > '" + record.string() + ".new'\n"
                               "mv '" + record.string() + ".new' '" + record.string() + "'\n");
    EXPECT_EQ(Make(true), TMakeResult::Succeeded);
    ASSERT_TRUE(AppearsSoon(record));
    EXPECT_EQ(ReadHostFile(record), "[-x]\n[C:\\My Help\\guide.qhp]\n");
}

TEST_F(MakeHelpFileTest, ACompilerThatCannotStartFailsTheBuild) {
    EXPECT_EQ(Make(true, "C:\\Nowhere"), TMakeResult::HadErrors);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{
                                  "The help compiler could not be started: C:\\Nowhere\\Tools\\hcrtf.exe", kFailure}));
    EXPECT_TRUE(Exists(".qhp"));
}

}  // namespace
