// The rich edit: rich text in and out, selection attributes, and edits
// over protected text refused unless the owner allows them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTest>
#include <QTextEdit>

#include "vcl/classes/stream.h"
#include "vcl/forms/form.h"
#include "vcl/forms/rich_edit.h"

namespace {

struct ProtectCall {
    int32_t start, end;
    friend bool operator==(const ProtectCall&, const ProtectCall&) = default;
};

class RichEdit : public ::testing::Test {
protected:
    RichEdit() {
        form.SetBounds(0, 0, 400, 300);
        edit = new TRichEdit(&form);
        edit->SetParent(&form);
        edit->SetAlign(alClient);
        edit->Font()->SetName("Arial");
        edit->Font()->SetSize(10);
        edit->SetOnProtectChange(TRichEditProtectChangeEvent(
            edit, [this](TObject*, int32_t s, int32_t e, bool& allow) {
                calls.push_back({s, e});
                allow = allowProtectedChange;
            }));
    }
    // Inserts a link marker at the cursor as the page editor does.
    void InsertMarker(const std::string& marker) {
        edit->SetSelLength(0);
        edit->SetSelText(marker);
        edit->SetSelStart(edit->SelStart() - static_cast<int32_t>(marker.size()));
        edit->SetSelLength(static_cast<int32_t>(marker.size()));
        edit->SelAttributes()->SetColor(clGreen);
        edit->SelAttributes()->SetStyle({fsUnderline});
        edit->SelAttributes()->SetProtected(true);
    }
    QTextEdit* Widget() { return static_cast<QTextEdit*>(edit->Widget()); }
    void PlaceCursor(int32_t pos) {
        QTextCursor cursor = Widget()->textCursor();
        cursor.setPosition(pos);
        Widget()->setTextCursor(cursor);
    }

    TForm form{nullptr};
    TRichEdit* edit;
    std::vector<ProtectCall> calls;
    bool allowProtectedChange = false;
};

TEST_F(RichEdit, RichTextRoundTripsInTheControlsShape) {
    edit->SetSelText("See ");
    InsertMarker("##Intro##");
    edit->SetSelStart(edit->Document().Length());
    edit->SetSelText(" here\rsecond");
    const std::vector<std::string> expected = {
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}",
        "{\\colortbl ;\\red0\\green128\\blue0;}",
        "\\viewkind4\\uc1\\pard\\f0\\fs20 See \\cf1\\ul\\protect ##Intro##\\cf0\\ulnone\\protect0  here\\par",
        "second\\par",
        "}",
    };
    EXPECT_EQ(edit->RtfLines(), expected);
    EXPECT_EQ(Widget()->toPlainText(), "See ##Intro## here\nsecond");
    ASSERT_EQ(edit->Lines()->Count(), 2);
    EXPECT_EQ(edit->Lines()->Strings(0), "See ##Intro## here");

    TStringList saved;
    TMemoryStream stream;
    edit->Lines()->SaveToStream(stream);
    stream.SetPosition(0);
    saved.LoadFromStream(stream);
    EXPECT_EQ(saved.Count(), 5);

    TRichEdit other(nullptr);
    ASSERT_TRUE(other.LoadRtfLines(saved));
    EXPECT_EQ(other.RtfLines(), expected);
    EXPECT_TRUE(other.Document() == edit->Document());
    other.SetSelStart(5);
    EXPECT_TRUE(other.SelAttributes()->Protected());
    EXPECT_EQ(other.SelAttributes()->Color(), clGreen);
    EXPECT_TRUE(other.SelAttributes()->Style() == TFontStyles{fsUnderline});
}

