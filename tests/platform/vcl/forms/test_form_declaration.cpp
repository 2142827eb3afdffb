// A form declaration read into real widgets, its events bound by name.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "vcl/classes/class_builder.h"
#include "vcl/classes/form_reader.h"
#include "vcl/forms/form.h"
#include "vcl/forms/forms_registration.h"
#include "vcl/forms/menus.h"
#include "vcl/forms/std_controls.h"

namespace {

class TfrmSample : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TfrmSample"; }
    void FormCreate(TObject*) { calls.push_back("FormCreate"); }
    void New1Click(TObject* sender) { calls.push_back("New1Click " + dynamic_cast<TComponent*>(sender)->Name()); }
    void lstPagesClick(TObject*) { calls.push_back("lstPagesClick"); }
    void btnOKClick(TObject*) { calls.push_back("btnOKClick"); }
    std::vector<std::string> calls;
};

void RegisterSample() {
    RegisterFormsClasses();
    RegisterClass(DeclareClass<TfrmSample, TForm>("TfrmSample")
                      .Method<TNotifyEvent>("FormCreate", &TfrmSample::FormCreate)
                      .Method<TNotifyEvent>("New1Click", &TfrmSample::New1Click)
                      .Method<TNotifyEvent>("lstPagesClick", &TfrmSample::lstPagesClick)
                      .Method<TNotifyEvent>("btnOKClick", &TfrmSample::btnOKClick));
}

const char* const kDeclaration = R"(object frmSample: TfrmSample
  Left = 10
  Top = 20
  Width = 746
  Height = 504
  Caption = 'Windows Quillery'
  Color = clBtnFace
  Font.Name = 'Arial'
  Font.Size = 10
  Menu = MainMenu1
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 16
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object New1: TMenuItem
        Caption = '&New'
        ShortCut = 16462
        OnClick = New1Click
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Exit1: TMenuItem
        Caption = 'E&xit'
        Enabled = False
        OnClick = New1Click
      end
    end
  end
  object pnlLeft: TPanel
    Left = 0
    Top = 0
    Width = 169
    Height = 400
    Align = alLeft
    BevelOuter = bvNone
    object pnlPages: TPanel
      Height = 17
      Align = alTop
      Caption = 'Pages In File'
    end
    object lstPages: TListBox
      Align = alClient
      Items.Strings = (
        'Intro'
        'Details')
      OnClick = lstPagesClick
    end
  end
  object btnOK: TButton
    Left = 300
    Top = 200
    Caption = 'OK'
    ModalResult = mrOk
    Default = True
    OnClick = btnOKClick
  end
end
)";

