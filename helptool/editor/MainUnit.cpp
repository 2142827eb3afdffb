#include "editor/MainUnit.h"

#include "build/BuildMessages.h"
#include "build/MakeHelpFile.h"
#include "dialogs/AboutScreen.h"
#include "dialogs/DialogForm.h"
#include "dialogs/TableOfContents.h"
#include "dialogs/WindowPositionSize.h"
#include "dialogs/WindowSetup.h"
#include "editor/CommandLine.h"
#include "editor/FileCommandDialogs.h"
#include "editor/FontProperties.h"
#include "editor/LinkProperties.h"
#include "editor/Markers.h"
#include "editor/NewNames.h"
#include "editor/PageHeader.h"
#include "editor/PageProperties.h"
#include "model/FileCommands.h"
#include "model/LinkObject.h"
#include "model/PageObject.h"
#include "vcl/classes/class_builder.h"
#include "vcl/forms/application.h"
#include "vcl/forms/com_controls.h"
#include "vcl/forms/common_dialogs.h"
#include "vcl/forms/message_dialogs.h"
#include "vcl/forms/rich_edit.h"
#include "vcl/forms/std_controls.h"
#include "win32/module.h"

namespace {

bool Confirmed() { return MessageDlg("Are you sure?", mtConfirmation, mbYesNo) == mrYes; }

// Lets the program change protected text of the page editor for the
// lifetime of the object.
class TProtectedChangeScope {
public:
    explicit TProtectedChangeScope(THelpProject& project) : project_(project) { project_.AllowProtectedChange = true; }
    ~TProtectedChangeScope() { project_.AllowProtectedChange = false; }
    TProtectedChangeScope(const TProtectedChangeScope&) = delete;
    TProtectedChangeScope& operator=(const TProtectedChangeScope&) = delete;

private:
    THelpProject& project_;
};

// The help build's messages as message boxes.
class TBuildMessageBoxes : public IBuildMessages {
public:
    void Show(const std::string& message) override { ShowMessage(message); }
};

}  // namespace

TfrmMainMenu::TfrmMainMenu(TComponent* owner) : TForm(owner) {
    RegisterFormsClasses();
    Register();
    ReadFormDeclaration(this, kMainMenuForm);
    lstPages_ = &DeclaredPart<TListBox>(*this, "lstPages");
    lstLinks_ = &DeclaredPart<TListBox>(*this, "lstLinks");
    lstPictures_ = &DeclaredPart<TListBox>(*this, "lstPictures");
    mmoPage_ = &DeclaredPart<TRichEdit>(*this, "mmoPage");
    statusBar_ = &DeclaredPart<TStatusBar>(*this, "StatusBar1");
    fileDialogs_ = std::make_unique<TFileCommandDialogs>(*statusBar_);
    fileCommands_ = std::make_unique<TFileCommands>(Project, *fileDialogs_);
    Project.SetOnCommitAndShow(TNotifyEvent(this, &TfrmMainMenu::lstPagesClick));
    // A failure at start-up (a bad project file) is shown, and the window
    // still opens, as with any other handler.
    RunGuarded(this, [this] { DoCreate(); });
}

TfrmMainMenu::~TfrmMainMenu() { Project.SetOnCommitAndShow(nullptr); }

