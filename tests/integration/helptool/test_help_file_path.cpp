// The whole path of a help file: a project built in the main window through
// the dialogs (pages, typed text, a jump, a popup, a picture, contents made
// in the contents editor), saved, made into the help compiler's three
// sources by the window, which starts the compiler; then the saved project
// made again by quillery-make in another folder, and its topic file read by
// a real RTF reader.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "dialogs/TOCTopicProperties.h"
#include "dialogs/TableOfContents.h"
#include "helptool/editor/support_main_window.h"
#include "outside/hcrtf/program_run.h"
#include "support/program_process.h"
#include "vcl/forms/menus.h"
#include "vcl/forms/rich_edit.h"
#include "vcl/forms/std_controls.h"
#include "vcl/forms/tree_view.h"

namespace {

using testsupport::ReadHostFile;

class HelpFilePath : public testsupport::MainWindowTest {
protected:
    void Type(const std::string& text) { form->mmoPage().SetSelText(text); }
    static void ClickItem(TForm& form, const std::string& item) {
        auto* menuItem = dynamic_cast<TMenuItem*>(form.FindComponent(item));
        ASSERT_NE(menuItem, nullptr) << item;
        menuItem->Click();
    }
    // Selects the entry of that text in the contents editor (none for "").
    static void SelectEntry(TfrmTableOfContents& editor, const std::string& text) {
        TTreeNode* found = nullptr;
        for (TTreeNode* n = editor.Items().Items()->GetFirstNode(); n != nullptr && !text.empty(); n = n->GetNext())
            if (n->Text() == text) found = n;
        ASSERT_TRUE(text.empty() || found != nullptr) << text;
        editor.Items().SetSelected(found);
    }
    // The answer of the topic properties dialog: `page` chosen, then OK.
    void AnswerTopicPage(const std::string& page) {
        dialogs.AnswerForm([page](TForm& dialog) {
            TComboBox& pages = dynamic_cast<TfrmTOCTopicProperties&>(dialog).PageList();
            pages.SetItemIndex(pages.Items()->IndexOf(page));
            dynamic_cast<TButton*>(dialog.FindComponent("btnOK"))->Click();
        });
    }
    // A group "Guide" holding the topics "Welcome" and "Details", each on
    // its page, and the top-level topic "Index" on "Details".
    void MakeContents() {
        dialogs.AnswerForm([](TForm& dialog) {
            auto& editor = dynamic_cast<TfrmTableOfContents&>(dialog);
            ClickItem(editor, "NewItemAtCurrentLevel1");  // nothing selected: a top-level group
            for (const char* topic : {"Welcome", "Details"}) {
                SelectEntry(editor, "Guide");
                ClickItem(editor, "NewItemAtSubLevel1");
                SelectEntry(editor, topic);
                ClickItem(editor, "Properties1");
            }
            SelectEntry(editor, "");
            ClickItem(editor, "NewItemAtSubLevel1");  // nothing selected: a top-level topic
            SelectEntry(editor, "Index");
            ClickItem(editor, "Properties1");
            ClickItem(editor, "Done1");
        });
        dialogs.AnswerInput("Guide").AnswerInput("Welcome");
        AnswerTopicPage("Welcome");
        dialogs.AnswerInput("Details");
        AnswerTopicPage("Details");
        dialogs.AnswerInput("Index");
        AnswerTopicPage("Details");
        form->TableOfContents1Click(nullptr);
    }

    // The project of two pages, saved as C:\Proj\guide.qpx and made into
    // its help file by the window.
    void BuildSaveAndMake() {
        std::filesystem::create_directories(machine.HostPath("C:\\Proj"));
        dialogs.AnswerInput("guide");
        form->HelpFileName1Click(nullptr);
        AddPage("Welcome");
        AddPage("Details");

        SelectPage(0);
        SetPageProperties("IDH_WELCOME", "Welcome", "start;welcome");
        Type("Read the ");
        InsertLink("More", "Details", "details", false);
        Type(" first.");

        SelectPage(1);
        SetPageProperties("IDH_DETAILS", "Details", "");
        Type("The logo: ");
        dialogs.AnswerFile("C:\\Pictures\\logo.bmp");
        form->AddPicClick(nullptr);
        form->lstPictures().SetItemIndex(0);
        form->InsertPictureAtCursor2Click(nullptr);
        CursorToEnd();
        Type(" Back to ");
        InsertLink("Back", "Welcome", "the start", true);
        MakeContents();

        dialogs.AnswerFile("C:\\Proj\\guide");
        form->Save1Click(nullptr);
        ASSERT_EQ(Project().Globals.ProjectFileName, "C:\\Proj\\guide.qpx");
        messagesBefore = dialogs.AskedCount();
        dialogs.Answer(mrOk);
        form->MakeHelpFile1Click(nullptr);
    }
    std::string Made(const std::string& folder, const std::string& extension) const {
        return ReadHostFile(machine.HostPath(folder + "\\guide" + extension));
    }

