#include <gtest/gtest.h>

#include "build/MergedTables.h"
#include "build/PageIndex.h"
#include "build/PageTables.h"
#include "build/RichTextConverter.h"
#include "model/PageObject.h"
#include "support_build.h"

using namespace buildtest;

namespace {

const std::string kModernFonts =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
    "{\\f1\\fswiss\\fcharset0 Arial;}}";
const std::string kGreenTable = "{\\colortbl ;\\red0\\green128\\blue0;}";

struct ConversionCase {
    const char* what;
    std::vector<std::string> source;
    std::string expected;  // "\n" for each line break written
    std::vector<std::string> messages = {};
    TConversionResult result = TConversionResult::Done;
    bool withLinks = true;
};

// Merged tables: Arial 0, Times 1; black 0, red 1, green 2 (so \cf3).
class ConvertRichTextTest : public ::testing::Test {
protected:
    ConvertRichTextTest() {
        AddPage(project, "Intro", "IDH_INTRO");
        AddPage(project, "Other", "IDH_{OTHER}");
        page = &AddPage(project, "Links", "IDH_LINKS");
        AddLink(*page, "Intro", "intro", "the intro");
        AddLink(*page, "Tip", "Other", "a tip", true);
        AddLink(*page, "Caf\xe9", "Intro", "caf\xe9 {x}");
        AddLink(*page, "Gone", "Renamed", "nowhere");
        tables.Fonts = {"\\fswiss\\fcharset0 Arial;}", "\\froman\\fcharset0 Times New Roman;}"};
        tables.Colors = {"\\red0\\green0\\blue0;", "\\red255\\green0\\blue0;", "\\red0\\green128\\blue0;"};
    }

    void Check(const ConversionCase& c) {
        RecordedMessages messages;
        const TPageIndex index(project.Pages);
        TStringList source;
        SetLines(source, c.source);
        // Each case merges its source into the fixture's tables afresh.
        TMergedTables merged = tables;
        const TSourceNumbering numbering = MergeSource(merged, source);
        const TTopicContext context{merged, index, messages};
        std::string out = "<";
        const TConversionResult result =
            ConvertRichText(source, numbering, c.withLinks ? &page->Links : nullptr, context, out);
        std::string expected = "<";  // the conversion appends to what is there
        expected += Crlf(c.expected);
        EXPECT_EQ(out, expected) << c.what;
        EXPECT_EQ(messages.shown, c.messages) << c.what;
        EXPECT_EQ(result, c.result) << c.what;
    }

