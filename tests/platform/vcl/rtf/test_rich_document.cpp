#include <gtest/gtest.h>

#include "support_rich_text.h"
#include "vcl/rtf/rich_document.h"

using namespace richtest;

TEST(RichDocument, ParagraphEndsCountOnePositionAndTextUsesCrLf) {
    const TRichDocument document = PlainDocument("ab\r\n\r\ncd");
    ASSERT_EQ(document.Paragraphs().size(), 3u);
    EXPECT_EQ(document.Length(), 6);  // a b | | c d
    EXPECT_EQ(document.Text(), "ab\r\n\r\ncd");
    EXPECT_EQ(document.TextRange(1, 4), "b\r\rc");
    EXPECT_EQ(document.CharAt(2), '\r');
    EXPECT_EQ(document.CharAt(4), 'c');
    EXPECT_TRUE(document.IsParagraphEnd(3));
    EXPECT_FALSE(document.IsParagraphEnd(4));
    EXPECT_EQ(document.CharAt(6), 0);
    EXPECT_EQ(document.CharAt(-1), 0);
}

TEST(RichDocument, EmptyDocumentHasOneEmptyParagraph) {
    TRichDocument document;
    EXPECT_EQ(document.Length(), 0);
    EXPECT_EQ(document.Text(), "");
    document.Delete(0, 10);
    document.ApplyAttributes(-5, 10, TRichAttributeChange{.Bold = true});
    EXPECT_EQ(document.Paragraphs().size(), 1u);
    EXPECT_EQ(document.AttributesAt(0), document.DefaultAttributes());
}

TEST(RichDocument, InsertSplitsEveryKindOfLineBreak) {
    struct Case {
        const char* start;
        int32_t pos;
        const char* inserted;
        const char* text;
        int32_t added;
    };
    const Case cases[] = {
        {"abc", 1, "X", "aXbc", 1},
        {"abc", 3, "\r\n", "abc\r\n", 1},
        {"abc", 0, "1\r2\n3\r\n4", "1\r\n2\r\n3\r\n4abc", 7},
        {"ab\r\ncd", 3, "Z", "ab\r\nZcd", 1},
        {"ab", 99, "!", "ab!", 1},
        {"ab", -4, "!", "!ab", 1},
    };
    for (const Case& c : cases) {
        TRichDocument document = PlainDocument(c.start);
        EXPECT_EQ(document.Insert(c.pos, c.inserted, Plain()), c.added) << c.start << " + " << c.inserted;
        EXPECT_EQ(document.Text(), c.text) << c.start << " + " << c.inserted;
    }
}

TEST(RichDocument, DeleteWithinAndAcrossParagraphs) {
    struct Case {
        int32_t start;
        int32_t length;
        const char* text;
    };
    const Case cases[] = {
        {1, 1, "ac\r\ndef\r\ngh"},      {3, 1, "abcdef\r\ngh"},  {2, 5, "ab\r\ngh"}, {2, 6, "abgh"},
        {0, 100, ""},                    {9, 5, "abc\r\ndef\r\ng"}, {4, -3, "abc\r\ndef\r\ngh"},
        {-10, 11, "bc\r\ndef\r\ngh"},
    };
    for (const Case& c : cases) {
        TRichDocument document = PlainDocument("abc\r\ndef\r\ngh");
        document.Delete(c.start, c.length);
        EXPECT_EQ(document.Text(), c.text) << c.start << "," << c.length;
    }
}

TEST(RichDocument, RunsKeepTheirAttributesThroughEditsAndMergeWhenEqual) {
    TRichDocument document = Build({{{"one "}, {"two", Bold()}, {" three"}}});
    document.Delete(3, 4);  // "one" + " three": the two plain runs meet
    EXPECT_EQ(document, Build({{{"one three"}}}));

    document.Insert(3, "!", Bold());
    document.ApplyAttributes(0, 3, TRichAttributeChange{.Bold = true});
    EXPECT_EQ(document, Build({{{"one!", Bold()}, {" three"}}}));
    ASSERT_EQ(document.Paragraphs()[0].Runs.size(), 2u);
}

TEST(RichDocument, ApplyAttributesAcrossParagraphsChangesOnlyTheGivenFields) {
    TRichDocument document = Build({{{"abc", Bold()}}, {{"def"}}});
    document.ApplyAttributes(1, 5, TRichAttributeChange{.Color = 0x0000FF});
    TRichAttributes boldRed = Bold();
    boldRed.Color = 0x0000FF;
    EXPECT_EQ(document, Build({{{"a", Bold()}, {"bc", boldRed}}, {{"de", Colored(0x0000FF)}, {"f"}}}));
}

TEST(RichDocument, AttributesAtParagraphEndsAndBoundaries) {
    const TRichDocument document = Build({{{"ab"}, {"##L##", Marker()}}, {}, {{"x", Bold()}}});
    EXPECT_TRUE(document.AttributesAt(2).Protected);
    EXPECT_TRUE(document.AttributesBefore(7).Protected);
    // The paragraph end after the marker, and the empty paragraph's end,
    // carry the marker's look but never its protection.
    EXPECT_FALSE(document.AttributesAt(7).Protected);
    EXPECT_EQ(document.AttributesAt(8).Color, 0x008000);
    EXPECT_FALSE(document.AttributesAt(8).Protected);
    EXPECT_TRUE(document.AttributesAt(9).Bold);
    EXPECT_EQ(document.AttributesBefore(0), document.DefaultAttributes());
}

TEST(RichDocument, ProtectionAndConsistencyQueriesLookOnlyAtTheRange) {
    const TRichDocument document = Build({{{"ab"}, {"##L##", Marker()}, {"cd", Bold()}}});
    EXPECT_FALSE(document.AnyProtected(0, 2));
    EXPECT_TRUE(document.AnyProtected(1, 2));
    EXPECT_TRUE(document.AnyProtected(6, 1));
    EXPECT_FALSE(document.AnyProtected(7, 5));
    EXPECT_FALSE(document.AnyProtected(2, 0));

    EXPECT_EQ(document.ConsistentAttributes(2, 5), caAll);
    EXPECT_EQ(document.ConsistentAttributes(0, 3), caAll & ~(caUnderline | caColor | caProtected));
    EXPECT_EQ(document.ConsistentAttributes(0, 9), caFace | caSize | caItalic | caStrikeOut);
    EXPECT_EQ(document.ConsistentAttributes(4, 0), caAll);
}
