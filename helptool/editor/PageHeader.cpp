#include "editor/PageHeader.h"

#include "dialogs/DialogForm.h"
#include "editor/FontProperties.h"
#include "model/PageObject.h"
#include "vcl/classes/class_builder.h"
#include "vcl/forms/rich_edit.h"

const char* const kPageHeaderForm = R"(object frmPageHeader: TfrmPageHeader
  Width = 520
  Height = 300
  Caption = 'Page Header'
  Position = poScreenCenter
  Menu = mnuHeader
  Font.Name = 'Arial'
  Font.Size = 9
  object mnuHeader: TMainMenu
    object mnuText: TMenuItem
      Caption = '&Text'
      object mnuFont: TMenuItem
        Caption = 'Change &Font'
        ShortCut = 16454
        OnClick = mnuFontClick
      end
    end
  end
  object pnlButtons: TPanel
    Height = 36
    Align = alBottom
    BevelOuter = bvNone
    object btnDone: TButton
      Left = 8
      Top = 6
      Width = 75
      Height = 25
      Caption = 'Done'
      ModalResult = mrOk
    end
  end
  object mmoHeader: TRichEdit
    Align = alClient
    Font.Name = 'Arial'
    Font.Size = 10
    ScrollBars = ssVertical
    WantTabs = True
  end
end
)";

void TfrmPageHeader::Register() {
    RegisterClass(DeclareClass<TfrmPageHeader, TForm>("TfrmPageHeader")
                      .Method<TNotifyEvent>("mnuFontClick", &TfrmPageHeader::mnuFontClick));
}

TRichEdit& TfrmPageHeader::mmoHeader() const { return DeclaredPart<TRichEdit>(*this, "mmoHeader"); }

void TfrmPageHeader::mnuFontClick(TObject*) { ChangeSelectionFont(mmoHeader(), std::nullopt); }

void EditPageHeader(TPageObject& page, TColor headerColor, TComponent* owner) {
    auto form = CreateDialogForm<TfrmPageHeader>(owner, kPageHeaderForm);
    TRichEdit& header = form->mmoHeader();
    header.LoadRtfLines(page.Header);
    header.SetColor(headerColor);
    form->ShowModal();
    page.Header.Clear();
    if (header.Lines()->Count() > 0)
        for (const std::string& line : header.RtfLines()) page.Header.Add(line);
}
