#include "dialogs/AboutScreen.h"

#include "dialogs/DialogForm.h"
#include "vcl/classes/class_builder.h"
#include "vcl/forms/std_controls.h"
#include "win32/module.h"

namespace {

// The product's icon is a navy tile with a white "Q" drawn by a panel, so
// that the box needs no picture file beside the program.
const char* const kDeclaration = R"(object frmAbout: TfrmAbout
  Left = 300
  Top = 200
  BorderStyle = bsDialog
  Caption = 'About Screen'
  ClientHeight = 200
  ClientWidth = 330
  Font.Name = 'MS Sans Serif'
  Font.Size = 8
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object pnlIcon: TPanel
    Left = 16
    Top = 16
    Width = 40
    Height = 40
    BevelOuter = bvRaised
    Caption = 'Q'
    Color = clNavy
    Font.Color = clWhite
    Font.Name = 'Times New Roman'
    Font.Size = 20
    Font.Style = [fsBold, fsItalic]
    ParentFont = False
  end
  object lblProduct: TLabel
    AutoSize = False
    Width = 240
    Height = 34
    Left = 72
    Top = 16
    Caption = 'Quillery'
    Font.Name = 'Arial'
    Font.Size = 20
    Font.Style = [fsBold]
    ParentFont = False
  end
  object lblVersionCaption: TLabel
    AutoSize = False
    Width = 48
    Height = 16
    Left = 72
    Top = 56
    Caption = 'Version:'
  end
  object lblVersion: TLabel
    AutoSize = False
    Width = 150
    Height = 16
    Left = 120
    Top = 56
  end
  object lblMaker: TLabel
    AutoSize = False
    Width = 240
    Height = 16
    Left = 72
    Top = 84
    Caption = 'TARN'
  end
  object lblWeb: TLabel
    AutoSize = False
    Width = 240
    Height = 16
    Left = 72
    Top = 100
    Caption = 'www.tarn.example'
  end
  object lblNotice: TLabel
    AutoSize = False
    Width = 250
    Height = 16
    Left = 72
    Top = 124
    Caption = 'Writes the sources of Windows Help files.'
  end
  object btnOK: TButton
    Left = 128
    Top = 160
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = mrOk
  end
end
)";

}  // namespace

void TfrmAbout::Register() {
    RegisterClass(DeclareClass<TfrmAbout, TForm>("TfrmAbout").Method<TNotifyEvent>("FormCreate", &TfrmAbout::FormCreate));
}

TLabel& TfrmAbout::VersionLabel() const { return DeclaredPart<TLabel>(*this, "lblVersion"); }

void TfrmAbout::FormCreate(TObject*) { VersionLabel().SetCaption(FileVersionText(win32::GetModuleFileName())); }

void ShowAbout(TComponent* owner) { CreateDialogForm<TfrmAbout>(owner, kDeclaration)->ShowModal(); }
