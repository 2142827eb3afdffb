// Link and picture markers in the page editor: insertion, refused edits,
// removal at the cursor with its messages, and the font command's
// underline rule.
#include <gtest/gtest.h>

#include "editor/Markers.h"
#include "helptool/editor/support_main_window.h"
#include "vcl/forms/rich_edit.h"
#include "vcl/forms/std_controls.h"

namespace {

using testsupport::MainWindowTest;
using Markers = MainWindowTest;

TEST_F(Markers, AnInsertedLinkIsAGreenUnderlinedProtectedMarker) {
    ShowPageWithText("See  now");
    AddLink("Next");
    form->mmoPage().SetSelStart(4);
    form->mmoPage().SetSelLength(2);  // replaces nothing
    form->InsertLinkAtCursor1Click(nullptr);
    TRichEdit& editor = form->mmoPage();
    EXPECT_EQ(editor.Text(), "See ##Next## now");
    EXPECT_EQ(editor.SelStart(), 4);
    EXPECT_EQ(editor.SelLength(), 8);
    const TRichAttributes marker = editor.Document().AttributesAt(6);
    EXPECT_TRUE(marker.Protected);
    EXPECT_TRUE(marker.Underline);
    EXPECT_EQ(marker.Color, kMarkerColor);
    EXPECT_FALSE(editor.Document().AttributesAt(1).Protected);

    // The user can neither type into nor delete over it.
    editor.UserReplace(7, 0, "x");
    editor.UserReplace(2, 4, "");
    EXPECT_EQ(editor.Text(), "See ##Next## now");
    // Typing inside it through the menu is refused as well.
    editor.SetSelStart(7);
    form->InsertLinkAtCursor1Click(nullptr);
    EXPECT_EQ(editor.Text(), "See ##Next## now");
}

TEST_F(Markers, RemoveAtCursorDeletesOnlyTheRightKind) {
    ShowPageWithText("A  B ");
    AddLink("L1");
    form->mmoPage().SetSelStart(2);
    form->InsertLinkAtCursor1Click(nullptr);
    dialogs.AnswerFile("C:\\pics\\logo.bmp");
    form->AddPicClick(nullptr);
    form->lstPictures().SetItemIndex(0);
    TRichEdit& editor = form->mmoPage();
    editor.SetSelStart(editor.Text().size());
    form->InsertPictureAtCursor2Click(nullptr);
    const std::string both = "A ##L1## B #C:\\pics\\logo.bmp#";
    ASSERT_EQ(editor.Text(), both);
    TStringList saved;
    for (const std::string& line : editor.RtfLines()) saved.Add(line);

    struct Case {
        int cursor;
        bool link;
        std::string message;  // empty: no message
        std::string after;
    };
    const int afterPicture = static_cast<int>(both.size());
    const Case cases[] = {
        {afterPicture, true, "The cursor is not on a link.", both},
        {8, false, "The cursor is not on a picture.", both},
        {1, true, "", both},  // plain text: nothing
        {5, true, "", "A  B #C:\\pics\\logo.bmp#"},
        {afterPicture, false, "", "A ##L1## B "},
    };
    for (const Case& c : cases) {
        Project().AllowProtectedChange = true;  // back to both markers
        editor.LoadRtfLines(saved);
        Project().AllowProtectedChange = false;
        editor.SetSelStart(c.cursor);
        const int asked = dialogs.AskedCount();
        if (!c.message.empty()) dialogs.Answer(mrOk);
        if (c.link)
            form->RemoveLinkAtCursor1Click(nullptr);
        else
            form->RemovePictureAtCursor1Click(nullptr);
        if (c.message.empty()) {
            EXPECT_EQ(dialogs.AskedCount(), asked) << c.cursor;
        } else {
            EXPECT_EQ(dialogs.LastAsked().Text, c.message);
        }
        EXPECT_EQ(editor.Text(), c.after) << c.cursor;
    }
}

TEST_F(Markers, ChangeFontKeepsUnderlineOnlyOnMarkers) {
    ShowPageWithText("Plain ");
    AddLink("L1");
    form->InsertLinkAtCursor1Click(nullptr);
    TRichEdit& editor = form->mmoPage();
    struct Case {
        int start, length;  // the selection (markers: the cursor after one)
        bool chooseUnderline;
        bool underlined;
    };
    for (const Case& c : {Case{0, 5, true, false}, Case{0, 5, false, false}, Case{12, 0, false, true},
                          Case{12, 0, true, true}}) {
        editor.SetSelStart(c.start);
        editor.SetSelLength(c.length);
        TFont chosen;
        chosen.SetName("Times New Roman");
        chosen.SetSize(14);
        chosen.SetStyle(c.chooseUnderline ? TFontStyles{fsBold, fsUnderline} : TFontStyles{fsBold});
        dialogs.AnswerFont(chosen);
        form->mnuFontClick(nullptr);
        const TRichAttributes after = editor.Document().AttributesAt(c.start == 12 ? 8 : 1);
        EXPECT_EQ(after.Underline, c.underlined) << c.start;
        EXPECT_TRUE(after.Bold);
        EXPECT_EQ(after.Font.Name, "Times New Roman");
        EXPECT_EQ(after.SizePoints(), 14);
    }
    EXPECT_EQ(editor.Text(), "Plain ##L1##");  // the marker stays whole
    EXPECT_TRUE(editor.Document().AttributesAt(8).Protected);
}

TEST_F(Markers, DeletingALinkLeavesItsMarkersAndAPictureIsListedOnce) {
    ShowPageWithText("x");
    AddLink("L1");
    form->InsertLinkAtCursor1Click(nullptr);
    dialogs.Answer(mrYes);
    form->DeleteLinkClick(nullptr);
    EXPECT_EQ(form->lstLinks().Items()->Count(), 0);
    EXPECT_EQ(form->mmoPage().Text(), "x##L1##");

    dialogs.AnswerFile("C:\\a.bmp").AnswerFile("c:\\A.BMP");
    form->AddPicClick(nullptr);
    form->AddPicClick(nullptr);
    EXPECT_EQ(form->lstPictures().Items()->Count(), 1);
    EXPECT_EQ(dialogs.LastAsked().File.Filter, "Bitmap File|*.bmp");
    EXPECT_EQ(dialogs.LastAsked().File.DefaultExt, "bmp");
}

}  // namespace
