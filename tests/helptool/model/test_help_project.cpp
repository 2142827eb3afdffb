// The project in memory: start state, lookups by name, showing and
// committing pages, and ownership of links through deletes and resets (the
// sanitizer build reports any double free or leak).

#include <gtest/gtest.h>

#include "model/HelpProject.h"
#include "model/LinkObject.h"
#include "model/PageObject.h"
#include "model/TOCObject.h"

namespace {

TEST(HelpProject, StartsEmptyWithWhiteColours) {
    THelpProject project;
    const TGlobals& g = project.Globals;
    EXPECT_EQ(project.Pages.Count(), 0);
    EXPECT_EQ(g.TocList.Count(), 0);
    EXPECT_EQ(g.PageColor, 16777215);
    EXPECT_EQ(g.HeaderColor, 16777215);
    EXPECT_EQ(g.WindowLeft + g.WindowTop + g.WindowWidth + g.WindowHeight, 0);
    EXPECT_TRUE(g.HelpFileName.empty() && g.ProjectFileName.empty());
    EXPECT_FALSE(g.Modified);
    EXPECT_EQ(project.CurrentPageIndex, -1);
    EXPECT_FALSE(project.AllowProtectedChange);
}

TEST(HelpProject, NewPagesAndLinksAreEmpty) {
    THelpProject project;
    TPageObject* page = project.CreatePage("Intro");
    EXPECT_EQ(project.Pages.Strings(0), "Intro");
    EXPECT_EQ(project.PageAt(0), page);
    EXPECT_TRUE(page->TopicID.empty() && page->TopicTitle.empty() && page->IndexKeywords.empty());
    EXPECT_EQ(page->Content.Count() + page->Header.Count() + page->Links.Count() + page->Pictures.Count(), 0);

    project.ShowPage(0);
    TLinkObject* link = project.CreateLink("See also");
    EXPECT_EQ(project.LinkList.Strings(0), "See also");
    EXPECT_EQ(LinkAt(project.LinkList, 0), link);
    EXPECT_FALSE(link->Popup);
    EXPECT_TRUE(link->PageName.empty() && link->Text.empty());

    const TTocObject group("Basics", true);
    EXPECT_TRUE(group.IsGroup);
    EXPECT_TRUE(group.PageName.empty());
}

TEST(HelpProject, FindPageIgnoresCaseAndFindsTheFirst) {
    THelpProject project;
    project.CreatePage("Intro");
    TPageObject* first = project.CreatePage("Twin");
    project.CreatePage("twin");
    project.CreatePage("\xC4rger");  // "Ärger" in code page 1252
    EXPECT_EQ(project.FindPage("intro"), 0);
    EXPECT_EQ(project.PageByName("TWIN"), first);
    EXPECT_EQ(project.FindPage("\xE4rger"), 3);
    EXPECT_EQ(project.FindPage("Intro "), -1);
    EXPECT_EQ(project.PageByName(""), nullptr);
}

TEST(HelpProject, ShowingAPageMovesItsListsIntoTheWindowAndBack) {
    THelpProject project;
    TPageObject* a = project.CreatePage("A");
    TPageObject* b = project.CreatePage("B");
    b->Pictures.Add("C:\\b.bmp");
    project.ShowPage(0);
    project.CreateLink("L1");
    project.PictureList.Add("C:\\a.bmp");
    EXPECT_EQ(a->Links.Count(), 0);  // not committed yet

    project.ShowPage(1);
    EXPECT_EQ(project.CurrentPageIndex, 1);
    EXPECT_EQ(a->Links.Strings(0), "L1");
    EXPECT_EQ(a->Pictures.Strings(0), "C:\\a.bmp");
    EXPECT_EQ(project.LinkList.Count(), 0);
    EXPECT_EQ(project.PictureList.Strings(0), "C:\\b.bmp");

    // The editor's text goes into the page only through the window's commit.
    TStringList editor;
    editor.Add("{\\rtf1 B}");
    project.CommitShownPage(&editor);
    EXPECT_EQ(b->Content.Text(), "{\\rtf1 B}\r\n");
    project.ShowPage(-1);
    EXPECT_EQ(project.CurrentPageIndex, -1);
    EXPECT_EQ(project.PictureList.Count(), 0);
}

TEST(HelpProject, CommitAndShowRunsTheWindowHook) {
    THelpProject project;
    TPageObject* page = project.CreatePage("A");
    project.ShowPage(0);
    project.CreateLink("L");
    // Without a window the lists are committed, the text is left alone.
    page->Content.Add("kept");
    project.CommitAndShow();
    EXPECT_EQ(page->Links.Count(), 1);
    EXPECT_EQ(page->Content.Text(), "kept\r\n");

    int calls = 0;
    TStringList editor;
    editor.Add("from editor");
    project.SetOnCommitAndShow(TNotifyEvent(nullptr, [&](TObject* sender) {
        EXPECT_EQ(sender, &project);
        ++calls;
        project.CommitShownPage(&editor);
        project.ShowPage(project.CurrentPageIndex);
    }));
    project.CommitAndShow();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(page->Content.Text(), "from editor\r\n");
    EXPECT_EQ(project.LinkList.Count(), 1);
}

// Links deleted or added since the last commit are freed exactly once
// whatever happens next.
TEST(HelpProject, LinksAreFreedOnceThroughDeletesAndResets) {
    THelpProject project;
    project.CreatePage("A");
    project.CreatePage("B");
    project.ShowPage(0);
    project.CreateLink("Kept");
    project.CreateLink("Gone");
    project.CommitShownPage(nullptr);
    project.DeleteLink(1);
    EXPECT_EQ(project.PageAt(0)->Links.Count(), 1);
    project.CreateLink("Uncommitted");

    project.ShowPage(1);
    project.CreateLink("On B, uncommitted");
    project.DeletePage(0);  // a page other than the shown one
    EXPECT_EQ(project.CurrentPageIndex, -1);
    EXPECT_EQ(project.LinkList.Count(), 0);
    ASSERT_EQ(project.Pages.Count(), 1);
    EXPECT_EQ(project.PageAt(0)->Links.Strings(0), "On B, uncommitted");

    project.ShowPage(0);
    project.CreateLink("Second on B");
    project.DeletePage(0);  // the shown page
    EXPECT_EQ(project.Pages.Count(), 0);

    project.CreatePage("C");
    project.ShowPage(0);
    project.CreateLink("Left for Reset");
    project.Reset();
    EXPECT_EQ(project.Pages.Count(), 0);
    EXPECT_EQ(project.LinkList.Count(), 0);

    project.CreatePage("D");
    project.ShowPage(0);
    project.CreateLink("Left for the destructor");
}

TEST(HelpProject, ResetKeepsOnlyTheWindowPositionAndSize) {
    THelpProject project;
    TGlobals& g = project.Globals;
    g.HelpFileName = "Help";
    g.ProjectFileName = "C:\\help.qpx";
    g.PageColor = 1;
    g.HeaderColor = 2;
    g.WindowLeft = 10;
    g.WindowTop = 20;
    g.WindowWidth = 300;
    g.WindowHeight = 400;
    g.Modified = true;
    g.TocList.AddObject("Group", new TTocObject("Group", true));
    project.CreatePage("A");
    project.ShowPage(0);
    project.PictureList.Add("C:\\a.bmp");

    project.Reset();
    EXPECT_TRUE(g.HelpFileName.empty() && g.ProjectFileName.empty());
    EXPECT_EQ(g.PageColor, 0xFFFFFF);
    EXPECT_EQ(g.HeaderColor, 0xFFFFFF);
    EXPECT_EQ(g.TocList.Count(), 0);
    EXPECT_EQ(project.Pages.Count(), 0);
    EXPECT_EQ(project.PictureList.Count(), 0);
    EXPECT_EQ(project.CurrentPageIndex, -1);
    EXPECT_FALSE(g.Modified);
    EXPECT_EQ(g.WindowLeft, 10);
    EXPECT_EQ(g.WindowTop, 20);
    EXPECT_EQ(g.WindowWidth, 300);
    EXPECT_EQ(g.WindowHeight, 400);
}

}  // namespace
