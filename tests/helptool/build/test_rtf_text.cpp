#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "build/RtfText.h"

namespace {

TEST(RtfText, FindsAWordIgnoringCaseAtItsFirstPlace) {
    struct Case {
        std::string_view text;
        std::string_view word;
        size_t expected;
    };
    constexpr size_t none = std::string_view::npos;
    const Case cases[] = {
        {"{\\rtf1\\ansi\\PARD x", "\\PARD", 11},
        {"\\par\\pard\\pArD", "\\PARD", 4},
        {"\\par \\pa", "\\PARD", none},
        {"\\pard", "\\PARD", 0},
        {"x\\pard", "\\PARD", 1},  // the last place it fits
        {"{\\fonttbl{\\f0 Arial;}}", "FONTTBL", 2},
        {"ffoFONTtbl", "FONTTBL", 3},   // a false start just before it
        {"{\\colortbl;}", "FONTTBL", none},
        {"COLORTB", "COLORTBL", none},  // shorter than the word
        {"", "FONTTBL", none},
        {"abc", "", none},
        {"F\xe6ONTTBL fonttbl", "FONTTBL", 9},  // bytes above 0x7F have no case here
    };
    for (const Case& c : cases) EXPECT_EQ(FindIgnoringCase(c.text, c.word), c.expected) << c.text << " / " << c.word;
}

TEST(RtfText, EscapesValuesAndReadsThemBack) {
    const std::string value = "Caf\xe9 {x} \\ a\tb";
    std::string out = "<";
    AppendRtfEscaped(value, out);
    EXPECT_EQ(out, "<Caf\\'e9 \\{x\\} \\\\ a\\'09b");
    EXPECT_EQ(RtfUnescaped(out.substr(1)), value);
    // What is not an escape stays as it is.
    EXPECT_EQ(RtfUnescaped("\\'zz \\b x\\"), "\\'zz \\b x\\");
}

}  // namespace
