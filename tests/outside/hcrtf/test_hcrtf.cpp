// The help compiler stand-in, run as a real process on sources that the
// help build wrote and on sources broken by hand.

#include <gtest/gtest.h>

#include <filesystem>

#include "build/BuildMessages.h"
#include "build/MakeHelpFile.h"
#include "model/HelpProject.h"
#include "model/LinkObject.h"
#include "model/PageObject.h"
#include "model/TOCObject.h"
#include "outside/hcrtf/program_run.h"
#include "support/fresh_machine.h"

using testsupport::ReadHostFile;
using testsupport::WriteHostFile;

namespace {

class NoMessages : public IBuildMessages {
public:
    void Show(const std::string&) override {}
};

class HcrtfTest : public ::testing::Test {
protected:
    // Sources of a small sound project: two topics, a jump, a popup, a
    // picture that exists and two contents entries.
    HcrtfTest() {
        std::filesystem::create_directories(machine.HostPath("C:\\Help Proj"));
        WriteHostFile(machine.HostPath("C:\\Help Proj\\art.bmp"), "BM");
        THelpProject project;
        project.Globals.HelpFileName = "guide";
        project.Globals.ProjectFileName = "C:\\Help Proj\\guide.qpx";
        const std::string head = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}";
        TPageObject* intro = project.CreatePage("Intro");
        intro->TopicID = "IDH_INTRO";
        for (const char* line : {head.c_str(), "{\\colortbl ;\\red0\\green128\\blue0;}",
                                 "\\pard\\f0 See \\cf1\\ul\\protect ##Jump##\\cf0\\ulnone\\protect0  and "
                                 "\\cf1\\ul\\protect ##Tip##\\cf0\\ulnone\\protect0 \\par",
                                 "\\cf1\\ul\\protect #C:\\\\Help Proj\\\\art.bmp#\\cf0\\ulnone\\protect0\\par", "}"})
            intro->Content.Add(line);
        auto* jump = new TLinkObject("Jump");
        jump->PageName = "More";
        jump->Text = "more";
        intro->Links.AddObject("Jump", jump);
        auto* tip = new TLinkObject("Tip");
        tip->PageName = "intro";
        tip->Text = "a tip";
        tip->Popup = true;
        intro->Links.AddObject("Tip", tip);
        TPageObject* more = project.CreatePage("More");
        more->TopicID = "IDH_MORE";
        more->Content.Add("\\pard More\\par");
        auto* book = new TTocObject("Book", true);
        project.Globals.TocList.AddObject("Book", book);
        auto* topic = new TTocObject("More", false);
        topic->PageName = "More";
        project.Globals.TocList.AddObject("\tMore", topic);
        NoMessages messages;
        TMakeOptions options;
        options.StartCompiler = false;
        EXPECT_EQ(MakeHelpFile(project, messages, options), TMakeResult::Succeeded);
    }

    testsupport::ToolRun Compile() const {
        return testsupport::RunBuiltProgram("helptool/Tools/hcrtf.exe", "-x 'C:\\Help Proj\\guide.qhp'",
                                            machine.Folder());
    }
    std::filesystem::path Source(const std::string& extension) const {
        return machine.HostPath("C:\\Help Proj\\guide" + extension);
    }
    std::string Log() const { return ReadHostFile(Source(".log")); }
    // Replaces the first `from` of a generated source by `to`.
    void Break(const std::string& extension, const std::string& from, const std::string& to) const {
        std::string text = ReadHostFile(Source(extension));
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        WriteHostFile(Source(extension), text.replace(at, from.size(), to));
    }

    testsupport::FreshMachine machine;
};

TEST_F(HcrtfTest, SoundSourcesPassAndNoHelpFileIsWritten) {
    const testsupport::ToolRun run = Compile();
    EXPECT_EQ(run.exitCode, 0) << run.err << Log();
    EXPECT_NE(Log().find("2 topics\r\n0 errors\r\n"), std::string::npos) << Log();
    EXPECT_NE(Log().find("No help file was written"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Source(".hlp")));
}

TEST_F(HcrtfTest, ReportsWhatAnAuthorMustMend) {
    struct Case {
        const char* what;
        const char* extension;
        std::string from, to;
        std::string error;
    };
    const Case cases[] = {
        {"unbalanced braces", ".qrt", "{\\v IDH_MORE}", "{\\v IDH_MORE", "unbalanced braces"},
        {"text after the document", ".qrt", "\\page\r\n\r\n}\r\n", "\\page\r\n\r\n}\r\n}x", "text after the end"},
        {"an undefined jump", ".qrt", "{\\v IDH_MORE}", "{\\v IDH_LESS}", "undefined topic ID IDH_LESS"},
        {"an undefined popup", ".qrt", "{\\v IDH_INTRO}", "{\\v IDH_OUTRO}", "undefined topic ID IDH_OUTRO"},
        {"a missing bitmap", ".qrt", "art.bmp", "gone.bmp", "the bitmap C:\\Help Proj\\gone.bmp does not exist"},
        {"a duplicate topic ID", ".qrt", "#{\\footnote IDH_MORE}", "#{\\footnote idh_intro}", "defined more than once"},
        {"an undefined contents topic", ".cnt", "=IDH_MORE", "=IDH_GONE", "line 3: the topic names the undefined"},
        {"a contents topic without ID", ".cnt", "=IDH_MORE", "=", "line 3: the topic has no topic ID"},
        {"a malformed contents line", ".cnt", "1 Book", "Book", "line 2: not a contents entry"},
        {"no topic file", ".qhp", ".\\guide.qrt", "", "no topic file is named"},
        {"a missing topic file", ".qhp", ".\\guide.qrt", ".\\other.qrt", "other.qrt: the topic file cannot be read"},
    };
    const std::string sources[] = {ReadHostFile(Source(".qrt")), ReadHostFile(Source(".cnt")),
                                   ReadHostFile(Source(".qhp"))};
    for (const Case& c : cases) {
        WriteHostFile(Source(".qrt"), sources[0]);
        WriteHostFile(Source(".cnt"), sources[1]);
        WriteHostFile(Source(".qhp"), sources[2]);
        Break(c.extension, c.from, c.to);
        const testsupport::ToolRun run = Compile();
        EXPECT_EQ(run.exitCode, 1) << c.what;
        EXPECT_NE(Log().find(c.error), std::string::npos) << c.what << "\n" << Log();
    }
}

TEST_F(HcrtfTest, WithoutAHelpProjectItStopsAtOnce) {
    EXPECT_EQ(testsupport::RunBuiltProgram("helptool/Tools/hcrtf.exe", "", machine.Folder()).exitCode, 2);
    const testsupport::ToolRun missing =
        testsupport::RunBuiltProgram("helptool/Tools/hcrtf.exe", "-x 'C:\\Help Proj\\none.qhp'", machine.Folder());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(ReadHostFile(machine.HostPath("C:\\Help Proj\\none.log")).find("the help project cannot be read"),
              std::string::npos);
}

}  // namespace
