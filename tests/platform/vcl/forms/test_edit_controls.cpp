// Edits, memos, check boxes and radio buttons: the user's and the
// program's changes reach the same events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "vcl/forms/form.h"
#include "vcl/forms/std_controls.h"

namespace {

class EditControls : public ::testing::Test {
protected:
    template <class T>
    T* Make(TWinControl* parent = nullptr) {
        auto* c = new T(&form);
        c->SetParent(parent != nullptr ? parent : &form);
        return c;
    }
    TForm form{nullptr};
};

TEST_F(EditControls, EditTextFollowsTypingAndCodeWithOnChangeEachTime) {
    auto* edit = Make<TEdit>();
    int changes = 0;
    edit->SetOnChange(TNotifyEvent(edit, [&](TObject*) { ++changes; }));
    edit->SetText("12");
    EXPECT_EQ(static_cast<QLineEdit*>(edit->Widget())->text(), "12");
    QTest::keyClicks(edit->Widget(), "3");
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("\xc3\xa9"));
    QApplication::sendEvent(edit->Widget(), &accented);  // the user types "é"
    EXPECT_EQ(edit->Text(), "123\xe9");            // ANSI
    EXPECT_EQ(changes, 3);
    edit->SetSelStart(1);
    edit->SetSelLength(2);
    EXPECT_EQ(edit->SelText(), "23");
}

TEST_F(EditControls, MemoLinesAndTheWidgetStayTheSame) {
    auto* memo = Make<TMemo>();
    memo->Lines()->Add("first");
    memo->Lines()->Add("second");
    auto* widget = static_cast<QPlainTextEdit*>(memo->Widget());
    EXPECT_EQ(widget->toPlainText(), "first\nsecond");
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Return);
    QTest::keyClicks(widget, "third");
    ASSERT_EQ(memo->Lines()->Count(), 3);
    EXPECT_EQ(memo->Lines()->Strings(2), "third");
    memo->Lines()->Delete(0);
    EXPECT_EQ(widget->toPlainText(), "second\nthird");
}

TEST_F(EditControls, CheckBoxesClickOnEveryChangeAndRadioButtonsExcludeTheirSiblings) {
    auto* box = Make<TCheckBox>();
    int clicks = 0;
    box->SetOnClick(TNotifyEvent(box, [&](TObject*) { ++clicks; }));
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    form.Show();
    QTest::mouseClick(static_cast<QCheckBox*>(box->Widget()), Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);

    auto* group = Make<TGroupBox>();
    auto* a = Make<TRadioButton>(group);
    auto* b = Make<TRadioButton>(group);
    auto* elsewhere = Make<TRadioButton>();
    elsewhere->SetChecked(true);
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(elsewhere->Checked());  // another parent, another group
}

TEST_F(EditControls, LabelsSizeThemselvesToTheirCaption) {
    auto* label = Make<TLabel>();
    label->SetCaption("Index Keywords (Separated by semi-colons)");
    const int32_t wide = label->Width();
    label->SetCaption("Name");
    EXPECT_LT(label->Width(), wide);
    label->SetAutoSize(false);
    label->SetWidth(300);
    label->SetCaption("Topic ID");
    EXPECT_EQ(label->Width(), 300);
}

}  // namespace