    THelpProject project;
    TPageObject* page = nullptr;
    TMergedTables tables;
};

TEST_F(ConvertRichTextTest, RenumbersFontsAndColoursAndCopiesControlWords) {
    const ConversionCase cases[] = {
        {"the control's shape",
         {kModernFonts, kGreenTable, "\\viewkind4\\uc1\\pard\\f0\\fs20 Plain \\cf1 green\\cf0\\par", "\\f1 x\\par", "}"},
         "\\f1\n\\fs20\nPlain \\cf3\ngreen\\cf1\n\\par\n\\f0\nx\\par\n"},
        {"no \\pard: nothing", {kModernFonts, "plain text\\par", "}"}, ""},
        {"\\pard found ignoring case, and only the text after it",
         {kModernFonts, "\\deflang1033\\PARD\\plain\\f1 a\\par }"}, "\\plain\n\\f0\na\\par\n"},
        {"older shape: colour table starting with black",
         {"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}", "{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;}",
          "\\pard\\cf0 black \\cf1 green\\par }"},
         "\\cf1\nblack \\cf3\ngreen\\par\n"},
        {"automatic entry, then black and green",
         {kModernFonts, "{\\colortbl ;\\red0\\green0\\blue0;\\red0\\green128\\blue0;}", "\\pard\\cf0 a\\cf1 b\\cf2 c"},
         "\\cf1\na\\cf1\nb\\cf3\nc"},
        {"a colour beyond the page's table", {kModernFonts, kGreenTable, "\\pard\\cf7 x"}, "\\cf0\nx"},
        {"no colour table at all", {kModernFonts, "\\pard\\cf1 x"}, "\\cf0\nx"},
        {"words starting with f, c and u that are not renumbered",
         {kModernFonts, "\\pard\\fi-360\\cell\\uc1\\u8364?uro\\f"}, "\\fi-360\n\\cell\n\\uc1\n\\u8364?uro\n\\f\n"},
        {"the control's underline and protection vanish; \\ulw leaves nothing behind",
         {kModernFonts, "\\pard\\ul u\\ulnone\\protect p\\protect0  q\\ulw w\\ulnone"},
         "\nu\n\np\n q\nw\n"},
        {"escapes and control symbols keep the space after them",
         {kModernFonts, "\\pard C:\\\\temp \\{x\\} caf\\'e9 ok\\~z\\par"},
         "C:\\\\temp\n \\{x\n\\}\n caf\\'e9\n ok\\~z\n\\par\n"},
        {"a group of the source is closed where the source closes it",
         {kModernFonts, "\\pard {\\b bold\\b0}x{\\i it}\\par}"}, "{\\b\nbold\\b0\n}x{\\i\nit}\\par\n"},
    };
    for (const ConversionCase& c : cases) Check(c);
}

TEST_F(ConvertRichTextTest, TurnsMarkersIntoHotspotsAndBitmaps) {
    const ConversionCase cases[] = {
        {"a jump", MarkerPage("##Intro##"),
         "\\f0\n\\fs20\nSee \\cf3\n\n\n{\\uldb the intro}{\\v IDH_INTRO}\\cf1\n\n\n here\\par\n"},
        {"a popup, names ignoring case, the target's ID escaped", MarkerPage("##TIP##"),
         "\\f0\n\\fs20\nSee \\cf3\n\n\n{\\ul a tip}{\\v IDH_\\{OTHER\\}}\\cf1\n\n\n here\\par\n"},
        {"a link name with a byte above 0x7F, its text escaped", MarkerPage("##Caf\\'e9##"),
         "\\f0\n\\fs20\nSee \\cf3\n\n\n{\\uldb caf\\'e9 \\{x\\}}{\\v IDH_INTRO}\\cf1\n\n\n here\\par\n"},
        {"a picture, backslashes left doubled", MarkerPage("#C:\\\\pics\\\\a.bmp#"),
         "\\f0\n\\fs20\nSee \\cf3\n\n\n\\{bmc C:\\\\pics\\\\a.bmp\\}\n\\cf1\n\n\n here\\par\n"},
        {"# outside underline is text", {kModernFonts, "\\pard a #1 ##Intro##\\par"}, "a #1 ##Intro##\\par\n"},
        {"underlined text that is not a marker loses its underline; # in it starts a picture",
         {kModernFonts, "\\pard\\ul item #x.bmp# y\\ulnone\\par"}, "\nitem \\{bmc x.bmp\\}\n y\n\\par\n"},
        {"markers without their closing # on the line are text",
         {kModernFonts, "\\pard\\ul ##Intro", "#x.bmp", "\\ulnone\\par"}, "\n##Intro#x.bmp\n\\par\n"},
    };
    for (const ConversionCase& c : cases) Check(c);
}

TEST_F(ConvertRichTextTest, StopsOnTheFirstErrorKeepingWhatWasWritten) {
    const ConversionCase cases[] = {
        {"a font beyond the page's table", {kModernFonts, "\\pard a\\f2 b"}, "a", {"Illegal font found in file."},
         TConversionResult::BadFont},
        {"a font number beyond 32 bits", {kModernFonts, "\\pard a\\f99999999999 b"}, "a",
         {"Illegal font found in file."}, TConversionResult::BadFont},
        {"a page without a font table", {"\\pard a\\f0 b"}, "a", {"Illegal font found in file."},
         TConversionResult::BadFont},
        {"\\cf without a number", {kModernFonts, kGreenTable, "\\pard a\\cfx b"}, "a",
         {"Illegal color found in file."}, TConversionResult::BadColor},
        {"a colour number beyond 32 bits", {kModernFonts, kGreenTable, "\\pard a\\cf4294967296 b"}, "a",
         {"Illegal color found in file."}, TConversionResult::BadColor},
        {"a marker naming no link of the page", MarkerPage("##Nothing##"), "\\f0\n\\fs20\nSee \\cf3\n\n\n",
         {"Illegal link found in file."}, TConversionResult::BadLink},
        {"a link to a page that does not exist, after its hotspot", MarkerPage("##Gone##"),
         "\\f0\n\\fs20\nSee \\cf3\n\n\n{\\uldb nowhere}", {"Link to invalid page."}, TConversionResult::BadLink},
        {"a group left open by the stop is closed", {kModernFonts, "\\pard {\\b\\ul ##Nothing##}\\par"}, "{\\b\n\n}",
         {"Illegal link found in file."}, TConversionResult::BadLink},
        {"no link list (a header)", MarkerPage("##Intro##"), "\\f0\n\\fs20\nSee \\cf3\n\n\n",
         {"Illegal link found in file."}, TConversionResult::BadLink, false},
    };
    for (const ConversionCase& c : cases) Check(c);
}

// The tables of `lines` as merging reads them: the table's line found,
// then read; an empty list without one.
std::vector<TPageFont> FontTableOf(const TStringList& lines) {
    std::string_view rest;
    return FindTableLine(lines, kFontTableWord, rest) ? ParseFontTable(rest) : std::vector<TPageFont>{};
}

std::vector<std::string> ColorTableOf(const TStringList& lines) {
    std::string_view rest;
    return FindTableLine(lines, kColorTableWord, rest) ? ParseColorTable(rest) : std::vector<std::string>{};
}

TEST(PageTables, ExtractsSingleLineTablesInTheirOwnNumbering) {
    TStringList source;
    SetLines(source, {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Courier;}{\\f2\\fswiss Arial;}"
                      "{\\f3\\fnil Calibri{\\*\\falt Helvetica};}}",
                      "{\\colortbl\\red255\\green0\\blue0;;\\red0\\green0\\blue255;}"});
    const std::vector<TPageFont> fonts = FontTableOf(source);
    const std::vector<std::pair<int32_t, std::string>> expectedFonts = {
        {0, "\\fswiss Arial;}"}, {1, " Courier;}"}, {2, "\\fswiss Arial;}"}, {3, "\\fnil Calibri{\\*\\falt Helvetica};}"}};
    ASSERT_EQ(fonts.size(), expectedFonts.size());
    for (size_t i = 0; i < fonts.size(); ++i) {
        EXPECT_EQ(fonts[i].Number, expectedFonts[i].first);
        EXPECT_EQ(fonts[i].Description, expectedFonts[i].second);
    }
    EXPECT_EQ(ColorTableOf(source),
              (std::vector<std::string>{"\\red255\\green0\\blue0;", kBlackColorEntry, "\\red0\\green0\\blue255;"}));

