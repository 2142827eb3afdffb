// The .qpx file: its exact layout, how each kind of line reads back, bad
// files and failed saves.

#include <gtest/gtest.h>

#include "helptool/model/support_sample_project.h"
#include "model/HelpProject.h"
#include "model/LinkObject.h"
#include "model/PageObject.h"
#include "model/ProjectFile.h"
#include "model/TOCObject.h"
#include "support/fresh_machine.h"
#include "vcl/files/file_routines.h"
#include "vcl/system/exception.h"
#include "win32/floppy.h"

using testsupport::FreshMachine;
using testsupport::ReadHostFile;
using testsupport::WriteHostFile;

namespace {

class ProjectFileTest : public ::testing::Test {
protected:
    std::string Saved(const THelpProject& project) {
        WriteProjectFile(project, "C:\\help.qpx");
        return ReadHostFile(machine.HostPath("C:\\help.qpx"));
    }
    void Load(THelpProject& project, const std::string& bytes) {
        WriteHostFile(machine.HostPath("C:\\in.qpx"), bytes);
        ReadProjectFile(project, "C:\\in.qpx");
    }
    // The message of the I/O error that loading `bytes` raises ("" if none).
    std::string LoadError(THelpProject& project, const std::string& bytes) {
        try {
            Load(project, bytes);
        } catch (const EInOutError& e) {
            return e.Message();
        }
        return "";
    }

