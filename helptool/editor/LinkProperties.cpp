#include "editor/LinkProperties.h"

#include "dialogs/DialogForm.h"
#include "model/LinkObject.h"
#include "vcl/classes/class_builder.h"
#include "vcl/forms/std_controls.h"

const char* const kLinkPropertiesForm = R"(object frmLinkProperties: TfrmLinkProperties
  Width = 330
  Height = 230
  Caption = 'Link Properties'
  BorderStyle = bsDialog
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Size = 9
  object lblLinkName: TLabel
    Left = 12
    Top = 10
    Caption = 'Link Name'
  end
  object edtLinkName: TEdit
    Left = 12
    Top = 26
    Width = 298
    Height = 22
  end
  object lblPage: TLabel
    Left = 12
    Top = 54
    Caption = 'Page To Link To'
  end
  object cboPage: TComboBox
    Left = 12
    Top = 70
    Width = 298
    Height = 22
    Style = csDropDownList
  end
  object lblText: TLabel
    Left = 12
    Top = 98
    Caption = 'Text'
  end
  object edtText: TEdit
    Left = 12
    Top = 114
    Width = 298
    Height = 22
  end
  object chkPopup: TCheckBox
    Left = 12
    Top = 146
    Width = 150
    Height = 17
    Caption = 'Popup Link'
  end
  object btnOK: TButton
    Left = 235
    Top = 168
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = mrOk
  end
end
)";

void TfrmLinkProperties::Register() { RegisterClass(DeclareClass<TfrmLinkProperties, TForm>("TfrmLinkProperties")); }

TEdit& TfrmLinkProperties::edtLinkName() const { return DeclaredPart<TEdit>(*this, "edtLinkName"); }
TComboBox& TfrmLinkProperties::cboPage() const { return DeclaredPart<TComboBox>(*this, "cboPage"); }
TEdit& TfrmLinkProperties::edtText() const { return DeclaredPart<TEdit>(*this, "edtText"); }
TCheckBox& TfrmLinkProperties::chkPopup() const { return DeclaredPart<TCheckBox>(*this, "chkPopup"); }

void EditLinkProperties(TLinkObject& link, const TStrings& pageNames, TComponent* owner) {
    auto form = CreateDialogForm<TfrmLinkProperties>(owner, kLinkPropertiesForm);
    form->edtLinkName().SetText(link.Name);
    TComboBox& pages = form->cboPage();
    for (int i = 0; i < pageNames.Count(); ++i) pages.Items()->Add(pageNames.Strings(i));
    pages.SetItemIndex(pages.Items()->IndexOf(link.PageName));
    form->edtText().SetText(link.Text);
    form->chkPopup().SetChecked(link.Popup);
    form->ShowModal();
    link.Name = form->edtLinkName().Text();
    link.PageName = pages.ItemIndex() < 0 ? std::string() : pages.Items()->Strings(pages.ItemIndex());
    link.Text = form->edtText().Text();
    link.Popup = form->chkPopup().Checked();
}