    int messagesBefore = 0;
};

// Each control word of a page's text stands on a line of its own; the
// marker's colour, underline and protection words give the empty lines
// around a jump, a popup and a picture.
const char kTopicFile[] =
    "{\\rtf1\\ansi\\deff0\r\n"
    "\r\n"
    "{\\fonttbl\r\n"
    "{\\f0\\fswiss\\fcharset0 Arial;}\r\n"
    "}\r\n"
    "\r\n"
    "{\\colortbl;\r\n"
    "\\red0\\green0\\blue0;\r\n"
    "\\red0\\green128\\blue0;\r\n"
    "}\r\n"
    "\r\n"
    "\\plain\\fs20\\cf1\r\n"
    "\r\n"
    "#{\\footnote IDH_WELCOME}\r\n"
    "${\\footnote Welcome}\r\n"
    "K{\\footnote start;welcome}\r\n"
    "\\f0\r\n"
    "\\fs20\r\n"
    "Read the \\cf2\r\n"
    "\r\n"
    "\r\n"
    "{\\uldb details}{\\v IDH_DETAILS}\\cf1\r\n"
    "\r\n"
    "\r\n"
    " first.\\par\r\n"
    "\r\n"
    "\\page\r\n"
    "\r\n"
    "#{\\footnote IDH_DETAILS}\r\n"
    "${\\footnote Details}\r\n"
    "\\f0\r\n"
    "\\fs20\r\n"
    "The logo: \\cf2\r\n"
    "\r\n"
    "\r\n"
    "\\{bmc C:\\\\Pictures\\\\logo.bmp\\}\r\n"
    "\\cf1\r\n"
    "\r\n"
    "\r\n"
    " Back to \\cf2\r\n"
    "\r\n"
    "\r\n"
    "{\\ul the start}{\\v IDH_WELCOME}\\par\r\n"
    "\r\n"
    "\\page\r\n"
    "\r\n"
    "}\r\n";

const char kContentsFile[] =
    ":Base guide.hlp\r\n"
    "1 Guide\r\n"
    "2 Welcome=IDH_WELCOME\r\n"
    "2 Details=IDH_DETAILS\r\n"
    "1 Index=IDH_DETAILS\r\n";

const char kHelpProjectFile[] =
    "[OPTIONS]\r\n"
    "CNT=.\\guide.cnt\r\n"
    "HLP=.\\guide.hlp\r\n"
    "\r\n"
    "[FILES]\r\n"
    ".\\guide.qrt\r\n"
    "[WINDOWS]\r\n"
    "Main=\"\",(0,0,0,0),,(r16777215),(r16777215),\r\n";

// Waits for the file the started compiler writes; it is not waited for.
bool AppearsSoon(const std::filesystem::path& file) {
    for (int i = 0; i < 600 && !std::filesystem::exists(file); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return std::filesystem::exists(file);
}

TEST_F(HelpFilePath, TheWindowWritesTheThreeFilesAndStartsTheCompiler) {
    BuildSaveAndMake();
    ASSERT_EQ(dialogs.AskedCount(), messagesBefore + 1);
    EXPECT_EQ(dialogs.LastAsked().Text, "The file was created successfully.");
    EXPECT_EQ(dialogs.PendingAnswers(), 0);

    EXPECT_EQ(Made("C:\\Proj", ".qrt"), kTopicFile);
    EXPECT_EQ(Made("C:\\Proj", ".cnt"), kContentsFile);
    EXPECT_EQ(Made("C:\\Proj", ".qhp"), kHelpProjectFile);

    const std::filesystem::path record = machine.Folder() / "compiler-arguments.txt";
    ASSERT_TRUE(AppearsSoon(record));
    EXPECT_EQ(ReadHostFile(record), "[-x]\n[C:\\Proj\\guide.qhp]\n");
}

TEST_F(HelpFilePath, QuilleryMakeWritesTheWindowsBytesFromTheSavedProject) {
    BuildSaveAndMake();
    std::filesystem::create_directories(machine.HostPath("C:\\Again"));
    std::filesystem::copy_file(machine.HostPath("C:\\Proj\\guide.qpx"), machine.HostPath("C:\\Again\\guide.qpx"));
    const testsupport::ToolRun run = testsupport::RunBuiltProgram(
        "helptool/quillery-make",
        "--no-compile " + testsupport::ShellWord(machine.HostPath("C:\\Again\\guide.qpx").string()), machine.Folder());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "The file was created successfully.\n");
    EXPECT_EQ(run.err, "");
    for (const char* extension : {".qrt", ".cnt", ".qhp"})
        EXPECT_EQ(Made("C:\\Again", extension), Made("C:\\Proj", extension)) << extension;
    EXPECT_EQ(Made("C:\\Again", ".qrt"), kTopicFile);
}

TEST_F(HelpFilePath, ARealRtfReaderReadsTheTopicFileAndShowsThePages) {
    BuildSaveAndMake();
    const testsupport::ToolRun run = testsupport::RunProgramProcess(
        "unrtf --text " + testsupport::ShellWord(machine.HostPath("C:\\Proj\\guide.qrt").string()));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    // After unrtf's banner: each topic's footnotes, then its text with the
    // hotspot, the hidden topic ID and the picture reference.
    const std::string banner = "### font table contains 1 fonts total\n\n-----------------\n";
    const size_t text = run.out.find(banner);
    ASSERT_NE(text, std::string::npos) << run.out;
    EXPECT_EQ(run.out.substr(text + banner.size()),
              "#IDH_WELCOME$WelcomeKstart;welcomeRead the detailsIDH_DETAILS first.\n\n"
              "#IDH_DETAILS$DetailsThe logo: {bmc C:\\Pictures\\logo.bmp} Back to the startIDH_WELCOME\n\n");
}

}  // namespace