    FreshMachine machine;
};

const char* const kEmptyProject = "\r\n16777215\r\n16777215\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";

TEST_F(ProjectFileTest, EmptyProjectIsNineLines) {
    THelpProject project;
    EXPECT_EQ(Saved(project), kEmptyProject);
}

TEST_F(ProjectFileTest, SampleProjectHasTheExactLayout) {
    THelpProject project;
    FillSampleProject(project);
    EXPECT_EQ(Saved(project), kSampleProjectFile);
    // Saving again without changes gives the same bytes.
    EXPECT_EQ(Saved(project), kSampleProjectFile);
}

TEST_F(ProjectFileTest, SampleProjectReadsBackIntoItsPlaces) {
    THelpProject project;
    Load(project, kSampleProjectFile);
    const TGlobals& g = project.Globals;
    EXPECT_EQ(g.HelpFileName, "Sample");
    EXPECT_EQ(g.PageColor, 0x00FFFF);
    EXPECT_EQ(g.HeaderColor, 0x008000);
    EXPECT_EQ(g.WindowLeft, -10);
    EXPECT_EQ(g.WindowTop, 20);
    EXPECT_EQ(g.WindowWidth, 640);
    EXPECT_EQ(g.WindowHeight, 480);
    ASSERT_EQ(g.TocList.Count(), 2);
    EXPECT_EQ(g.TocList.Strings(1), "\tStart here");
    EXPECT_EQ(TocAt(g.TocList, 1)->Name, "Start here");
    EXPECT_EQ(TocAt(g.TocList, 1)->PageName, "Intro");
    EXPECT_TRUE(TocAt(g.TocList, 0)->IsGroup);
    EXPECT_FALSE(TocAt(g.TocList, 1)->IsGroup);

    ASSERT_EQ(project.Pages.Count(), 2);
    const TPageObject& intro = *project.PageAt(0);
    EXPECT_EQ(project.Pages.Strings(0), "Intro");
    EXPECT_EQ(intro.TopicID, "IDH_INTRO");
    EXPECT_EQ(intro.TopicTitle, "Introduction");
    EXPECT_EQ(intro.IndexKeywords, "start;intro");
    EXPECT_EQ(intro.Content.Count(), 3);
    EXPECT_EQ(intro.Content.Strings(2), "}");
    EXPECT_EQ(intro.Header.Count(), 1);
    ASSERT_EQ(intro.Links.Count(), 2);
    EXPECT_EQ(intro.Links.Strings(0), "See more");
    EXPECT_EQ(LinkAt(intro.Links, 0)->PageName, "Details");
    EXPECT_EQ(LinkAt(intro.Links, 0)->Text, "more");
    EXPECT_FALSE(LinkAt(intro.Links, 0)->Popup);
    EXPECT_TRUE(LinkAt(intro.Links, 1)->Popup);
    EXPECT_EQ(intro.Pictures.Text(), "C:\\Pics\\a.bmp\r\n");

    const TPageObject& details = *project.PageAt(1);
    EXPECT_EQ(details.Name, "Details");
    EXPECT_TRUE(details.TopicID.empty() && details.TopicTitle.empty() && details.IndexKeywords.empty());
    EXPECT_EQ(details.Header.Count(), 0);

    EXPECT_EQ(Saved(project), kSampleProjectFile);
}

TEST_F(ProjectFileTest, BooleanLinesAreTrueOnlyForTrueInAnyCase) {
    const struct {
        const char* line;
        bool value;
    } cases[] = {{"TRUE", true}, {"true", true}, {"True", true}, {"FALSE", false},
                 {"1", false},   {"yes", false}, {"", false},    {"TRUE ", false}};
    for (const auto& c : cases) {
        THelpProject project;
        Load(project, std::string("\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\nA\r\nA\r\n\r\n") + c.line + "\r\n0\r\n");
        ASSERT_EQ(project.Globals.TocList.Count(), 1) << c.line;
        EXPECT_EQ(TocAt(project.Globals.TocList, 0)->IsGroup, c.value) << c.line;
    }
}

TEST_F(ProjectFileTest, IntegerLinesReadTheNumberAtTheStart) {
    const struct {
        const char* line;
        int32_t value;
    } cases[] = {{"255", 255},        {"-7", -7},   {"  42", 42},          {"12 and more", 12},
                 {"3x", 3},           {"+5", 5},    {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN}};
    for (const auto& c : cases) {
        THelpProject project;
        Load(project, std::string("\r\n") + c.line + "\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
        EXPECT_EQ(project.Globals.PageColor, c.value) << c.line;
    }
    for (const char* bad : {"", "abc", "-", "2147483648", "- 1", "99999999999999999999"}) {
        THelpProject project;
        EXPECT_EQ(LoadError(project, std::string("\r\n") + bad + "\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"),
                  "Invalid numeric input")
            << bad;
    }
}

TEST_F(ProjectFileTest, LineEndsAndEmptyStrings) {
    THelpProject project;
    // LF alone ends a line too; the last line needs no line end.
    Load(project, "\n0\n0\n0\n0\n0\n0\n0\n1\n\n\n\n\n0\n0\n0\n0");
    EXPECT_EQ(project.Globals.HelpFileName, "");
    ASSERT_EQ(project.Pages.Count(), 1);
    EXPECT_EQ(project.Pages.Strings(0), "");
    EXPECT_EQ(Saved(project),
              "\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n0\r\n");
}

// A file that ends early, or whose counts run past its end, stops the load
// with an error instead of reading on.
TEST_F(ProjectFileTest, TruncatedFilesStopWithAnError) {
    const std::string full = kSampleProjectFile;
    size_t lineEnd = 0;
    int lines = 0;
    while ((lineEnd = full.find("\r\n", lineEnd)) != std::string::npos) {
        lineEnd += 2;
        if (lineEnd == full.size()) break;
        THelpProject project;
        EXPECT_EQ(LoadError(project, full.substr(0, lineEnd)), "Read beyond end of file") << "after line " << ++lines;
    }
    THelpProject project;
    EXPECT_EQ(LoadError(project, "\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n2000000000\r\nPage\r\n"),
              "Read beyond end of file");
    EXPECT_EQ(project.Pages.Count(), 0);
}

TEST_F(ProjectFileTest, NegativeCountIsMalformed) {
    THelpProject project;
    EXPECT_EQ(LoadError(project, "\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n-1\r\n0\r\n"), "Invalid numeric input");
}

// A failed load keeps what was read before the error: the settings read so
// far and every complete contents entry and page, not the page being read.
TEST_F(ProjectFileTest, FailedLoadKeepsWhatWasCompleted) {
    std::string bytes = kSampleProjectFile;
    // Break the Details page's content count.
    const std::string details = "Details\r\n\r\n\r\n\r\n";
    const size_t at = bytes.find(details);
    ASSERT_NE(at, std::string::npos);
    bytes[at + details.size()] = 'x';
    THelpProject project;
    EXPECT_EQ(LoadError(project, bytes), "Invalid numeric input");
    EXPECT_EQ(project.Globals.HelpFileName, "Sample");
    EXPECT_EQ(project.Globals.WindowHeight, 480);
    EXPECT_EQ(project.Globals.TocList.Count(), 2);
    ASSERT_EQ(project.Pages.Count(), 1);
    EXPECT_EQ(project.PageAt(0)->Links.Count(), 2);

    THelpProject early;
    EXPECT_EQ(LoadError(early, "Name\r\n5\r\nblue\r\n"), "Invalid numeric input");
    EXPECT_EQ(early.Globals.HelpFileName, "Name");
    EXPECT_EQ(early.Globals.PageColor, 5);
    EXPECT_EQ(early.Globals.HeaderColor, kDefaultWindowColor);
}

TEST_F(ProjectFileTest, MissingFileIsFileNotFound) {
    THelpProject project;
    try {
        ReadProjectFile(project, "C:\\nowhere.qpx");
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "File not found");
    }
}

// A save that cannot be completed leaves the previous file as it was and no
// stray file beside it.
TEST_F(ProjectFileTest, FailedSaveOnAFullFloppyKeepsTheOldFile) {
    THelpProject project;
    FillSampleProject(project);
    WriteProjectFile(project, "A:\\help.qpx");
    const std::string before = ReadHostFile(win32::InsertedFloppyFolder() / "help.qpx");

    // Leave less room than the grown project needs.
    const int64_t room = 8 * 1024;
    WriteHostFile(win32::InsertedFloppyFolder() / "filler.bin",
                  std::string(static_cast<size_t>(DiskFree(1) - room), '\0'));
    for (int i = 0; i < 200; ++i) project.PageAt(1)->Content.Add(std::string(60, 'x'));
    try {
        WriteProjectFile(project, "A:\\help.qpx");
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "Disk full");
    }
    EXPECT_EQ(ReadHostFile(win32::InsertedFloppyFolder() / "help.qpx"), before);
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(win32::InsertedFloppyFolder()))
        ++files;
    EXPECT_EQ(files, 2u);
}