TEST_F(RichEdit, UserEditsTouchingAMarkerAreRefused) {
    edit->SetSelText("ab");
    InsertMarker("##L##");
    edit->SetSelStart(7);
    edit->SetSelText("cd");
    form.Show();
    Widget()->setFocus();
    const std::string before = edit->Text();
    struct Attempt {
        const char* what;
        std::function<void()> act;
    };
    const Attempt attempts[] = {
        {"typing inside", [&] { PlaceCursor(4); QTest::keyClicks(Widget(), "x"); }},
        {"backspace after", [&] { PlaceCursor(7); QTest::keyClick(Widget(), Qt::Key_Backspace); }},
        {"delete before", [&] { PlaceCursor(2); QTest::keyClick(Widget(), Qt::Key_Delete); }},
        {"typing over a selection", [&] { edit->SetSelStart(1); edit->SetSelLength(3); QTest::keyClicks(Widget(), "y"); }},
        {"cutting", [&] { edit->SetSelStart(0); edit->SetSelLength(5); QTest::keyClick(Widget(), Qt::Key_X, Qt::ControlModifier); }},
        {"pasting", [&] {
             QApplication::clipboard()->setText("zz");
             edit->SetSelStart(3);
             edit->SetSelLength(2);
             QTest::keyClick(Widget(), Qt::Key_V, Qt::ControlModifier);
         }},
        {"an input method", [&] {
             PlaceCursor(5);
             QInputMethodEvent commit;
             commit.setCommitString("q");
             QApplication::sendEvent(Widget(), &commit);
         }},
        {"dropping", [&] {
             QMimeData data;
             data.setText("dd");
             PlaceCursor(4);
             const QPoint inside = Widget()->cursorRect(Widget()->textCursor()).center();
             QDragEnterEvent enter(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(Widget()->viewport(), &enter);
             QDragMoveEvent move(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(Widget()->viewport(), &move);
             QDropEvent drop(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(Widget()->viewport(), &drop);
         }},
        {"the program without the flag", [&] { edit->SetSelStart(3); edit->SetSelLength(1); edit->SetSelText(""); }},
    };
    for (const Attempt& attempt : attempts) {
        calls.clear();
        attempt.act();
        EXPECT_EQ(edit->Text(), before) << attempt.what;
        EXPECT_EQ(calls.size(), 1u) << attempt.what;
        EXPECT_EQ(Widget()->toPlainText().toStdString(), before) << attempt.what;
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(Widget()->toPlainText().toStdString(), before);
}

TEST_F(RichEdit, EditsBesideAMarkerPassAndTheOwnersFlagLetsItsChangesThrough) {
    InsertMarker("#pic.bmp#");
    form.Show();
    Widget()->setFocus();
    PlaceCursor(9);
    QTest::keyClicks(Widget(), "ok");  // at the edge: no question, ordinary text
    EXPECT_EQ(edit->Text(), "#pic.bmp#ok");
    EXPECT_TRUE(calls.empty());
    edit->SetSelStart(10);
    EXPECT_FALSE(edit->SelAttributes()->Protected());
    EXPECT_EQ(edit->SelAttributes()->Color(), clWindowText);

    allowProtectedChange = true;
    edit->SetSelStart(0);
    edit->SetSelLength(9);
    edit->SetSelText("");
    EXPECT_EQ(edit->Text(), "ok");
    EXPECT_EQ(calls, (std::vector<ProtectCall>{{0, 9}}));
}

TEST_F(RichEdit, LoadingOverProtectedTextIsReviewedToo) {
    InsertMarker("##A##");
    TStringList lines;
    lines.SetText("{\\rtf1\\ansi plain\\par\r\n}");
    EXPECT_FALSE(edit->LoadRtfLines(lines));
    EXPECT_EQ(edit->Text(), "##A##");
    allowProtectedChange = true;
    EXPECT_TRUE(edit->LoadRtfLines(lines));
    EXPECT_EQ(edit->Text(), "plain");
    EXPECT_EQ(edit->Lines()->Count(), 1);
    edit->Lines()->Clear();
    EXPECT_EQ(edit->Lines()->Count(), 0);
}

}  // namespace
