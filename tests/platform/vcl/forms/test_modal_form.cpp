// Modal forms worked by a test through the scripted dialogs service.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>

#include "vcl/forms/form.h"
#include "vcl/forms/message_dialogs.h"
#include "vcl/forms/scripted_dialogs.h"
#include "vcl/forms/std_controls.h"

namespace {

// A small position dialog: closes only with a whole number in its edit.
class TNumberForm : public TForm {
public:
    explicit TNumberForm(TComponent* owner) : TForm(owner) {
        SetCaption("Window Position / Size");
        edit = new TEdit(this);
        edit->SetName("edtLeft");
        edit->SetParent(this);
        ok = new TButton(this);
        ok->SetName("btnOK");
        ok->SetParent(this);
        ok->SetCaption("OK");
        ok->SetModalResult(mrOk);
        ok->SetDefault(true);
        SetOnCloseQuery(TCloseQueryEvent(this, [this](TObject*, bool& canClose) {
            canClose = !edit->Text().empty() && edit->Text().find_first_not_of("-0123456789") == std::string::npos;
            if (!canClose) MessageDlg("Invalid number in form.", mtError, TMsgDlgButtons{mbOK});
        }));
    }
    TEdit* edit;
    TButton* ok;
};

class ModalForm : public ::testing::Test {
protected:
    TScriptedDialogs dialogs;
    TDialogServiceScope use{dialogs};
};

TEST_F(ModalForm, ATestSetsControlsAndPressesAButton) {
    TNumberForm form(nullptr);
    int shown = 0;
    form.SetOnShow(TNotifyEvent(&form, [&](TObject*) { ++shown; }));
    dialogs.AnswerForm([](TForm& f) {
        EXPECT_TRUE(f.Visible());
        dynamic_cast<TEdit*>(f.FindComponent("edtLeft"))->SetText("-12");
        dynamic_cast<TButton*>(f.FindComponent("btnOK"))->Click();
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.edit->Text(), "-12");
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(dialogs.Asked(0).Kind, TDialogKind::dkModalForm);
    EXPECT_EQ(dialogs.Asked(0).Caption, "Window Position / Size");
}

TEST_F(ModalForm, ARefusedCloseKeepsTheFormOpenForTheNextTurn) {
    TNumberForm form(nullptr);
    dialogs
        .AnswerForm([&](TForm&) {
            form.edit->SetText("abc");
            form.ok->Click();
        })
        .Answer(mrOk)
        .AnswerForm([&](TForm& f) {
            EXPECT_TRUE(f.Visible());
            EXPECT_EQ(f.ModalResult(), mrNone);
            form.edit->SetText("42");
            f.Close();  // the close box: mrCancel, the same questions
        });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Error: Invalid number in form."});
}

TEST_F(ModalForm, OnCloseWithCaNoneKeepsItOpenAndATurnThatLeavesItOpenFails) {
    TForm form(nullptr);
    int closes = 0;
    form.SetOnClose(TCloseEvent(&form, [&](TObject*, TCloseAction& action) {
        if (++closes == 1) action = caNone;
    }));
    dialogs.AnswerForm([](TForm& f) { f.SetModalResult(mrYes); }).AnswerForm([](TForm& f) { f.SetModalResult(mrNo); });
    EXPECT_EQ(form.ShowModal(), mrNo);
    EXPECT_EQ(closes, 2);

    dialogs.AnswerForm([](TForm&) {});
    EXPECT_THROW(form.ShowModal(), EDialogScript);
    EXPECT_FALSE(form.Visible());  // a failed run still hides the form
    EXPECT_THROW(form.ShowModal(), EDialogScript);  // no turn left
}

TEST_F(ModalForm, EnterAndEscapePressTheDefaultAndCancelButtons) {
    TNumberForm form(nullptr);
    auto* cancel = new TButton(&form);
    cancel->SetParent(&form);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    dialogs.AnswerForm([&](TForm& f) {
        form.edit->SetText("5");
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(f.Widget(), &enter);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    dialogs.AnswerForm([](TForm& f) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(f.Widget(), &escape);
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

}  // namespace
