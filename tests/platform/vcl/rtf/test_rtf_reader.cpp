#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"
#include "support_rich_text.h"
#include "vcl/rtf/rtf_reader.h"
#include "win32/codepage.h"

using namespace richtest;

namespace {

std::string Fixture(const std::string& name) { return testsupport::ReadHostFile(std::string(QUILLERY_TEST_DIR) + "/" + name); }

// A document body in the control's header, for short cases.
std::string Rtf(const std::string& body) {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
           "{\\f1\\froman\\fcharset0 Times New Roman;}}\r\n{\\colortbl ;\\red0\\green128\\blue0;}\r\n"
           "\\viewkind4\\uc1\\pard\\f0\\fs20 " +
           body + "\r\n}\r\n";
}

TRichAttributes With(TRichAttributes a, void (*change)(TRichAttributes&)) {
    change(a);
    return a;
}

}  // namespace

TEST(RtfReader, ReadsThePageOfAnOlderControl) {
    TRichAttributes arial = Plain();
    arial.Font = TRichFont{"Arial", TRichFontFamily::ffSwiss, 0, 0};
    TRichAttributes marker = Marker();
    marker.Font = arial.Font;
    TRichAttributes bold = Bold();
    bold.Font = arial.Font;
    EXPECT_EQ(ReadRtf(Fixture("older_control_page.rtf")),
              Build({{{"Welcome to ", arial}, {"##Intro##", marker}, {" page.", arial}}, {{"Bold", bold}, {" line", arial}}}));
}

TEST(RtfReader, ReadsAPageOfALaterControlSkippingWhatItCannotShow) {
    TRichAttributes calibri = Plain();
    calibri.Font = TRichFont{"Calibri", TRichFontFamily::ffNil, 0, 0};
    calibri.HalfPoints = 22;
    TRichAttributes red = calibri;
    red.Color = 0x0000FF;
    red.Bold = true;
    TRichAttributes arial = Plain();
    arial.Font = TRichFont{"Arial", TRichFontFamily::ffSwiss, 0, 2};
    TRichAttributes italic = arial;
    italic.Italic = true;
    EXPECT_EQ(ReadRtf(Fixture("wordpad_page.rtf")),
              Build({{{"Caf\xe9 \x80uro ", calibri}, {"red bold", red}},
                     {{"after ", arial}, {"italic", italic}, {" back", arial}}}));
}

