#pragma once
// The table of contents editor: TfrmTableOfContents, a modal window whose
// tree view lstItems shows the contents entries (groups with image 0,
// topics with image 1) and whose Item menu (also the tree's popup menu)
// adds, deletes and edits them. Names are changed only through Properties.
//
// While the editor is open the tree holds the entries; RunTableOfContents
// brings them in from the project's outline and writes them back when the
// window closes.

#include <string>

#include "vcl/forms/form.h"

class THelpProject;
class TStrings;
class TTreeNode;
class TTreeView;

class TfrmTableOfContents : public TForm {
public:
    explicit TfrmTableOfContents(TComponent* owner) : TForm(owner) {}
    std::string ClassName() const override { return "TfrmTableOfContents"; }
    // Publishes the class and its handlers for the form declaration.
    static void Register();

    TTreeView& Items() const;
    // The page names the topic properties offer (the project's page list);
    // set before the window is shown.
    void SetPageNames(const TStrings* pageNames) { pageNames_ = pageNames; }

    void FormCreate(TObject* sender);
    // Add New Group At Same Level: a group after the selected node's last
    // sibling (at the end of the top level when nothing is selected).
    void NewItemAtCurrentLevel1Click(TObject* sender);
    // Add New Group In Selected Group: a group as the selected group's last
    // child; refused for a topic.
    void AddNewGroupInCurrentGroup1Click(TObject* sender);
    // Add New Topic In Current Group: a topic as the selected group's last
    // child; refused for a topic.
    void NewItemAtSubLevel1Click(TObject* sender);
    // Removes the selected node with everything below it and frees their
    // entries, without asking.
    void DeleteTopicGroup1Click(TObject* sender);
    // Renames a group through an input box, or edits a topic's name and
    // page in the topic properties dialog.
    void Properties1Click(TObject* sender);
    void lstItemsDblClick(TObject* sender);
    void Done1Click(TObject* sender);

private:
    // The selected node, or nullptr after "You must select an item first.".
    TTreeNode* SelectedOrRefuse() const;
    // True after `refusal` was shown because the selected node is a topic.
    bool RefusedForTopic(const std::string& refusal) const;
    // Names a new entry through an input box and adds it under `parent`
    // (nullptr: the top level) as its last child, selected.
    void AddEntry(TTreeNode* parent, bool isGroup);

    const TStrings* pageNames_ = nullptr;
};

// The Project menu's "&Table Of Contents": the outline of TocList into the
// editor, the editor shown modally, the tree written back into TocList
// (line i with the entry of node i) and Modified set, also when nothing
// changed. Returns true.
bool RunTableOfContents(THelpProject& project, TComponent* owner);