    // Merged, the two Arials are one font; the table's own numbers find
    // their merged fonts, the first of a number that repeats winning.
    TMergedTables tables;
    tables.Fonts = {" Courier;}"};
    TStringList repeated;
    SetLines(repeated, {"{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 courier;}{\\f2\\fswiss ARIAL;}{\\f1\\fnil Symbol;}}"});
    const TSourceNumbering numbering = MergeSource(tables, repeated);
    EXPECT_EQ(tables.Fonts, (std::vector<std::string>{" Courier;}", "\\fswiss Arial;}", "\\fnil Symbol;}"}));
    EXPECT_EQ(numbering.MergedFont(0), 1);
    EXPECT_EQ(numbering.MergedFont(1), 0);
    EXPECT_EQ(numbering.MergedFont(2), 1);
    EXPECT_EQ(numbering.MergedFont(3), -1);
    EXPECT_TRUE(numbering.Colors.empty());

    TStringList spread;
    SetLines(spread, {"{\\rtf1{\\fonttbl", "{\\f0\\fswiss Arial;}}", "{\\colortbl", ";\\red0\\green0\\blue0;}"});
    EXPECT_TRUE(FontTableOf(spread).empty());
    EXPECT_TRUE(ColorTableOf(spread).empty());
}

}  // namespace