TEST(RtfReader, TextEscapesAndSpecialCharacters) {
    struct Case {
        const char* body;
        const char* text;
    };
    const Case cases[] = {
        {"a\\\\b \\{x\\} caf\\'e9\\'E9", "a\\b {x} caf\xe9\xe9"},
        {"one\\tab two\\line three\\par", "one\ttwo\r\nthree"},
        {"\\u8364?\\u-4064?x", "\x80?x"},  // U+F020 has no ANSI form: the fallback stays
        {"\\uc2\\u233 ab!\\uc0\\u20013 .", "\xe9!?."},
        {"{\\uc3\\u233 a}bc", "\xe9" "bc"},  // a group ends the fallback
        {"\\emdash\\lquote q\\rquote\\bullet\\~\\_\\-x", "\x97\x91q\x92\x95\xa0-x"},
        {"a\\par\\par", "a\r\n"},  // only the final \par is the final paragraph mark
        {"a\\\r\nb", "a\r\nb"},    // a backslash before a line end is \par
        {"\\'zz\\'4", "zz4"},
        {"x\\bin3 {}\\y", "xy"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadRtf(Rtf(c.body)).Text(), c.text) << c.body;
}

TEST(RtfReader, GroupsSaveAndRestoreFormattingAndPlainResetsIt) {
    const TRichAttributes bold = Bold();
    const TRichAttributes boldGreen = With(Bold(), [](TRichAttributes& a) { a.Color = 0x008000; });
    const TRichAttributes times = InFont("Times New Roman", 28);
    const TRichAttributes underline = With(Plain(), [](TRichAttributes& a) { a.Underline = true; });
    struct Case {
        const char* body;
        TRichDocument expected;
    };
    const Case cases[] = {
        {"a{\\b b{\\cf1 c}d}e", Build({{{"a"}, {"b", bold}, {"c", boldGreen}, {"d", bold}, {"e"}}})},
        {"\\f1\\fs28 t\\plain\\fs20 p", Build({{{"t", times}, {"p"}}})},
        {"\\b\\cf1 x\\b0\\cf0 y\\cf9 z", Build({{{"x", boldGreen}, {"yz"}}})},
        {"\\uldb a\\ul0 b\\ulw c\\ulnone d\\ulc1 e", Build({{{"a", underline}, {"b"}, {"c", underline}, {"de"}}})},
        {"\\protect p\\protect0 q\\i1 r\\i0 s", Build({{{"p", With(Plain(), [](TRichAttributes& a) { a.Protected = true; })},
                                                       {"q"},
                                                       {"r", With(Plain(), [](TRichAttributes& a) { a.Italic = true; })},
                                                       {"s"}}})},
        {"\\strike s\\strike0 t", Build({{{"s", With(Plain(), [](TRichAttributes& a) { a.StrikeOut = true; })}, {"t"}}})},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadRtf(Rtf(c.body)), c.expected) << c.body;
}

TEST(RtfReader, SkipsDestinationsAndUnknownWordsButKeepsTheirNeighbours) {
    struct Case {
        const char* body;
        const char* text;
    };
    const Case cases[] = {
        {"a{\\*\\unknown {nested} text}b", "ab"},
        {"a{\\stylesheet{\\s0 Normal;}}b{\\info{\\title T}}c", "abc"},
        {"a{\\pict\\pngblip 89504e47}b{\\header h}c{\\footnote f}d", "abcd"},
        {"a\\xyzzy42 b{\\madeup kept}c", "abkeptc"},
        {"{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt shown}}", "shown"},
        {"{\\pntext\\f0 1.\\tab}item", "item"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadRtf(Rtf(c.body)).Text(), c.text) << c.body;
}

TEST(RtfReader, FontTablesOfEveryShape) {
    struct Case {
        const char* table;
        TRichFont font;
    };
    const Case cases[] = {
        {"{\\f0\\fswiss MS Sans Serif;}", {"MS Sans Serif", TRichFontFamily::ffSwiss, 0, 0}},
        {"{\\f0\\froman\\fprq2\\fcharset238 Times New Roman CE;}", {"Times New Roman CE", TRichFontFamily::ffRoman, 238, 2}},
        {"\\f0\\fmodern Courier New;\\f1\\fnil Other;", {"Courier New", TRichFontFamily::ffModern, 0, 0}},
        {"{\\f0\\fnil\\fcharset0 Caf\\'e9{\\*\\panose 02020603050405020304} Sans;}", {"Caf\xe9 Sans", TRichFontFamily::ffNil, 0, 0}},
        {"{\\f0\\fswiss\\fcharset0 Unfinished}", {"Unfinished", TRichFontFamily::ffSwiss, 0, 0}},
        {"{\\f0\\fswiss\\fcharset0 ;}", TRichAttributes{}.Font},  // no name: the default font
    };
    for (const Case& c : cases) {
        const std::string rtf = std::string("{\\rtf1\\ansi\\deff0{\\fonttbl") + c.table + "}\\pard\\f0 x\\par}";
        const TRichDocument document = ReadRtf(rtf);
        ASSERT_FALSE(document.Paragraphs()[0].Runs.empty()) << c.table;
        EXPECT_EQ(document.Paragraphs()[0].Runs[0].Attributes.Font, c.font) << c.table;
    }
}

TEST(RtfReader, MissingFontsAndSizesComeFromTheDefaults) {
    TRichAttributes defaults = InFont("Tahoma", 16);
    const TRichDocument document = ReadRtf("{\\rtf1 plain {\\f7 unknown}\\fs-3 small\\fs99999 big\\fs back\\par}", defaults);
    EXPECT_EQ(document.DefaultAttributes(), defaults);
    EXPECT_EQ(document, Build({{{"plain unknown", defaults}, {"small", InFont("Tahoma", 2)}, {"big", InFont("Tahoma", 3276)},
                                {"back", defaults}}}));
}

TEST(RtfReader, TextThatIsNotRtfIsReadAsLines) {
    EXPECT_EQ(ReadRtf("first\r\nsecond\r\n"), PlainDocument("first\r\nsecond"));
    EXPECT_EQ(ReadRtf(""), TRichDocument{});
    EXPECT_EQ(ReadRtfLines({"{\\rtf1\\pard\\f0\\fs20 one\\par", "two\\par", "}"}), PlainDocument("one\r\ntwo"));
}

TEST(RtfReader, MalformedInputEndsCleanly) {
    struct Case {
        const char* rtf;
        const char* text;
    };
    const Case cases[] = {
        {"{\\rtf1 open {\\b group", "open group"},
        {"{\\rtf1 closed} after {more}", "closed"},
        {"{\\rtf1 a}}}}b", "a"},
        {"{\\rtf1 x\\", "x"},
        {"{\\rtf1 x\\'4", "x4"},
        {"{\\rtf1 \\f99999999999999999999 big\\cf-99999999999 n\\uc99999999 \\u65 ABC}", "bignA"},
        {"{\\rtf1 \\abcdefghijklmnopqrstuvwxyzabcdefghijklmnop1 y}", "y"},
        {"{\\rtf1 {\\fonttbl{\\f0\\fswiss Ari", ""},
        {"{\\rtf1 {\\colortbl;\\red999\\green-5\\blue;}\\cf1 c}", "c"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadRtf(c.rtf).Text(), c.text) << c.rtf;
}

TEST(RtfReader, DeepNestingIsSkippedNotFollowed) {
    std::string rtf = "{\\rtf1 start";
    rtf += std::string(5000, '{') + "deep" + std::string(5000, '}') + " end}";
    EXPECT_EQ(ReadRtf(rtf).Text(), "start end");
}

TEST(RtfReader, UnicodeCharactersBecomeBytesOfTheMachineCodePage) {
    struct CodePage {
        uint32_t previous = win32::GetACP();
        CodePage() { win32::SetACP(1251); }
        ~CodePage() { win32::SetACP(previous); }
    } cyrillic;
    EXPECT_EQ(ReadRtf(Rtf("\\u1078?\\u233?")).Text(), "\xe6?");  // zhe is 0xE6 in 1251; e-acute is not there
}
