#include "model/HelpProject.h"

#include "model/LinkObject.h"
#include "model/PageObject.h"
#include "vcl/system/ansistrings.h"

THelpProject::~THelpProject() {
    ReleaseLists();
    for (int i = 0; i < Pages.Count(); ++i) Free(Pages.Objects(i));
}

TPageObject* THelpProject::CreatePage(const std::string& name) {
    auto* page = new TPageObject(name);
    Pages.AddObject(name, page);
    return page;
}

TLinkObject* THelpProject::CreateLink(const std::string& name) {
    auto* link = new TLinkObject(name);
    LinkList.AddObject(name, link);
    return link;
}

TPageObject* THelpProject::PageAt(int index) const { return static_cast<TPageObject*>(Pages.Objects(index)); }

int THelpProject::FindPage(const std::string& name) const {
    for (int i = 0; i < Pages.Count(); ++i)
        if (AnsiSameText(Pages.Strings(i), name)) return i;
    return -1;
}

TPageObject* THelpProject::PageByName(const std::string& name) const {
    const int index = FindPage(name);
    return index < 0 ? nullptr : PageAt(index);
}

void THelpProject::CommitAndShow() {
    if (onCommitAndShow_)
        onCommitAndShow_(this);
    else
        CommitShownPage(nullptr);
}

void THelpProject::CommitShownPage(const TStrings* editorSource) {
    if (CurrentPageIndex < 0) return;
    TPageObject* page = PageAt(CurrentPageIndex);
    if (editorSource != nullptr) page->Content.Assign(editorSource);
    page->Links.Assign(&LinkList);
    page->Pictures.Assign(&PictureList);
}

void THelpProject::ShowPage(int index) {
    CommitShownPage(nullptr);
    ReleaseLists();
    CurrentPageIndex = index;
    if (index < 0) return;
    const TPageObject* page = PageAt(index);
    LinkList.Assign(&page->Links);
    PictureList.Assign(&page->Pictures);
}

void THelpProject::DeletePage(int index) {
    TPageObject* doomed = PageAt(index);
    CommitShownPage(nullptr);
    ReleaseLists();
    CurrentPageIndex = -1;
    Pages.Delete(index);
    Free(doomed);
}

void THelpProject::DeleteLink(int index) {
    TObject* doomed = LinkList.Objects(index);
    LinkList.Delete(index);
    if (CurrentPageIndex >= 0) {
        TStrings& links = PageAt(CurrentPageIndex)->Links;
        for (int i = links.Count() - 1; i >= 0; --i)
            if (links.Objects(i) == doomed) links.Delete(i);
    }
    Free(doomed);
}

void THelpProject::Reset() {
    ReleaseLists();
    for (int i = 0; i < Pages.Count(); ++i) Free(Pages.Objects(i));
    Pages.Clear();
    Globals.ClearToc();
    Globals.PageColor = kDefaultWindowColor;
    Globals.HeaderColor = kDefaultWindowColor;
    Globals.HelpFileName.clear();
    Globals.ProjectFileName.clear();
    Globals.Modified = false;
    CurrentPageIndex = -1;
}

void THelpProject::ReleaseLists() {
    const TPageObject* shown = CurrentPageIndex >= 0 ? PageAt(CurrentPageIndex) : nullptr;
    for (int i = 0; i < LinkList.Count(); ++i) {
        TObject* link = LinkList.Objects(i);
        if (shown == nullptr || shown->Links.IndexOfObject(link) < 0) Free(link);
    }
    LinkList.Clear();
    PictureList.Clear();
}
