#pragma once
// TfrmMainMenu, "Windows Quillery": the help tool's main window and the
// program. On the left the project's pages, the shown page's links and its
// pictures; on the right the shown page's text in a rich edit, where links
// and pictures stand as protected markers (editor/Markers.h).
//
// The window holds the project (model/HelpProject.h). Its page list box
// mirrors the project's page list, the link and picture list boxes the
// shown page's lists; every handler changes the project and then shows it
// again. lstPagesClick commits the shown page (the editor's RTF and both
// lists) and shows the selected one; the project's CommitAndShow runs it
// before saving and making the help file.
//
// Refusals are message boxes with fixed texts, deletions ask "Are you
// sure?", and every change sets the project's Modified flag.
//
// Creating the window reads its declaration (kMainMenuForm) and fires
// FormCreate: the tool's own help file, the project's start state, the
// about box, then the project named on the command line
// (editor/CommandLine.h).

#include <memory>

#include "model/HelpProject.h"
#include "vcl/forms/form.h"

class TListBox;
class TRichEdit;
class TStatusBar;
class TFileCommandDialogs;
class TFileCommands;

class TfrmMainMenu : public TForm {
public:
    explicit TfrmMainMenu(TComponent* owner);
    ~TfrmMainMenu() override;
    std::string ClassName() const override { return "TfrmMainMenu"; }
    static void Register();

    THelpProject Project;

    TListBox& lstPages() const { return *lstPages_; }
    TListBox& lstLinks() const { return *lstLinks_; }
    TListBox& lstPictures() const { return *lstPictures_; }
    TRichEdit& mmoPage() const { return *mmoPage_; }
    TStatusBar& StatusBar() const { return *statusBar_; }

    // Start-up and close.
    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // File menu.
    void New1Click(TObject* sender);
    void Open1Click(TObject* sender);
    void Save1Click(TObject* sender);
    void SaveAs1Click(TObject* sender);
    void Exit1Click(TObject* sender);

    // Page menu and the page list's popup.
    void AddPageClick(TObject* sender);
    void DeletePageClick(TObject* sender);
    void PropertiesPageClick(TObject* sender);
    void Header1Click(TObject* sender);

    // Links menu and the link list's popup.
    void AddLinkClick(TObject* sender);
    void DeleteLinkClick(TObject* sender);
    void PropertiesLinkClick(TObject* sender);
    void InsertLinkAtCursor1Click(TObject* sender);
    void RemoveLinkAtCursor1Click(TObject* sender);

    // Pictures menu and the picture list's popup.
    void AddPicClick(TObject* sender);
    void DeletePicClick(TObject* sender);
    void InsertPictureAtCursor2Click(TObject* sender);
    void RemovePictureAtCursor1Click(TObject* sender);

    // Text menu.
    void mnuFontClick(TObject* sender);

    // Project menu.
    void TableOfContents1Click(TObject* sender);
    void HelpFileName1Click(TObject* sender);
    void HelpWindow1Click(TObject* sender);
    void HelpWindowPositionSize1Click(TObject* sender);
    void MakeHelpFile1Click(TObject* sender);

    // Help menu.
    void HelpFile1Click(TObject* sender);
    void About1Click(TObject* sender);

    // The lists, the page order spin button and the editor's protection.
    void lstPagesClick(TObject* sender);
    void lstLinksMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int32_t x, int32_t y);
    void SpinButton1UpClick(TObject* sender);
    void SpinButton1DownClick(TObject* sender);
    void mmoPageProtectChange(TObject* sender, int32_t startPos, int32_t endPos, bool& allowChange);

private:
    // Shows the project's lists in the list boxes, selecting `page` (-1:
    // none) in the page list.
    void ShowPageNames(int page);
    void ShowLinkNames(int link);
    void ShowPictureNames(int picture);
    // After a File command: the new project's pages, no page shown, the
    // editor on the page colour.
    void ShowProject();
    // Runs a File command and shows the project as it then is, also when
    // the command stopped with an error.
    template <class Command>
    void RunFileCommand(Command command);
    // Deletes the marker at the cursor when it is a link marker (`link`) or
    // a picture marker; `wrongKind` is shown for a marker of the other kind.
    void RemoveMarkerAtCursor(bool link, const std::string& wrongKind);
    void SwapPages(int index, int other);

    TListBox* lstPages_ = nullptr;
    TListBox* lstLinks_ = nullptr;
    TListBox* lstPictures_ = nullptr;
    TRichEdit* mmoPage_ = nullptr;
    TStatusBar* statusBar_ = nullptr;
    std::unique_ptr<TFileCommandDialogs> fileDialogs_;
    std::unique_ptr<TFileCommands> fileCommands_;
};

extern const char* const kMainMenuForm;