void TfrmMainMenu::Register() {
    RegisterClass(DeclareClass<TfrmMainMenu, TForm>("TfrmMainMenu")
                      .Method<TNotifyEvent>("FormCreate", &TfrmMainMenu::FormCreate)
                      .Method<TCloseEvent>("FormClose", &TfrmMainMenu::FormClose)
                      .Method<TNotifyEvent>("New1Click", &TfrmMainMenu::New1Click)
                      .Method<TNotifyEvent>("Open1Click", &TfrmMainMenu::Open1Click)
                      .Method<TNotifyEvent>("Save1Click", &TfrmMainMenu::Save1Click)
                      .Method<TNotifyEvent>("SaveAs1Click", &TfrmMainMenu::SaveAs1Click)
                      .Method<TNotifyEvent>("Exit1Click", &TfrmMainMenu::Exit1Click)
                      .Method<TNotifyEvent>("AddPageClick", &TfrmMainMenu::AddPageClick)
                      .Method<TNotifyEvent>("DeletePageClick", &TfrmMainMenu::DeletePageClick)
                      .Method<TNotifyEvent>("PropertiesPageClick", &TfrmMainMenu::PropertiesPageClick)
                      .Method<TNotifyEvent>("Header1Click", &TfrmMainMenu::Header1Click)
                      .Method<TNotifyEvent>("AddLinkClick", &TfrmMainMenu::AddLinkClick)
                      .Method<TNotifyEvent>("DeleteLinkClick", &TfrmMainMenu::DeleteLinkClick)
                      .Method<TNotifyEvent>("PropertiesLinkClick", &TfrmMainMenu::PropertiesLinkClick)
                      .Method<TNotifyEvent>("InsertLinkAtCursor1Click", &TfrmMainMenu::InsertLinkAtCursor1Click)
                      .Method<TNotifyEvent>("RemoveLinkAtCursor1Click", &TfrmMainMenu::RemoveLinkAtCursor1Click)
                      .Method<TNotifyEvent>("AddPicClick", &TfrmMainMenu::AddPicClick)
                      .Method<TNotifyEvent>("DeletePicClick", &TfrmMainMenu::DeletePicClick)
                      .Method<TNotifyEvent>("InsertPictureAtCursor2Click", &TfrmMainMenu::InsertPictureAtCursor2Click)
                      .Method<TNotifyEvent>("RemovePictureAtCursor1Click", &TfrmMainMenu::RemovePictureAtCursor1Click)
                      .Method<TNotifyEvent>("mnuFontClick", &TfrmMainMenu::mnuFontClick)
                      .Method<TNotifyEvent>("TableOfContents1Click", &TfrmMainMenu::TableOfContents1Click)
                      .Method<TNotifyEvent>("HelpFileName1Click", &TfrmMainMenu::HelpFileName1Click)
                      .Method<TNotifyEvent>("HelpWindow1Click", &TfrmMainMenu::HelpWindow1Click)
                      .Method<TNotifyEvent>("HelpWindowPositionSize1Click",
                                            &TfrmMainMenu::HelpWindowPositionSize1Click)
                      .Method<TNotifyEvent>("MakeHelpFile1Click", &TfrmMainMenu::MakeHelpFile1Click)
                      .Method<TNotifyEvent>("HelpFile1Click", &TfrmMainMenu::HelpFile1Click)
                      .Method<TNotifyEvent>("About1Click", &TfrmMainMenu::About1Click)
                      .Method<TNotifyEvent>("lstPagesClick", &TfrmMainMenu::lstPagesClick)
                      .Method<TMouseEvent>("lstLinksMouseDown", &TfrmMainMenu::lstLinksMouseDown)
                      .Method<TNotifyEvent>("SpinButton1UpClick", &TfrmMainMenu::SpinButton1UpClick)
                      .Method<TNotifyEvent>("SpinButton1DownClick", &TfrmMainMenu::SpinButton1DownClick)
                      .Method<TRichEditProtectChangeEvent>("mmoPageProtectChange",
                                                           &TfrmMainMenu::mmoPageProtectChange));
}

// ---- start-up and close ----

void TfrmMainMenu::FormCreate(TObject*) {
    Application->SetHelpFile(win32::GetProgramDirectory() + "\\Help\\Quillery Help.hlp");
    TGlobals& globals = Project.Globals;
    globals.PageColor = kDefaultWindowColor;
    globals.HeaderColor = kDefaultWindowColor;
    globals.HelpFileName.clear();
    globals.ProjectFileName.clear();
    globals.Modified = false;
    Project.CurrentPageIndex = -1;
    Project.AllowProtectedChange = false;
    globals.ClearToc();
    ShowAbout(this);
    if (!ProgramArguments().empty()) {
        const std::string fileName = ProgramArguments().front();
        RunFileCommand([&] { fileCommands_->OpenFile(fileName); });
    }
}

