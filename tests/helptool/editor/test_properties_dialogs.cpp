// The page properties, page header and link properties dialogs as the
// main window runs them, and "Make The Help File" from the window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "editor/LinkProperties.h"
#include "editor/PageHeader.h"
#include "editor/PageProperties.h"
#include "helptool/editor/support_main_window.h"
#include "model/LinkObject.h"
#include "model/PageObject.h"
#include "vcl/forms/rich_edit.h"
#include "vcl/forms/std_controls.h"

namespace {

using testsupport::MainWindowTest;
using PropertiesDialogs = MainWindowTest;

// How a test closes a dialog: its OK (or Done) button, or the close box.
enum class Closing { ByButton, ByCloseBox };

void CloseDialog(TForm& dialog, Closing closing) {
    if (closing == Closing::ByButton)
        dialog.SetModalResult(mrOk);
    else
        dialog.Close();
}

TEST_F(PropertiesDialogs, PagePropertiesShowThePageAndCopyBackHoweverClosed) {
    for (Closing closing : {Closing::ByButton, Closing::ByCloseBox}) {
        AddPage("Intro");
        AddPage("Other");
        TPageObject& page = *Project().PageByName("Intro");
        page.TopicID = "IDH_INTRO";
        page.TopicTitle = "Introduction";
        page.IndexKeywords = "a;b";
        Project().Globals.Modified = false;
        SelectPage(0);
        std::vector<std::string> shown;
        dialogs.AnswerForm([&](TForm& dialog) {
            auto& form = dynamic_cast<TfrmPageProperties&>(dialog);
            shown = {form.edtName().Text(), form.edtTopicID().Text(), form.edtTopicTitle().Text(),
                     form.edtIndexKeywords().Text()};
            form.edtName().SetText("Other");  // the name is not checked against other pages
            form.edtTopicID().SetText("IDH_START");
            form.edtTopicTitle().SetText("");
            form.edtIndexKeywords().SetText("start;begin");
            CloseDialog(dialog, closing);
        });
        form->PropertiesPageClick(nullptr);

        EXPECT_EQ(dialogs.LastAsked().Caption, "Page Properties");
        EXPECT_EQ(shown, (std::vector<std::string>{"Intro", "IDH_INTRO", "Introduction", "a;b"}));
        EXPECT_EQ(page.Name, "Other");
        EXPECT_EQ(page.TopicID, "IDH_START");
        EXPECT_EQ(page.TopicTitle, "");
        EXPECT_EQ(page.IndexKeywords, "start;begin");
        EXPECT_EQ(form->lstPages().Items()->Strings(0), "Other");
        EXPECT_EQ(Project().Pages.Strings(0), "Other");
        EXPECT_EQ(form->lstPages().ItemIndex(), 0);
        EXPECT_TRUE(Project().Globals.Modified);
        dialogs.Answer(mrNo);  // not saved
        form->New1Click(nullptr);
    }
}

TEST_F(PropertiesDialogs, PageHeaderKeepsTextAndEmptiesWhenCleared) {
    AddPage("Intro");
    SelectPage(0);
    Project().Globals.HeaderColor = 0xC08040;
    TPageObject& page = *Project().PageAt(0);
    std::string stored;
    struct Case {
        std::string typed;  // replaces the whole header
        Closing closing;
        std::string text;   // the header's text afterwards, read back
    };
    for (const Case& c : {Case{"Top of page", Closing::ByButton, "Top of page"},
                          Case{"Second", Closing::ByCloseBox, "Second"}, Case{"", Closing::ByButton, ""}}) {
        Project().Globals.Modified = false;
        TColor background = clBlack;
        std::string before;
        dialogs.AnswerForm([&](TForm& dialog) {
            TRichEdit& header = dynamic_cast<TfrmPageHeader&>(dialog).mmoHeader();
            background = header.Color();
            before = header.Text();
            header.SelectAll();
            header.SetSelText(c.typed);
            CloseDialog(dialog, c.closing);
        });
        form->Header1Click(nullptr);
        EXPECT_EQ(dialogs.LastAsked().Caption, "Page Header");
        EXPECT_EQ(background, 0xC08040);
        EXPECT_TRUE(Project().Globals.Modified);
        if (c.text.empty()) {
            EXPECT_EQ(page.Header.Count(), 0);
        } else {
            ASSERT_GT(page.Header.Count(), 0);
            EXPECT_EQ(page.Header.Strings(0).rfind("{\\rtf1", 0), 0u);
            TRichEdit reread(nullptr);
            reread.LoadRtfLines(page.Header);
            EXPECT_EQ(reread.Text(), c.text);
        }
        EXPECT_EQ(before, stored);  // the dialog opened on the stored header
        stored = c.text;
    }
}

TEST_F(PropertiesDialogs, LinkPropertiesListThePagesAndRenameTheEntry) {
    AddPage("Intro");
    AddPage("Details");
    AddPage("Glossary");
    SelectPage(0);
    AddLink("More");
    AddLink("Note");
    TLinkObject& link = *LinkAt(Project().LinkList, 1);
    link.PageName = "DETAILS";  // matched ignoring case
    link.Text = "see here";
    struct Case {
        std::string choose;  // empty: nothing chosen
        Closing closing;
        std::string pageName;
    };
    for (const Case& c : {Case{"Glossary", Closing::ByButton, "Glossary"},
                          Case{"", Closing::ByCloseBox, ""}}) {
        Project().Globals.Modified = false;
        form->lstLinks().SetItemIndex(1);
        std::vector<std::string> pages;
        std::string selected;
        bool popupShown = true;
        dialogs.AnswerForm([&](TForm& dialog) {
            auto& form = dynamic_cast<TfrmLinkProperties&>(dialog);
            TComboBox& combo = form.cboPage();
            for (int i = 0; i < combo.Items()->Count(); ++i) pages.push_back(combo.Items()->Strings(i));
            selected = combo.ItemIndex() < 0 ? "" : combo.Items()->Strings(combo.ItemIndex());
            popupShown = form.chkPopup().Checked();
            form.edtLinkName().SetText("Glossary Link");
            combo.SetItemIndex(combo.Items()->IndexOf(c.choose));
            form.edtText().SetText("glossary");
            form.chkPopup().SetChecked(true);
            CloseDialog(dialog, c.closing);
        });
        form->PropertiesLinkClick(nullptr);

        EXPECT_EQ(dialogs.LastAsked().Caption, "Link Properties");
        EXPECT_EQ(pages, (std::vector<std::string>{"Intro", "Details", "Glossary"}));
        if (c.choose == "Glossary") {
            EXPECT_EQ(selected, "Details");
            EXPECT_FALSE(popupShown);
        }
        EXPECT_EQ(link.Name, "Glossary Link");
        EXPECT_EQ(link.PageName, c.pageName);
        EXPECT_EQ(link.Text, "glossary");
        EXPECT_TRUE(link.Popup);
        EXPECT_EQ(form->lstLinks().Items()->Strings(1), "Glossary Link");
        EXPECT_EQ(form->lstLinks().Items()->Strings(0), "More");
        EXPECT_TRUE(Project().Globals.Modified);
    }
    // The renamed link is the page's once committed and saved.
    SelectPage(1);
    EXPECT_EQ(Project().PageAt(0)->Links.Strings(1), "Glossary Link");
}

TEST_F(PropertiesDialogs, DialogsNeedASelection) {
    struct Case {
        void (TfrmMainMenu::*command)(TObject*);
        std::string message;
    };
    AddPage("Intro");
    for (const Case& c : {Case{&TfrmMainMenu::PropertiesPageClick,
                               "You must select a page before you can change its properties."},
                          Case{&TfrmMainMenu::Header1Click, "You must select a page before you can change its header."},
                          Case{&TfrmMainMenu::PropertiesLinkClick,
                               "You must select a link from the link list before changing its properties."}}) {
        dialogs.Answer(mrOk);
        (form->*c.command)(nullptr);
        EXPECT_EQ(dialogs.LastAsked().Kind, TDialogKind::dkMessage);
        EXPECT_EQ(dialogs.LastAsked().Text, c.message);
    }
    EXPECT_EQ(dialogs.PendingAnswers(), 0);
}

using MakeFromWindow = MainWindowTest;

TEST_F(MakeFromWindow, WritesTheThreeFilesBesideTheProjectWithTheShownPageCommitted) {
    ShowPageWithText("Hello from the editor");
    Project().Globals.HelpFileName = "guide";
    std::filesystem::create_directories(machine.HostPath("C:\\Work"));
    dialogs.AnswerFile("C:\\Work\\guide.qpx");
    form->SaveAs1Click(nullptr);
    form->mmoPage().SetSelStart(static_cast<int32_t>(form->mmoPage().Text().size()));
    form->mmoPage().SetSelText(" and after saving");  // not saved yet: Make commits it

    const int asked = dialogs.AskedCount();
    dialogs.Answer(mrOk).Answer(mrOk);
    form->MakeHelpFile1Click(nullptr);

    // The test program's folder has no Tools\hcrtf.exe: the start fails and says so.
    ASSERT_EQ(dialogs.AskedCount(), asked + 2);
    const std::string started = dialogs.Asked(asked).Text;
    EXPECT_EQ(started.rfind("The help compiler could not be started: ", 0), 0u) << started;
    EXPECT_TRUE(started.ends_with("\\Tools\\hcrtf.exe")) << started;
    EXPECT_EQ(dialogs.LastAsked().Text, "The file had errors and was not created successfully.");
    for (const char* extension : {".qrt", ".cnt", ".qhp"})
        EXPECT_TRUE(std::filesystem::exists(machine.HostPath(std::string("C:\\Work\\guide") + extension)))
            << extension;
    std::ifstream topics(machine.HostPath("C:\\Work\\guide.qrt"), std::ios::binary);
    const std::string topicFile{std::istreambuf_iterator<char>(topics), std::istreambuf_iterator<char>()};
    EXPECT_NE(topicFile.find("Hello from the editor and after saving"), std::string::npos);
    EXPECT_EQ(form->mmoPage().Text(), "Hello from the editor and after saving");
}

TEST_F(MakeFromWindow, RefusesWithoutHelpFileNameOrSavedProject) {
    AddPage("Intro");
    dialogs.Answer(mrOk);
    form->MakeHelpFile1Click(nullptr);
    EXPECT_EQ(dialogs.LastAsked().Text,
              "You must set the Help File Name for the project before you can make the help file.");
    Project().Globals.HelpFileName = "guide";
    dialogs.Answer(mrOk);
    form->MakeHelpFile1Click(nullptr);
    EXPECT_EQ(dialogs.LastAsked().Text, "Please save the project before creating the help file.");
    EXPECT_FALSE(std::filesystem::exists(machine.HostPath("C:\\guide.qrt")));
}

}  // namespace
