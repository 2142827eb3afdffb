#include "dialogs/TableOfContents.h"

#include "dialogs/DialogForm.h"
#include "dialogs/TOCTopicProperties.h"
#include "dialogs/TocOutline.h"
#include "model/HelpProject.h"
#include "model/TOCObject.h"
#include "vcl/classes/class_builder.h"
#include "vcl/forms/image_list.h"
#include "vcl/forms/message_dialogs.h"
#include "vcl/forms/tree_view.h"

namespace {

const char* const kDeclaration = R"(object frmTableOfContents: TfrmTableOfContents
  Left = 250
  Top = 150
  Width = 360
  Height = 420
  Caption = 'Table Of Contents'
  Font.Name = 'MS Sans Serif'
  Font.Size = 8
  Menu = MainMenu1
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object lstItems: TTreeView
    Align = alClient
    Images = ImageList1
    Indent = 19
    ReadOnly = True
    RightClickSelect = True
    HideSelection = False
    PopupMenu = PopupMenu1
    OnDblClick = lstItemsDblClick
  end
  object MainMenu1: TMainMenu
    object Item1: TMenuItem
      Caption = '&Item'
      object NewItemAtCurrentLevel1: TMenuItem
        Caption = 'Add New Group At Same Level'
        OnClick = NewItemAtCurrentLevel1Click
      end
      object AddNewGroupInCurrentGroup1: TMenuItem
        Caption = 'Add New Group In Selected Group'
        OnClick = AddNewGroupInCurrentGroup1Click
      end
      object NewItemAtSubLevel1: TMenuItem
        Caption = 'Add New Topic In Current Group'
        OnClick = NewItemAtSubLevel1Click
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object DeleteTopicGroup1: TMenuItem
        Caption = '&Delete Topic/Group'
        OnClick = DeleteTopicGroup1Click
      end
      object N2: TMenuItem
        Caption = '-'
      end
      object Properties1: TMenuItem
        Caption = '&Properties'
        OnClick = Properties1Click
      end
      object N3: TMenuItem
        Caption = '-'
      end
      object Done1: TMenuItem
        Caption = 'Done'
        OnClick = Done1Click
      end
    end
  end
  object PopupMenu1: TPopupMenu
    object NewItemAtCurrentLevel2: TMenuItem
      Caption = 'Add New Group At Same Level'
      OnClick = NewItemAtCurrentLevel1Click
    end
    object AddNewGroupInCurrentGroup2: TMenuItem
      Caption = 'Add New Group In Selected Group'
      OnClick = AddNewGroupInCurrentGroup1Click
    end
    object NewItemAtSubLevel2: TMenuItem
      Caption = 'Add New Topic In Current Group'
      OnClick = NewItemAtSubLevel1Click
    end
    object N4: TMenuItem
      Caption = '-'
    end
    object DeleteTopicGroup2: TMenuItem
      Caption = '&Delete Topic/Group'
      OnClick = DeleteTopicGroup1Click
    end
    object N5: TMenuItem
      Caption = '-'
    end
    object Properties2: TMenuItem
      Caption = '&Properties'
      OnClick = Properties1Click
    end
  end
  object ImageList1: TImageList
  end
end
)";

TTocObject& EntryOf(const TTreeNode& node) { return *static_cast<TTocObject*>(node.Data()); }

}  // namespace

void TfrmTableOfContents::Register() {
    using T = TfrmTableOfContents;
    RegisterClass(DeclareClass<T, TForm>("TfrmTableOfContents")
                      .Method<TNotifyEvent>("FormCreate", &T::FormCreate)
                      .Method<TNotifyEvent>("NewItemAtCurrentLevel1Click", &T::NewItemAtCurrentLevel1Click)
                      .Method<TNotifyEvent>("AddNewGroupInCurrentGroup1Click", &T::AddNewGroupInCurrentGroup1Click)
                      .Method<TNotifyEvent>("NewItemAtSubLevel1Click", &T::NewItemAtSubLevel1Click)
                      .Method<TNotifyEvent>("DeleteTopicGroup1Click", &T::DeleteTopicGroup1Click)
                      .Method<TNotifyEvent>("Properties1Click", &T::Properties1Click)
                      .Method<TNotifyEvent>("lstItemsDblClick", &T::lstItemsDblClick)
                      .Method<TNotifyEvent>("Done1Click", &T::Done1Click));
}