TEST_F(ProjectFileTest, ReadOnlyFileIsAccessDeniedAndKept) {
    THelpProject project;
    WriteProjectFile(project, "C:\\help.qpx");
    ASSERT_EQ(FileSetAttr("C:\\help.qpx", faReadOnly), 0);
    FillSampleProject(project);
    try {
        WriteProjectFile(project, "C:\\help.qpx");
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "File access denied");
    }
    EXPECT_EQ(ReadHostFile(machine.HostPath("C:\\help.qpx")), kEmptyProject);
}

TEST_F(ProjectFileTest, MissingFolderIsPathNotFound) {
    THelpProject project;
    try {
        WriteProjectFile(project, "C:\\No Such Folder\\help.qpx");
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "Path not found");
    }
}

// Content lines are stored one per line: a string holding line breaks goes
// out as the lines it holds; a single value cannot, and the save refuses
// before touching the file.
TEST_F(ProjectFileTest, LineBreaksInsideValues) {
    THelpProject project;
    TPageObject* page = project.CreatePage("P");
    page->Content.Add("one\r\ntwo");
    EXPECT_NE(Saved(project).find("\r\n2\r\none\r\ntwo\r\n0\r\n"), std::string::npos);

    page->TopicTitle = "Title\r\nmore";
    EXPECT_THROW(WriteProjectFile(project, "C:\\help.qpx"), EConvertError);
    for (const auto& entry : std::filesystem::directory_iterator(machine.HostPath("C:\\")))
        EXPECT_NE(entry.path().extension(), ".TMP") << "left behind: " << entry.path();
    THelpProject reread;
    ReadProjectFile(reread, "C:\\help.qpx");
    EXPECT_EQ(reread.PageAt(0)->TopicTitle, "");
}

}  // namespace
