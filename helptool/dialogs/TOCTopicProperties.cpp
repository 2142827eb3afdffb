#include "dialogs/TOCTopicProperties.h"

#include "dialogs/DialogForm.h"
#include "model/TOCObject.h"
#include "vcl/classes/class_builder.h"
#include "vcl/classes/text_compare.h"
#include "vcl/forms/std_controls.h"

namespace {

const char* const kDeclaration = R"(object frmTOCTopicProperties: TfrmTOCTopicProperties
  Left = 300
  Top = 200
  BorderStyle = bsDialog
  Caption = 'Topic Properties'
  ClientHeight = 150
  ClientWidth = 320
  Font.Name = 'MS Sans Serif'
  Font.Size = 8
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object lblName: TLabel
    Left = 12
    Top = 12
    Caption = 'Name'
  end
  object edtName: TEdit
    Left = 12
    Top = 28
    Width = 296
    Height = 21
  end
  object lblPage: TLabel
    Left = 12
    Top = 60
    Caption = 'Page To Link To'
  end
  object cboPage: TComboBox
    Left = 12
    Top = 76
    Width = 296
    Height = 21
    Style = csDropDownList
  end
  object btnOK: TButton
    Left = 152
    Top = 114
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = mrOk
  end
  object btnCancel: TButton
    Left = 233
    Top = 114
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = mrCancel
  end
end
)";

// The index of the first name equal to `name` ignoring case; -1 if none.
int IndexOfSameText(const TStrings& names, const std::string& name) {
    for (int i = 0; i < names.Count(); ++i)
        if (textcompare::SameText(names.Strings(i), name)) return i;
    return -1;
}

}  // namespace

void TfrmTOCTopicProperties::Register() {
    RegisterClass(DeclareClass<TfrmTOCTopicProperties, TForm>("TfrmTOCTopicProperties"));
}

TEdit& TfrmTOCTopicProperties::NameEdit() const { return DeclaredPart<TEdit>(*this, "edtName"); }
TComboBox& TfrmTOCTopicProperties::PageList() const { return DeclaredPart<TComboBox>(*this, "cboPage"); }

bool EditTopicProperties(TTocObject& topic, const TStrings& pageNames, TComponent* owner) {
    TDialogForm<TfrmTOCTopicProperties> dialog = CreateDialogForm<TfrmTOCTopicProperties>(owner, kDeclaration);
    TComboBox& pages = dialog->PageList();
    dialog->NameEdit().SetText(topic.Name);
    for (int i = 0; i < pageNames.Count(); ++i) pages.Items()->Add(pageNames.Strings(i));
    pages.SetItemIndex(IndexOfSameText(pageNames, topic.PageName));
    if (dialog->ShowModal() != mrOk) return false;
    topic.Name = dialog->NameEdit().Text();
    topic.PageName = pages.ItemIndex() >= 0 ? pages.Items()->Strings(pages.ItemIndex()) : std::string();
    return true;
}
