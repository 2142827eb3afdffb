#include "dialogs/WindowSetup.h"

#include "dialogs/DialogForm.h"
#include "model/HelpProject.h"
#include "vcl/classes/class_builder.h"
#include "vcl/forms/common_dialogs.h"
#include "vcl/forms/std_controls.h"

namespace {

const char* const kDeclaration = R"(object frmWindowSetup: TfrmWindowSetup
  Left = 300
  Top = 200
  BorderStyle = bsDialog
  Caption = 'Window Setup'
  ClientHeight = 170
  ClientWidth = 280
  Font.Name = 'MS Sans Serif'
  Font.Size = 8
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object lblHeaderColor: TLabel
    Left = 12
    Top = 16
    Caption = 'Page Header Color'
  end
  object lblHeaderClick: TLabel
    Left = 12
    Top = 32
    Caption = 'Click To Change'
  end
  object pnlHeaderColor: TPanel
    Left = 170
    Top = 12
    Width = 96
    Height = 36
    BevelOuter = bvLowered
    OnClick = pnlHeaderColorClick
  end
  object lblPageColor: TLabel
    Left = 12
    Top = 72
    Caption = 'Page Background Color'
  end
  object lblPageClick: TLabel
    Left = 12
    Top = 88
    Caption = 'Click To Change'
  end
  object pnlPageColor: TPanel
    Left = 170
    Top = 68
    Width = 96
    Height = 36
    BevelOuter = bvLowered
    OnClick = pnlPageColorClick
  end
  object btnOK: TButton
    Left = 102
    Top = 128
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = mrOk
  end
  object ColorDialog1: TColorDialog
  end
end
)";

}  // namespace

void TfrmWindowSetup::Register() {
    using T = TfrmWindowSetup;
    RegisterClass(DeclareClass<T, TForm>("TfrmWindowSetup")
                      .Method<TNotifyEvent>("pnlPageColorClick", &T::pnlPageColorClick)
                      .Method<TNotifyEvent>("pnlHeaderColorClick", &T::pnlHeaderColorClick));
}

TPanel& TfrmWindowSetup::HeaderColorPanel() const { return DeclaredPart<TPanel>(*this, "pnlHeaderColor"); }
TPanel& TfrmWindowSetup::PageColorPanel() const { return DeclaredPart<TPanel>(*this, "pnlPageColor"); }

void TfrmWindowSetup::pnlPageColorClick(TObject*) { ChooseColorOf(PageColorPanel()); }
void TfrmWindowSetup::pnlHeaderColorClick(TObject*) { ChooseColorOf(HeaderColorPanel()); }

void TfrmWindowSetup::ChooseColorOf(TPanel& panel) {
    auto& dialog = DeclaredPart<TColorDialog>(*this, "ColorDialog1");
    dialog.SetColor(panel.Color());
    if (dialog.Execute()) panel.SetColor(dialog.Color());
}

bool RunWindowSetup(THelpProject& project, TComponent* owner) {
    TGlobals& globals = project.Globals;
    TDialogForm<TfrmWindowSetup> setup = CreateDialogForm<TfrmWindowSetup>(owner, kDeclaration);
    setup->PageColorPanel().SetColor(globals.PageColor);
    setup->HeaderColorPanel().SetColor(globals.HeaderColor);
    setup->ShowModal();
    globals.PageColor = setup->PageColorPanel().Color();
    globals.HeaderColor = setup->HeaderColorPanel().Color();
    globals.Modified = true;
    return true;
}
