#include "editor/PageProperties.h"

#include "dialogs/DialogForm.h"
#include "model/PageObject.h"
#include "vcl/classes/class_builder.h"
#include "vcl/forms/std_controls.h"

const char* const kPagePropertiesForm = R"(object frmPageProperties: TfrmPageProperties
  Width = 360
  Height = 250
  Caption = 'Page Properties'
  BorderStyle = bsDialog
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Size = 9
  object lblName: TLabel
    Left = 12
    Top = 10
    Caption = 'Name'
  end
  object edtName: TEdit
    Left = 12
    Top = 26
    Width = 328
    Height = 22
  end
  object lblTopicID: TLabel
    Left = 12
    Top = 54
    Caption = 'Topic ID'
  end
  object edtTopicID: TEdit
    Left = 12
    Top = 70
    Width = 328
    Height = 22
  end
  object lblTopicTitle: TLabel
    Left = 12
    Top = 98
    Caption = 'Topic Title'
  end
  object edtTopicTitle: TEdit
    Left = 12
    Top = 114
    Width = 328
    Height = 22
  end
  object lblIndexKeywords: TLabel
    Left = 12
    Top = 142
    Caption = 'Index Keywords (Separated by semi-colons)'
  end
  object edtIndexKeywords: TEdit
    Left = 12
    Top = 158
    Width = 328
    Height = 22
  end
  object btnOK: TButton
    Left = 265
    Top = 190
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = mrOk
  end
end
)";

void TfrmPageProperties::Register() { RegisterClass(DeclareClass<TfrmPageProperties, TForm>("TfrmPageProperties")); }

TEdit& TfrmPageProperties::edtName() const { return DeclaredPart<TEdit>(*this, "edtName"); }
TEdit& TfrmPageProperties::edtTopicID() const { return DeclaredPart<TEdit>(*this, "edtTopicID"); }
TEdit& TfrmPageProperties::edtTopicTitle() const { return DeclaredPart<TEdit>(*this, "edtTopicTitle"); }
TEdit& TfrmPageProperties::edtIndexKeywords() const { return DeclaredPart<TEdit>(*this, "edtIndexKeywords"); }

void EditPageProperties(TPageObject& page, TComponent* owner) {
    auto form = CreateDialogForm<TfrmPageProperties>(owner, kPagePropertiesForm);
    form->edtName().SetText(page.Name);
    form->edtTopicID().SetText(page.TopicID);
    form->edtTopicTitle().SetText(page.TopicTitle);
    form->edtIndexKeywords().SetText(page.IndexKeywords);
    form->ShowModal();
    page.Name = form->edtName().Text();
    page.TopicID = form->edtTopicID().Text();
    page.TopicTitle = form->edtTopicTitle().Text();
    page.IndexKeywords = form->edtIndexKeywords().Text();
}