void TfrmMainMenu::FormClose(TObject*, TCloseAction& action) {
    if (!fileCommands_->CloseQuery()) action = caNone;
}

// ---- File menu ----

template <class Command>
void TfrmMainMenu::RunFileCommand(Command command) {
    try {
        command();
    } catch (...) {
        ShowProject();
        throw;
    }
    ShowProject();
}

void TfrmMainMenu::ShowProject() {
    ShowPageNames(-1);
    ShowLinkNames(-1);
    ShowPictureNames(-1);
    if (Project.CurrentPageIndex < 0) mmoPage_->Hide();
    mmoPage_->SetColor(Project.Globals.PageColor);
}

void TfrmMainMenu::New1Click(TObject*) {
    RunFileCommand([this] { fileCommands_->New(); });
}

void TfrmMainMenu::Open1Click(TObject*) {
    RunFileCommand([this] { fileCommands_->Open(); });
}

void TfrmMainMenu::Save1Click(TObject*) { fileCommands_->Save(); }

void TfrmMainMenu::SaveAs1Click(TObject*) { fileCommands_->SaveAs(); }

void TfrmMainMenu::Exit1Click(TObject*) { Close(); }

// ---- the lists ----

void TfrmMainMenu::ShowPageNames(int page) {
    lstPages_->Items()->Assign(&Project.Pages);
    lstPages_->SetItemIndex(page);
}

void TfrmMainMenu::ShowLinkNames(int link) {
    lstLinks_->Items()->Assign(&Project.LinkList);
    lstLinks_->SetItemIndex(link);
}

void TfrmMainMenu::ShowPictureNames(int picture) {
    lstPictures_->Items()->Assign(&Project.PictureList);
    lstPictures_->SetItemIndex(picture);
}

void TfrmMainMenu::lstPagesClick(TObject*) {
    if (Project.CurrentPageIndex >= 0) {
        TStringList source;
        for (const std::string& line : mmoPage_->RtfLines()) source.Add(line);
        Project.CommitShownPage(&source);
    }
    const int selected = lstPages_->ItemIndex();
    Project.ShowPage(selected);
    if (selected < 0) {
        mmoPage_->Hide();
    } else {
        TProtectedChangeScope allow(Project);
        mmoPage_->LoadRtfLines(Project.PageAt(selected)->Content);
        mmoPage_->Show();
    }
    ShowLinkNames(-1);
    ShowPictureNames(-1);
}

void TfrmMainMenu::lstLinksMouseDown(TObject* sender, TMouseButton, TShiftState, int32_t x, int32_t y) {
    auto* list = dynamic_cast<TListBox*>(sender);
    if (list == nullptr) return;
    list->SetItemIndex(list->ItemAtPos(x, y, true));
    if (list == lstPages_) lstPagesClick(sender);
}

void TfrmMainMenu::SwapPages(int index, int other) {
    Project.Pages.Exchange(index, other);
    if (Project.CurrentPageIndex == index)
        Project.CurrentPageIndex = other;
    else if (Project.CurrentPageIndex == other)
        Project.CurrentPageIndex = index;
    ShowPageNames(other);
    Project.Globals.Modified = true;
}

void TfrmMainMenu::SpinButton1UpClick(TObject*) {
    const int selected = lstPages_->ItemIndex();
    if (selected > 0) SwapPages(selected, selected - 1);
}

void TfrmMainMenu::SpinButton1DownClick(TObject*) {
    const int selected = lstPages_->ItemIndex();
    if (selected >= 0 && selected < Project.Pages.Count() - 1) SwapPages(selected, selected + 1);
}

