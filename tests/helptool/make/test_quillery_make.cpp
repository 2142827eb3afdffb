// quillery-make run as a real process: the same files as the build
// function writes in the window, its messages one per line and its exit
// status.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "build/MakeHelpFile.h"
#include "model/HelpProject.h"
#include "model/LinkObject.h"
#include "model/PageObject.h"
#include "model/ProjectFile.h"
#include "model/TOCObject.h"
#include "outside/hcrtf/program_run.h"
#include "helptool/build/support_build.h"
#include "support/fresh_machine.h"

using buildtest::RecordedMessages;
using testsupport::ReadHostFile;
using testsupport::RunBuiltProgram;
using testsupport::ShellWord;

namespace {

class QuilleryMakeTest : public ::testing::Test {
protected:
    QuilleryMakeTest() {
        std::filesystem::create_directories(machine.HostPath("C:\\Proj"));
        project.Globals.HelpFileName = "guide";
        project.Globals.WindowWidth = 500;
        TPageObject* page = project.CreatePage("Caf\xe9");
        page->TopicID = "IDH_CAFE";
        page->TopicTitle = "Caf\xe9";
        for (const char* line :
             {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}", "{\\colortbl ;\\red0\\green128\\blue0;}",
              "\\pard\\f0 Back to \\cf1\\ul\\protect ##Self##\\cf0\\ulnone\\protect0 \\par", "}"})
            page->Content.Add(line);
        auto* link = new TLinkObject("Self");
        link->PageName = "caf\xc9";
        link->Text = "this page";
        page->Links.AddObject("Self", link);
        auto* entry = new TTocObject("Start", false);
        entry->PageName = "Caf\xe9";
        project.Globals.TocList.AddObject("Start", entry);
    }

    // Saves the project as C:\Proj\guide.qpx and runs quillery-make on it.
    testsupport::ToolRun SaveAndMake(const std::string& options = "--no-compile") {
        WriteProjectFile(project, "C:\\Proj\\guide.qpx");
        return RunBuiltProgram("helptool/quillery-make",
                               options + " " + ShellWord(machine.HostPath("C:\\Proj\\guide.qpx").string()),
                               machine.Folder());
    }
    std::string Generated(const std::string& extension) const {
        return ReadHostFile(machine.HostPath("C:\\Proj\\guide" + extension));
    }

    testsupport::FreshMachine machine;
    THelpProject project;
};

TEST_F(QuilleryMakeTest, WritesTheWindowsBytesAndSucceeds) {
    const testsupport::ToolRun run = SaveAndMake();
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "The file was created successfully.\n");
    const std::string made[] = {Generated(".qrt"), Generated(".cnt"), Generated(".qhp")};

    // The build function in this process, as the window runs it, on the
    // same project.
    project.Globals.ProjectFileName = "C:\\Proj\\guide.qpx";
    RecordedMessages messages;
    TMakeOptions options;
    options.StartCompiler = false;
    ASSERT_EQ(MakeHelpFile(project, messages, options), TMakeResult::Succeeded);
    EXPECT_EQ(made[0], Generated(".qrt"));
    EXPECT_EQ(made[1], Generated(".cnt"));
    EXPECT_EQ(made[2], Generated(".qhp"));
    EXPECT_NE(made[0].find("${\\footnote Caf\\'e9}"), std::string::npos) << made[0];
}

TEST_F(QuilleryMakeTest, PrintsEveryMessageAndFailsOnErrors) {
    // The link renamed: the marker in the text no longer names it.
    project.PageAt(0)->Links.SetStrings(0, "Other");
    LinkAt(project.PageAt(0)->Links, 0)->Name = "Other";
    const testsupport::ToolRun run = SaveAndMake();
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.out,
              "Illegal link found in file.\nError on page - Caf\xc3\xa9\n"
              "The file had errors and was not created successfully.\n");
}

TEST_F(QuilleryMakeTest, CannotRunWithoutHelpFileNameProjectOrArguments) {
    project.Globals.HelpFileName = "";
    const testsupport::ToolRun unnamed = SaveAndMake();
    EXPECT_EQ(unnamed.exitCode, 2);
    EXPECT_EQ(unnamed.out, "You must set the Help File Name for the project before you can make the help file.\n");

    const testsupport::ToolRun missing = RunBuiltProgram("helptool/quillery-make", "'/nonexistent/x.qpx'", machine.Folder());
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("quillery-make: "), std::string::npos) << missing.err;

    for (const char* arguments : {"", "--no-compile", "--bogus a.qpx", "a.qpx b.qpx"}) {
        const testsupport::ToolRun bad = RunBuiltProgram("helptool/quillery-make", arguments, machine.Folder());
        EXPECT_EQ(bad.exitCode, 2) << arguments;
        EXPECT_NE(bad.err.find("usage: quillery-make PROJECT.qpx [--no-compile]"), std::string::npos) << arguments;
    }
}

TEST_F(QuilleryMakeTest, StartsTheCompilerBesideItAndTheCompilerAcceptsTheSources) {
    const testsupport::ToolRun run = SaveAndMake("");
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    // The stand-in is not waited for; its report appears when it is done.
    const std::filesystem::path log = machine.HostPath("C:\\Proj\\guide.log");
    for (int i = 0; i < 600 && !std::filesystem::exists(log); ++i) usleep(50000);
    ASSERT_TRUE(std::filesystem::exists(log));
    EXPECT_NE(ReadHostFile(log).find("\r\n0 errors\r\n"), std::string::npos) << ReadHostFile(log);
}

}  // namespace
