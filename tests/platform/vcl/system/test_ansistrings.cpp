#include "vcl/system/ansistrings.h"

#include <gtest/gtest.h>

#include "win32/codepage.h"

// Restores the machine's code page after each test.
class AnsiStringsTest : public ::testing::Test {
protected:
    void TearDown() override { win32::SetACP(1252); }
};

TEST_F(AnsiStringsTest, CaseFollowsTheCodePage) {
    EXPECT_EQ(AnsiUpperCase("caf\xE9 \xFF"), "CAF\xC9 \x9F");
    EXPECT_EQ(AnsiLowerCase("CAF\xC9"), "caf\xE9");
    win32::SetACP(1251);
    EXPECT_EQ(AnsiUpperCase("\xE0\xE1"), "\xC0\xC1");
}

TEST_F(AnsiStringsTest, ComparisonsFollowTheLocale) {
    EXPECT_LT(AnsiCompareStr("a", "B"), 0);
    EXPECT_LT(AnsiCompareStr("a", "A"), 0);
    EXPECT_EQ(AnsiCompareStr("same", "same"), 0);
    EXPECT_LT(AnsiCompareText("coop", "CO-OP"), 0);
    EXPECT_EQ(AnsiCompareText("Page One", "PAGE ONE"), 0);
    EXPECT_GT(AnsiCompareText("\xE9t\xE9", "ete"), 0);

    struct Case {
        const char* a;
        const char* b;
        bool sameText, sameStr;
    };
    const Case cases[] = {
        {"Page", "PAGE", true, false},       {"Page", "Page", true, true},
        {"co-op", "coop", false, false},     {"\xC9t\xE9", "\xE9T\xC9", true, false},
        {"resume", "r\xE9sum\xE9", false, false}, {"", "", true, true},
        {"a", "a ", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AnsiSameText(c.a, c.b), c.sameText) << c.a << " / " << c.b;
        EXPECT_EQ(AnsiSameStr(c.a, c.b), c.sameStr) << c.a << " / " << c.b;
    }
}
