#include "vcl/system/strutils.h"

#include <gtest/gtest.h>

TEST(StrUtils, TrimRemovesBlanksAndControlCharacters) {
    EXPECT_EQ(Trim(" \t\r\nab c\x01 "), "ab c");
    EXPECT_EQ(TrimLeft("  ab  "), "ab  ");
    EXPECT_EQ(TrimRight("  ab  "), "  ab");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");  // bytes above 0x80 are not blanks
}

TEST(StrUtils, AsciiCaseAndComparison) {
    EXPECT_EQ(UpperCase("abc\xE9z"), "ABC\xE9Z");
    EXPECT_EQ(LowerCase("ABC\xC9Z"), "abc\xC9z");
    EXPECT_LT(CompareStr("B", "a"), 0);  // byte order
    EXPECT_GT(CompareStr("ab", "a"), 0);
    EXPECT_EQ(CompareStr("", ""), 0);
    EXPECT_GT(CompareStr("\xE9", "z"), 0);
    EXPECT_EQ(CompareText("Hello", "hELLO"), 0);
    EXPECT_LT(CompareText("a", "B"), 0);
    EXPECT_TRUE(SameText("README.TXT", "readme.txt"));
    EXPECT_FALSE(SameText("\xE9", "\xC9"));  // ASCII only
}

TEST(StrUtils, PositionsAreOneBased) {
    EXPECT_EQ(Pos("b", "abcb"), 2);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Pos("abcd", "abc"), 0);

    struct CopyCase {
        int index, count;
        const char* expected;
    };
    const CopyCase copies[] = {{1, 2, "ab"}, {2, 100, "bcde"}, {0, 2, "ab"}, {-5, 1, "a"},
                               {5, 1, "e"},  {6, 1, ""},       {2, 0, ""},   {2, -1, ""}};
    for (const CopyCase& c : copies) EXPECT_EQ(Copy("abcde", c.index, c.count), c.expected) << c.index << "," << c.count;

    std::string text = "abcde";
    Delete(text, 2, 2);
    EXPECT_EQ(text, "ade");
    Delete(text, 3, 10);
    EXPECT_EQ(text, "ad");
    Delete(text, 0, 1);
    Delete(text, 5, 1);
    EXPECT_EQ(text, "ad");
    Insert("XY", text, 2);
    EXPECT_EQ(text, "aXYd");
    Insert("<", text, 0);
    Insert(">", text, 100);
    EXPECT_EQ(text, "<aXYd>");

    EXPECT_EQ(LastDelimiter("\\:", "C:\\a\\b"), 5);
    EXPECT_EQ(LastDelimiter(".", "abc"), 0);
}

TEST(StrUtils, StringReplace) {
    struct Case {
        const char* text;
        const char* from;
        const char* to;
        TReplaceFlags flags;
        const char* expected;
    };
    const Case cases[] = {
        {"a-b-c", "-", "+", 0, "a+b-c"},
        {"a-b-c", "-", "+", rfReplaceAll, "a+b+c"},
        {"Abc abc ABC", "abc", "x", rfReplaceAll, "Abc x ABC"},
        {"Abc abc ABC", "abc", "x", rfReplaceAll | rfIgnoreCase, "x x x"},
        {"Caf\xC9 caf\xE9", "caf\xE9", "tea", rfReplaceAll | rfIgnoreCase, "tea tea"},
        {"aaa", "a", "aa", rfReplaceAll, "aaaaaa"},  // replaced text is not searched again
        {"abc", "", "x", rfReplaceAll, "abc"},
        {"abc", "abc", "", 0, ""},
        {"", "a", "b", rfReplaceAll, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(StringReplace(c.text, c.from, c.to, c.flags), c.expected) << c.text;
}

TEST(StrUtils, QuotingAndRepeats) {
    EXPECT_EQ(StringOfChar('-', 3), "---");
    EXPECT_EQ(StringOfChar('-', 0), "");
    EXPECT_EQ(StringOfChar('-', -2), "");
    EXPECT_EQ(QuotedStr("O'Neil"), "'O''Neil'");
    EXPECT_EQ(QuotedStr(""), "''");
    EXPECT_EQ(AnsiQuotedStr("say \"hi\"", '"'), "\"say \"\"hi\"\"\"");

    struct Case {
        const char* text;
        const char* expected;
    };
    const Case dequoted[] = {
        {"\"say \"\"hi\"\"\"", "say \"hi\""},
        {"\"abc\" rest", "abc"},
        {"\"unterminated", "unterminated"},
        {"plain", "plain"},
        {"\"\"", ""},  // an empty quoted text is empty, not the quotes
        {"", ""},
    };
    for (const Case& c : dequoted) EXPECT_EQ(AnsiDequotedStr(c.text, '"'), c.expected) << c.text;
}
