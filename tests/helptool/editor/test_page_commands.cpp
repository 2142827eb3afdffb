// The page list of the main window: new names, refusals, deletion,
// properties, the spin button and the commit of the shown page.
#include <gtest/gtest.h>

#include <functional>

#include "editor/PageProperties.h"
#include "helptool/editor/support_main_window.h"
#include "model/LinkObject.h"
#include "model/PageObject.h"
#include "vcl/forms/rich_edit.h"
#include "vcl/forms/std_controls.h"

namespace {

using testsupport::MainWindowTest;
using PageCommands = MainWindowTest;

TEST_F(PageCommands, AddPageProposesTheSmallestFreeNumber) {
    struct Case {
        std::vector<std::string> existing;
        std::string proposal;
    };
    for (const Case& c : {Case{{}, "New Page 1"}, Case{{"New Page 1", "New Page 3"}, "New Page 2"},
                          Case{{"new page 1"}, "New Page 2"}}) {
        Project().Globals.Modified = false;
        form->New1Click(nullptr);
        for (const std::string& name : c.existing) AddPage(name);
        dialogs.CancelInput();  // a cancelled box gives the proposal
        form->AddPageClick(nullptr);
        const TAskedDialog& asked = dialogs.LastAsked();
        EXPECT_EQ(asked.Caption, "New Page");
        EXPECT_EQ(asked.Text, "Give this page a name please.");
        EXPECT_EQ(asked.Value, c.proposal);
        EXPECT_EQ(form->lstPages().Items()->Strings(Project().Pages.Count() - 1), c.proposal);
        EXPECT_EQ(form->lstPages().ItemIndex(), -1);  // appended, not selected
        EXPECT_TRUE(Project().Globals.Modified);
    }
}

TEST_F(PageCommands, ADuplicateNameIsRefusedAndAskedAgain) {
    AddPage("Intro");
    dialogs.AnswerInput("INTRO").Answer(mrOk).AnswerInput("Details");
    form->AddPageClick(nullptr);
    // Asked: Intro's name, then the duplicate, the refusal and the retry.
    ASSERT_EQ(dialogs.AskedCount(), 5);
    EXPECT_EQ(dialogs.Asked(3).Kind, TDialogKind::dkMessage);
    EXPECT_EQ(dialogs.Asked(3).Text, "A page with this name already exists.");
    EXPECT_EQ(dialogs.LastAsked().Value, "New Page 1");  // the same proposal again
    EXPECT_EQ(Project().Pages.Count(), 2);
    EXPECT_EQ(Project().Pages.Strings(1), "Details");
}

TEST_F(PageCommands, CommandsWithoutASelectionAreRefused) {
    AddPage("Intro");  // listed, but nothing selected
    struct Case {
        std::function<void(TfrmMainMenu&)> handler;
        std::string message;
    };
    const Case cases[] = {
        {[](TfrmMainMenu& f) { f.DeletePageClick(nullptr); }, "You must select a page from the list to delete."},
        {[](TfrmMainMenu& f) { f.PropertiesPageClick(nullptr); }, "You must select a page before you can change its properties."},
        {[](TfrmMainMenu& f) { f.Header1Click(nullptr); }, "You must select a page before you can change its header."},
        {[](TfrmMainMenu& f) { f.AddLinkClick(nullptr); }, "You must have a page selected to add a link to its link list."},
        {[](TfrmMainMenu& f) { f.DeleteLinkClick(nullptr); }, "You must select a link from the list to delete."},
        {[](TfrmMainMenu& f) { f.PropertiesLinkClick(nullptr); },
         "You must select a link from the link list before changing its properties."},
        {[](TfrmMainMenu& f) { f.InsertLinkAtCursor1Click(nullptr); }, "You must select a link from the link list before inserting it."},
        {[](TfrmMainMenu& f) { f.DeletePicClick(nullptr); }, "You must select a picture from the list to delete."},
        {[](TfrmMainMenu& f) { f.InsertPictureAtCursor2Click(nullptr); },
         "You must select a picture from the picture list before inserting it."},
        {[](TfrmMainMenu& f) { f.AddPicClick(nullptr); }, "You must select a page before you can add a picture to it."},
    };
    for (const Case& c : cases) {
        const int before = dialogs.AskedCount();
        Project().Globals.Modified = false;
        dialogs.Answer(mrOk);
        c.handler(*form);
        ASSERT_EQ(dialogs.AskedCount(), before + 1) << c.message;
        EXPECT_EQ(dialogs.LastAsked().Text, c.message);
        EXPECT_FALSE(Project().Globals.Modified) << c.message;
    }
    EXPECT_EQ(Project().Pages.Count(), 1);
}

TEST_F(PageCommands, DeletingAsksFirstAndThenHidesTheEditor) {
    AddPage("Intro");
    AddPage("Details");
    SelectPage(1);
    EXPECT_TRUE(form->mmoPage().Visible());

    dialogs.Answer(mrNo);
    form->DeletePageClick(nullptr);
    EXPECT_EQ(dialogs.LastAsked().Text, "Are you sure?");
    EXPECT_EQ(dialogs.LastAsked().DlgType, mtConfirmation);
    EXPECT_EQ(Project().Pages.Count(), 2);

    dialogs.Answer(mrYes);
    form->DeletePageClick(nullptr);
    ASSERT_EQ(Project().Pages.Count(), 1);
    EXPECT_EQ(form->lstPages().Items()->Count(), 1);
    EXPECT_EQ(form->lstPages().ItemIndex(), -1);
    EXPECT_EQ(Project().CurrentPageIndex, -1);
    EXPECT_FALSE(form->mmoPage().Visible());
}

TEST_F(PageCommands, PropertiesRenameThePageUnchecked) {
    AddPage("Intro");
    AddPage("Details");
    SelectPage(1);
    dialogs.AnswerForm([](TForm& properties) {
        auto& dialog = dynamic_cast<TfrmPageProperties&>(properties);
        EXPECT_EQ(dialog.edtName().Text(), "Details");
        dialog.edtName().SetText("Intro");  // the same name as another page
        dialog.edtTopicID().SetText("IDH_DETAILS");
        dialog.edtIndexKeywords().SetText("a;b");
        dialog.SetModalResult(mrCancel);  // the close box stores too
    });
    form->PropertiesPageClick(nullptr);
    const TPageObject& page = *Project().PageAt(1);
    EXPECT_EQ(page.Name, "Intro");
    EXPECT_EQ(page.TopicID, "IDH_DETAILS");
    EXPECT_EQ(page.IndexKeywords, "a;b");
    EXPECT_EQ(form->lstPages().Items()->Strings(1), "Intro");
    EXPECT_EQ(dialogs.LastAsked().Caption, "Page Properties");
    EXPECT_EQ(Project().FindPage("intro"), 0);  // lookups find the first
}

TEST_F(PageCommands, TheSpinButtonMovesTheSelectedPage) {
    for (const char* name : {"A", "B", "C"}) AddPage(name);
    SelectPage(0);
    TPageObject* a = Project().PageAt(0);
    Project().Globals.Modified = false;

    form->SpinButton1UpClick(nullptr);  // the first cannot go up
    EXPECT_EQ(Project().Pages.Strings(0), "A");
    EXPECT_FALSE(Project().Globals.Modified);

    form->SpinButton1DownClick(nullptr);
    form->SpinButton1DownClick(nullptr);
    EXPECT_EQ(Project().Pages.Strings(2), "A");
    EXPECT_EQ(Project().PageAt(2), a);
    EXPECT_EQ(form->lstPages().Items()->Strings(0), "B");
    EXPECT_EQ(form->lstPages().ItemIndex(), 2);
    EXPECT_EQ(Project().CurrentPageIndex, 2);
    EXPECT_TRUE(Project().Globals.Modified);

    form->SpinButton1DownClick(nullptr);  // the last cannot go down
    EXPECT_EQ(Project().Pages.Strings(2), "A");
    form->SpinButton1UpClick(nullptr);
    EXPECT_EQ(Project().Pages.Strings(1), "A");
    EXPECT_EQ(Project().CurrentPageIndex, 1);
}

TEST_F(PageCommands, SwitchingPagesCommitsTheShownOne) {
    AddPage("Intro");
    AddPage("Details");
    SelectPage(0);
    form->mmoPage().SetSelText("Welcome");
    AddLink("Next");
    SelectPage(1);
    EXPECT_EQ(form->mmoPage().Text(), "");
    EXPECT_EQ(form->lstLinks().Items()->Count(), 0);

    const TPageObject& intro = *Project().PageAt(0);
    ASSERT_EQ(intro.Links.Count(), 1);
    EXPECT_EQ(intro.Links.Strings(0), "Next");
    EXPECT_NE(intro.Content.Text().find("Welcome"), std::string::npos);

    SelectPage(0);
    EXPECT_EQ(form->mmoPage().Text(), "Welcome");
    EXPECT_EQ(form->lstLinks().Items()->Strings(0), "Next");
    SelectPage(-1);
    EXPECT_FALSE(form->mmoPage().Visible());
    EXPECT_EQ(Project().CurrentPageIndex, -1);
}

TEST_F(PageCommands, AMouseDownSelectsTheEntryUnderThePointer) {
    AddPage("Intro");
    AddPage("Details");
    TListBox& pages = form->lstPages();
    const int32_t row = pages.ItemHeight();
    form->lstLinksMouseDown(&pages, mbRight, {}, 5, row + row / 2);
    EXPECT_EQ(pages.ItemIndex(), 1);
    EXPECT_EQ(Project().CurrentPageIndex, 1);  // the page list also shows it
    form->lstLinksMouseDown(&pages, mbLeft, {}, 5, row * 10);
    EXPECT_EQ(pages.ItemIndex(), -1);
    EXPECT_FALSE(form->mmoPage().Visible());
}

}  // namespace