void TfrmMainMenu::mmoPageProtectChange(TObject*, int32_t, int32_t, bool& allowChange) {
    allowChange = Project.AllowProtectedChange;
}

// ---- pages ----

void TfrmMainMenu::AddPageClick(TObject*) {
    const std::string proposal = ProposeName(Project.Pages, "New Page ");
    const std::string name = AskNewName(
        Project.Pages, proposal,
        {"New Page", "Give this page a name please.", "A page with this name already exists."});
    Project.CreatePage(name);
    ShowPageNames(lstPages_->ItemIndex());
    Project.Globals.Modified = true;
}

void TfrmMainMenu::DeletePageClick(TObject*) {
    const int selected = lstPages_->ItemIndex();
    if (selected < 0) {
        ShowMessage("You must select a page from the list to delete.");
        return;
    }
    if (!Confirmed()) return;
    // The shown page keeps what its editor holds, whichever page goes.
    if (Project.CurrentPageIndex >= 0) {
        TStringList source;
        for (const std::string& line : mmoPage_->RtfLines()) source.Add(line);
        Project.CommitShownPage(&source);
    }
    Project.DeletePage(selected);
    ShowPageNames(-1);
    ShowLinkNames(-1);
    ShowPictureNames(-1);
    mmoPage_->Hide();
    Project.Globals.Modified = true;
}

void TfrmMainMenu::PropertiesPageClick(TObject*) {
    const int selected = lstPages_->ItemIndex();
    if (selected < 0) {
        ShowMessage("You must select a page before you can change its properties.");
        return;
    }
    TPageObject& page = *Project.PageAt(selected);
    EditPageProperties(page, this);
    Project.Pages.SetStrings(selected, page.Name);
    ShowPageNames(selected);
    Project.Globals.Modified = true;
}

void TfrmMainMenu::Header1Click(TObject*) {
    const int selected = lstPages_->ItemIndex();
    if (selected < 0) {
        ShowMessage("You must select a page before you can change its header.");
        return;
    }
    EditPageHeader(*Project.PageAt(selected), Project.Globals.HeaderColor, this);
    Project.Globals.Modified = true;
}

// ---- links ----

void TfrmMainMenu::AddLinkClick(TObject*) {
    if (Project.CurrentPageIndex < 0) {
        ShowMessage("You must have a page selected to add a link to its link list.");
        return;
    }
    const std::string proposal = ProposeName(Project.LinkList, "New Link ");
    const std::string name = AskNewName(
        Project.LinkList, proposal,
        {"New Link", "Give this Link a name please.", "A Link with this name already exists."});
    Project.CreateLink(name);
    ShowLinkNames(lstLinks_->ItemIndex());
    Project.Globals.Modified = true;
}

void TfrmMainMenu::DeleteLinkClick(TObject*) {
    const int selected = lstLinks_->ItemIndex();
    if (selected < 0) {
        ShowMessage("You must select a link from the list to delete.");
        return;
    }
    if (!Confirmed()) return;
    Project.DeleteLink(selected);
    ShowLinkNames(-1);
    Project.Globals.Modified = true;
}

void TfrmMainMenu::PropertiesLinkClick(TObject*) {
    const int selected = lstLinks_->ItemIndex();
    if (selected < 0) {
        ShowMessage("You must select a link from the link list before changing its properties.");
        return;
    }
    TLinkObject& link = *LinkAt(Project.LinkList, selected);
    EditLinkProperties(link, Project.Pages, this);
    Project.LinkList.SetStrings(selected, link.Name);
    ShowLinkNames(selected);
    Project.Globals.Modified = true;
}

void TfrmMainMenu::InsertLinkAtCursor1Click(TObject*) {
    const int selected = lstLinks_->ItemIndex();
    if (selected < 0) {
        ShowMessage("You must select a link from the link list before inserting it.");
        return;
    }
    if (InsertMarker(*mmoPage_, LinkMarker(Project.LinkList.Strings(selected)), Project.AllowProtectedChange))
        Project.Globals.Modified = true;
}

