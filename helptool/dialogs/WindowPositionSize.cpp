#include "dialogs/WindowPositionSize.h"

#include "dialogs/DialogForm.h"
#include "model/HelpProject.h"
#include "vcl/classes/class_builder.h"
#include "vcl/forms/message_dialogs.h"
#include "vcl/forms/std_controls.h"
#include "vcl/system/convert.h"

namespace {

const char* const kDeclaration = R"(object frmWindowPositionSize: TfrmWindowPositionSize
  Left = 300
  Top = 200
  BorderStyle = bsDialog
  Caption = 'Window Position / Size'
  ClientHeight = 176
  ClientWidth = 300
  Font.Name = 'MS Sans Serif'
  Font.Size = 8
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  PixelsPerInch = 96
  TextHeight = 13
  object grpPosition: TGroupBox
    Left = 8
    Top = 8
    Width = 136
    Height = 120
    Caption = 'Screen Position'
    object lblLeft: TLabel
      Left = 12
      Top = 28
      Caption = 'Left:'
    end
    object edtLeft: TEdit
      Left = 60
      Top = 24
      Width = 64
      Height = 21
    end
    object lblTop: TLabel
      Left = 12
      Top = 68
      Caption = 'Top:'
    end
    object edtTop: TEdit
      Left = 60
      Top = 64
      Width = 64
      Height = 21
    end
  end
  object grpSize: TGroupBox
    Left = 156
    Top = 8
    Width = 136
    Height = 120
    Caption = 'Window Size'
    object lblWidth: TLabel
      Left = 12
      Top = 28
      Caption = 'Width:'
    end
    object edtWidth: TEdit
      Left = 60
      Top = 24
      Width = 64
      Height = 21
    end
    object lblHeight: TLabel
      Left = 12
      Top = 68
      Caption = 'Height:'
    end
    object edtHeight: TEdit
      Left = 60
      Top = 64
      Width = 64
      Height = 21
    end
  end
  object btnOK: TButton
    Left = 112
    Top = 140
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = mrOk
  end
end
)";

}  // namespace

void TfrmWindowPositionSize::Register() {
    RegisterClass(DeclareClass<TfrmWindowPositionSize, TForm>("TfrmWindowPositionSize")
                      .Method<TCloseQueryEvent>("FormCloseQuery", &TfrmWindowPositionSize::FormCloseQuery));
}

TEdit& TfrmWindowPositionSize::LeftEdit() const { return DeclaredPart<TEdit>(*this, "edtLeft"); }
TEdit& TfrmWindowPositionSize::TopEdit() const { return DeclaredPart<TEdit>(*this, "edtTop"); }
TEdit& TfrmWindowPositionSize::WidthEdit() const { return DeclaredPart<TEdit>(*this, "edtWidth"); }
TEdit& TfrmWindowPositionSize::HeightEdit() const { return DeclaredPart<TEdit>(*this, "edtHeight"); }

bool TfrmWindowPositionSize::ReadValues(TValues& values) const {
    return TryStrToInt(LeftEdit().Text(), values.Left) && TryStrToInt(TopEdit().Text(), values.Top) &&
           TryStrToInt(WidthEdit().Text(), values.Width) && TryStrToInt(HeightEdit().Text(), values.Height);
}

void TfrmWindowPositionSize::FormCloseQuery(TObject*, bool& canClose) {
    canClose = ReadValues(values_);
    if (!canClose) ShowMessage("Invalid number in form.");
}

void RunWindowPositionSize(THelpProject& project, TComponent* owner) {
    TGlobals& globals = project.Globals;
    TDialogForm<TfrmWindowPositionSize> form = CreateDialogForm<TfrmWindowPositionSize>(owner, kDeclaration);
    form->LeftEdit().SetText(IntToStr(globals.WindowLeft));
    form->TopEdit().SetText(IntToStr(globals.WindowTop));
    form->WidthEdit().SetText(IntToStr(globals.WindowWidth));
    form->HeightEdit().SetText(IntToStr(globals.WindowHeight));
    form->ShowModal();
    const TfrmWindowPositionSize::TValues& values = form->Values();
    globals.WindowLeft = values.Left;
    globals.WindowTop = values.Top;
    globals.WindowWidth = values.Width;
    globals.WindowHeight = values.Height;
}