TTreeView& TfrmTableOfContents::Items() const { return DeclaredPart<TTreeView>(*this, "lstItems"); }

void TfrmTableOfContents::FormCreate(TObject*) {
    auto& images = DeclaredPart<TImageList>(*this, "ImageList1");
    images.AddStandard(siFolder);    // 0: groups
    images.AddStandard(siDocument);  // 1: topics
}

TTreeNode* TfrmTableOfContents::SelectedOrRefuse() const {
    TTreeNode* node = Items().Selected();
    if (node == nullptr) ShowMessage("You must select an item first.");
    return node;
}

bool TfrmTableOfContents::RefusedForTopic(const std::string& refusal) const {
    const TTreeNode* node = Items().Selected();
    if (node == nullptr || EntryOf(*node).IsGroup) return false;
    ShowMessage(refusal);
    return true;
}

void TfrmTableOfContents::AddEntry(TTreeNode* parent, bool isGroup) {
    const std::string name = isGroup ? InputBox("New Group", "Give this group a name please.", "New Group")
                                     : InputBox("New Topic", "Give this topic a name please.", "New Topic");
    TTreeNode* node = Items().Items()->AddChildObject(parent, name, new TTocObject(name, isGroup));
    ShowEntryImage(*node);
    node->MakeVisible();
    Items().SetSelected(node);
    Items().Repaint();
}

void TfrmTableOfContents::NewItemAtCurrentLevel1Click(TObject*) {
    const TTreeNode* selected = Items().Selected();
    AddEntry(selected != nullptr ? selected->Parent() : nullptr, true);
}

void TfrmTableOfContents::AddNewGroupInCurrentGroup1Click(TObject*) {
    if (RefusedForTopic("You can not add a sub-group to a topic.")) return;
    AddEntry(Items().Selected(), true);
}

void TfrmTableOfContents::NewItemAtSubLevel1Click(TObject*) {
    if (RefusedForTopic("You can not add a topic to a topic.")) return;
    AddEntry(Items().Selected(), false);
}

void TfrmTableOfContents::DeleteTopicGroup1Click(TObject*) {
    if (TTreeNode* node = SelectedOrRefuse()) DeleteWithEntries(node);
}

void TfrmTableOfContents::Properties1Click(TObject*) {
    TTreeNode* node = SelectedOrRefuse();
    if (node == nullptr) return;
    TTocObject& entry = EntryOf(*node);
    if (entry.IsGroup) {
        const std::string name = InputBox("Group Properties", "Group Name", entry.Name);
        if (name.empty()) return;
        entry.Name = name;
    } else {
        if (pageNames_ == nullptr || !EditTopicProperties(entry, *pageNames_, this)) return;
    }
    node->SetText(entry.Name);
}

void TfrmTableOfContents::lstItemsDblClick(TObject* sender) { Properties1Click(sender); }

void TfrmTableOfContents::Done1Click(TObject*) { Close(); }

bool RunTableOfContents(THelpProject& project, TComponent* owner) {
    TDialogForm<TfrmTableOfContents> editor = CreateDialogForm<TfrmTableOfContents>(owner, kDeclaration);
    editor->SetPageNames(&project.Pages);
    LoadOutline(project.Globals.TocList, *editor->Items().Items());
    editor->Items().FullExpand();
    // While the editor is open the tree holds the entries (some freed, some
    // new), so the outline is rebuilt from it however the editor ends.
    struct TWriteBack {
        THelpProject& project;
        const TTreeNodes& nodes;
        ~TWriteBack() {
            StoreOutline(nodes, project.Globals.TocList);
            project.Globals.Modified = true;
        }
    } writeBack{project, *editor->Items().Items()};
    editor->ShowModal();
    return true;
}