class FormDeclaration : public ::testing::Test {
protected:
    FormDeclaration() {
        RegisterSample();
        form = new TfrmSample(nullptr);
        ReadFormDeclaration(form, kDeclaration);
        form->DoCreate();
    }
    ~FormDeclaration() override { Free(form); }
    template <class T>
    T* Find(const std::string& name) {
        auto* c = dynamic_cast<T*>(form->FindComponent(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    TfrmSample* form;
};

TEST_F(FormDeclaration, PropertiesReachTheWidgets) {
    EXPECT_EQ(form->Widget()->windowTitle(), "Windows Quillery");
    EXPECT_EQ(form->Width(), 746);
    EXPECT_EQ(form->Font()->Name(), "Arial");
    EXPECT_FALSE(form->Visible());
    auto* pages = Find<TListBox>("lstPages");
    auto* caption = Find<TPanel>("pnlPages");
    auto* left = Find<TPanel>("pnlLeft");
    EXPECT_EQ(pages->Parent(), left);
    EXPECT_EQ(pages->Widget()->parentWidget(), left->Widget());
    EXPECT_EQ(static_cast<QLabel*>(caption->Widget())->text(), "Pages In File");
    EXPECT_EQ(caption->Font()->Name(), "Arial");  // fonts come from the parent
    ASSERT_EQ(static_cast<QListWidget*>(pages->Widget())->count(), 2);
    EXPECT_EQ(pages->Items()->Strings(1), "Details");
    // Laid out once loaded: the caption bar on top, the list below it.
    EXPECT_EQ(left->Height(), form->ClientHeight());
    EXPECT_EQ(form->ClientWidget()->height(), form->ClientHeight());  // below the menu bar
    EXPECT_LT(form->ClientHeight(), form->Height());
    EXPECT_EQ(caption->BoundsRect(), (TRect{0, 0, 169, 17}));
    EXPECT_EQ(pages->BoundsRect(), (TRect{0, 17, 169, form->ClientHeight()}));
    EXPECT_EQ(Find<TButton>("btnOK")->ModalResult(), mrOk);
}

TEST_F(FormDeclaration, MenusBecomeTheMenuBarWithShortcutsAndSeparators) {
    EXPECT_EQ(form->calls, std::vector<std::string>{"FormCreate"});
    auto* bar = form->Widget()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions()[0]->text(), "&File");
    QMenu* file = bar->actions()[0]->menu();
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->actions().size(), 3);
    EXPECT_EQ(file->actions()[0]->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_TRUE(file->actions()[1]->isSeparator());
    EXPECT_FALSE(file->actions()[2]->isEnabled());
    EXPECT_EQ(ShortCutToText(Find<TMenuItem>("New1")->ShortCut()), "Ctrl+N");
    EXPECT_EQ(TextToShortCut("Ctrl+N"), 16462);

    file->actions()[0]->trigger();
    Find<TMenuItem>("Exit1")->Click();  // disabled: nothing
    EXPECT_EQ(form->calls, (std::vector<std::string>{"FormCreate", "New1Click New1"}));
}

TEST_F(FormDeclaration, UserActionsFireTheBoundHandlers) {
    form->Show();
    auto* pages = static_cast<QListWidget*>(Find<TListBox>("lstPages")->Widget());
    QTest::mouseClick(pages->viewport(), Qt::LeftButton, Qt::NoModifier,
                      pages->visualItemRect(pages->item(1)).center());
    QTest::mouseClick(static_cast<QPushButton*>(Find<TButton>("btnOK")->Widget()), Qt::LeftButton);
    EXPECT_EQ(form->calls, (std::vector<std::string>{"FormCreate", "lstPagesClick", "btnOKClick"}));
    EXPECT_EQ(Find<TListBox>("lstPages")->ItemIndex(), 1);
    EXPECT_EQ(form->ModalResult(), mrOk);
}

TEST(FormDeclarationLabels, ADeclaredLabelTakesTheSizeOfItsCaptionUnlessAutoSizeIsOff) {
    RegisterSample();
    auto* form = new TfrmSample(nullptr);
    ReadFormDeclaration(form, R"(object frmSample: TfrmSample
  Font.Name = 'Arial'
  Font.Size = 8
  object lblLong: TLabel
    Left = 12
    Caption = 'Page Background Color'
    Font.Size = 14
  end
  object lblFixed: TLabel
    Left = 12
    Width = 40
    AutoSize = False
    Caption = 'Page Background Color'
  end
end
)");
    auto* sized = dynamic_cast<TLabel*>(form->FindComponent("lblLong"));
    auto* fixed = dynamic_cast<TLabel*>(form->FindComponent("lblFixed"));
    ASSERT_NE(sized, nullptr);
    ASSERT_NE(fixed, nullptr);
    const QSize wanted = static_cast<QLabel*>(sized->Widget())->sizeHint();
    EXPECT_EQ(sized->Width(), wanted.width());  // the whole caption in its 14-point font
    EXPECT_EQ(sized->Height(), wanted.height());
    EXPECT_GT(sized->Width(), 65);
    EXPECT_EQ(fixed->Width(), 40);
    Free(form);
}

TEST(FormDeclarationErrors, AnUnknownPropertyNamesItsLine) {
    RegisterSample();
    auto* form = new TfrmSample(nullptr);
    try {
        ReadFormDeclaration(form, "object frmSample: TfrmSample\n  object b: TButton\n    Colour = clRed\n  end\nend\n");
        FAIL() << "the declaration was accepted";
    } catch (const EFormDeclarationError& e) {
        EXPECT_EQ(e.Line, 3);
    }
    EXPECT_EQ(form->ControlCount(), 0);  // nothing half loaded
    Free(form);
}

}  // namespace