void TfrmMainMenu::RemoveMarkerAtCursor(bool link, const std::string& wrongKind) {
    if (!SelectMarkerAtCursor(*mmoPage_)) {
        Project.Globals.Modified = true;
        return;
    }
    if (IsLinkMarker(mmoPage_->SelText()) != link) {
        ShowMessage(wrongKind);
        return;
    }
    TProtectedChangeScope allow(Project);
    mmoPage_->SetSelText("");
    Project.Globals.Modified = true;
}

void TfrmMainMenu::RemoveLinkAtCursor1Click(TObject*) { RemoveMarkerAtCursor(true, "The cursor is not on a link."); }

// ---- pictures ----

void TfrmMainMenu::AddPicClick(TObject*) {
    if (Project.CurrentPageIndex < 0) {
        ShowMessage("You must select a page before you can add a picture to it.");
        return;
    }
    TOpenDialog dialog(nullptr);
    dialog.SetFilter("Bitmap File|*.bmp");
    dialog.SetDefaultExt("bmp");
    if (!dialog.Execute()) return;
    if (Project.PictureList.IndexOf(dialog.FileName()) < 0) Project.PictureList.Add(dialog.FileName());
    ShowPictureNames(lstPictures_->ItemIndex());
    Project.Globals.Modified = true;
}

void TfrmMainMenu::DeletePicClick(TObject*) {
    const int selected = lstPictures_->ItemIndex();
    if (selected < 0) {
        ShowMessage("You must select a picture from the list to delete.");
        return;
    }
    if (!Confirmed()) return;
    Project.PictureList.Delete(selected);
    ShowPictureNames(-1);
    Project.Globals.Modified = true;
}

void TfrmMainMenu::InsertPictureAtCursor2Click(TObject*) {
    const int selected = lstPictures_->ItemIndex();
    if (selected < 0) {
        ShowMessage("You must select a picture from the picture list before inserting it.");
        return;
    }
    if (InsertMarker(*mmoPage_, PictureMarker(Project.PictureList.Strings(selected)), Project.AllowProtectedChange))
        Project.Globals.Modified = true;
}

void TfrmMainMenu::RemovePictureAtCursor1Click(TObject*) {
    RemoveMarkerAtCursor(false, "The cursor is not on a picture.");
}

// ---- text ----

void TfrmMainMenu::mnuFontClick(TObject*) {
    const bool marker = SelectMarkerAtCursor(*mmoPage_);
    if (marker) {
        TProtectedChangeScope allow(Project);
        ChangeSelectionFont(*mmoPage_, true);
    } else {
        ChangeSelectionFont(*mmoPage_, false);
    }
    Project.Globals.Modified = true;
}

// ---- project ----

void TfrmMainMenu::TableOfContents1Click(TObject*) { RunTableOfContents(Project, this); }

void TfrmMainMenu::HelpFileName1Click(TObject*) { AskHelpFileName(Project); }

void TfrmMainMenu::HelpWindow1Click(TObject*) {
    if (RunWindowSetup(Project, this)) mmoPage_->SetColor(Project.Globals.PageColor);
}

void TfrmMainMenu::HelpWindowPositionSize1Click(TObject*) { RunWindowPositionSize(Project, this); }

void TfrmMainMenu::MakeHelpFile1Click(TObject*) {
    TBuildMessageBoxes messages;
    TMakeOptions options;
    options.StartCompiler = true;
    options.ProgramFolder = win32::GetProgramDirectory();
    options.Owner = this;
    MakeHelpFile(Project, messages, options);
}

// ---- help ----

void TfrmMainMenu::HelpFile1Click(TObject*) { OpenProgramHelp(Application->HelpFile()); }

void TfrmMainMenu::About1Click(TObject*) { ShowAbout(this); }
