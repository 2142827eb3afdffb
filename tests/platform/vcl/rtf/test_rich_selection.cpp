#include <gtest/gtest.h>

#include "support_rich_text.h"
#include "vcl/rtf/rich_selection.h"

using namespace richtest;

TEST(RichSelection, StartAndLengthAreClampedAndSelTextUsesOneCharPerPosition) {
    TRichDocument document = PlainDocument("ab\r\ncd");
    TRichSelection selection(document);
    selection.SetSelStart(1);
    selection.SetSelLength(3);
    EXPECT_EQ(selection.SelText(), "b\rc");
    selection.SetSelLength(100);
    EXPECT_EQ(selection.SelLength(), 4);
    selection.SetSelStart(-3);
    EXPECT_EQ(selection.SelStart(), 0);
    EXPECT_EQ(selection.SelLength(), 0);
    selection.SelectAll();
    EXPECT_EQ(selection.SelLength(), 5);
    // A document that shrinks under the selection cannot push it outside.
    document.Delete(0, 4);
    EXPECT_EQ(selection.SelStart(), 0);
    EXPECT_EQ(selection.SelLength(), 1);
}

TEST(RichSelection, SetSelTextReplacesAndLeavesTheCursorAfterTheNewText) {
    TRichDocument document = Build({{{"one "}, {"two", Bold()}, {" three"}}});
    TRichSelection selection(document);
    selection.SetSelStart(4);
    selection.SetSelLength(3);
    selection.SetSelText("2\r\nII");
    EXPECT_EQ(document, Build({{{"one "}, {"2", Bold()}}, {{"II", Bold()}, {" three"}}}));
    EXPECT_EQ(selection.SelStart(), 8);
    EXPECT_EQ(selection.SelLength(), 0);
}

TEST(RichSelection, AttributesOfAMixedSelectionAreThoseOfItsFirstCharacter) {
    TRichDocument document = Build({{{"ab", Bold()}, {"cd", InFont("Times New Roman", 24)}}});
    TRichSelection selection(document);
    selection.SetSelStart(1);
    selection.SetSelLength(2);
    EXPECT_EQ(selection.SelAttributes(), Bold());
    EXPECT_EQ(selection.SelConsistentAttributes() & (caBold | caFace | caSize), 0u);
    EXPECT_EQ(selection.SelConsistentAttributes() & caColor, caColor);

    selection.SetSelAttributes(TRichAttributeChange{.Italic = true});
    TRichAttributes boldItalic = Bold();
    boldItalic.Italic = true;
    TRichAttributes timesItalic = InFont("Times New Roman", 24);
    timesItalic.Italic = true;
    EXPECT_EQ(document, Build({{{"a", Bold()}, {"b", boldItalic}, {"c", timesItalic}, {"d", InFont("Times New Roman", 24)}}}));
}

TEST(RichSelection, EmptySelectionReportsTheCharacterBeforeTheCursorAndKeepsAnInsertionFormat) {
    TRichDocument document = Build({{{"ab", Bold()}, {"cd"}}});
    TRichSelection selection(document);
    selection.SetSelStart(2);
    EXPECT_TRUE(selection.SelAttributes().Bold);
    selection.SetSelStart(0);
    EXPECT_EQ(selection.SelAttributes(), document.DefaultAttributes());

    selection.SetSelStart(4);
    selection.SetSelAttributes(TRichAttributeChange{.HalfPoints = 32});
    EXPECT_EQ(selection.SelAttributes().HalfPoints, 32);
    selection.SetSelText("e");
    EXPECT_EQ(document, Build({{{"ab", Bold()}, {"cd"}, {"e", InFont("Arial", 32)}}}));
    // Moving the cursor forgets the insertion format.
    selection.SetSelStart(3);
    selection.SetSelText("x");
    EXPECT_EQ(document.AttributesAt(3), Plain());
}

TEST(RichSelection, TextTypedNextToAMarkerIsOrdinaryText) {
    TRichDocument document = Build({{{"see "}, {"##Intro##", Marker()}}});
    TRichSelection selection(document);
    selection.SetSelStart(13);
    ASSERT_TRUE(selection.SelAttributes().Protected);  // "the text at the cursor is protected"
    selection.SetSelText(" now");
    EXPECT_EQ(document, Build({{{"see "}, {"##Intro##", Marker()}, {" now"}}}));
}
