#pragma once
// THelpProject: the whole help project in memory. It holds the project-wide
// state (Globals) and what the main window keeps of the model: the page
// list, the link and picture lists of the page shown in the editor, the
// index of that page and the protected-change flag.
//
// Ownership: the page list owns its pages, a page owns the links of its
// Links. While a page is shown, LinkList holds the same link objects as the
// page's Links (copied by value, objects shared) plus the links added since
// the page was last committed; every operation here frees each link object
// exactly once.
//
// The editor's text is not part of the model: before anything reads all
// pages (saving, making the help file) CommitAndShow runs the window's
// hook, which copies the editor's RTF lines and the two lists into the
// shown page (CommitShownPage) and shows that page again.

#include <string>

#include "model/Globals.h"
#include "vcl/classes/events.h"
#include "vcl/classes/strings.h"

class TLinkObject;
class TPageObject;

class THelpProject : public TObject {
public:
    THelpProject() = default;
    ~THelpProject() override;
    std::string ClassName() const override { return "THelpProject"; }

    TGlobals Globals;

    // The pages in topic order under their names, the TPageObjects owned.
    TStringList Pages;
    // The shown page's links (names, with the shared TLinkObjects) and
    // pictures, edited here rather than in the page while it is shown.
    TStringList LinkList;
    TStringList PictureList;
    // Index in Pages of the shown page; -1 when none is shown.
    int CurrentPageIndex = -1;
    // While true the page editor lets the program change protected text.
    bool AllowProtectedChange = false;

    // The window's commit-and-show handler (the page list's click).
    const TNotifyEvent& OnCommitAndShow() const { return onCommitAndShow_; }
    void SetOnCommitAndShow(TNotifyEvent handler) { onCommitAndShow_ = std::move(handler); }

    // A new page with every field empty, appended to the page list.
    TPageObject* CreatePage(const std::string& name);
    // A new link (Popup false) appended to the link list of the shown page.
    TLinkObject* CreateLink(const std::string& name);

    TPageObject* PageAt(int index) const;
    // The first page whose list entry equals `name` ignoring case (the
    // locale-aware comparison); -1 / nullptr when there is none.
    int FindPage(const std::string& name) const;
    TPageObject* PageByName(const std::string& name) const;

    // Runs the window's hook so that the shown page holds what the editor
    // shows; without a window only the link and picture lists are committed.
    void CommitAndShow();
    // Copies `editorSource` (when given) into the shown page's Content and
    // the link and picture lists into its Links and Pictures. Nothing when
    // no page is shown.
    void CommitShownPage(const TStrings* editorSource);
    // Commits the lists of the page shown so far, then makes `index` (-1:
    // none) the shown page with its links and pictures in the lists. The
    // window loads the page's Content into its editor itself.
    void ShowPage(int index);

    // Frees page `index` with its links; afterwards no page is shown and the
    // link and picture lists are empty.
    void DeletePage(int index);
    // Frees link `index` of the link list and removes it from the shown
    // page's Links too, so that nothing refers to the freed object.
    void DeleteLink(int index);

    // New project: frees every contents entry, link and page; white
    // colours; empty lists, help file name and project file name; no page
    // shown; not modified. The help window's position and size are kept.
    void Reset();

private:
    // Frees the link-list objects the shown page does not own yet, then
    // empties both lists.
    void ReleaseLists();

    TNotifyEvent onCommitAndShow_;
};
