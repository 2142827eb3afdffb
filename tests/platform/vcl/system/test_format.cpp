#include "vcl/system/format.h"

#include <gtest/gtest.h>

#include <limits>

#include "vcl/system/exception.h"

namespace {

struct Case {
    const char* format;
    std::vector<TVarRec> args;
    std::string expected;
};

}  // namespace

TEST(Format, Specifiers) {
    const Case cases[] = {
        {"%s has %d pages", {"Help", 12}, "Help has 12 pages"},
        {"%d", {std::numeric_limits<int32_t>::min()}, "-2147483648"},
        {"%d", {int64_t{1} << 40}, "1099511627776"},
        {"%d", {std::numeric_limits<uint64_t>::max()}, "18446744073709551615"},
        {"%.4d", {-42}, "-0042"},
        {"%u", {-1}, "4294967295"},
        {"%u", {int64_t{-1}}, "18446744073709551615"},
        {"%u", {7u}, "7"},
        {"%x", {255}, "FF"},
        {"%X", {255}, "FF"},
        {"%.4x", {255}, "00FF"},
        {"%x", {-1}, "FFFFFFFF"},
        {"%x", {int64_t{-1}}, "FFFFFFFFFFFFFFFF"},
        {"%s", {std::string("abc")}, "abc"},
        {"%.2s", {"abc"}, "ab"},
        {"%s", {'c'}, "c"},
        {"%s", {std::string_view("view")}, "view"},
        {"%S %D", {"a", 1}, "a 1"},
        {"%f", {1.0}, "1.00"},
        {"%.3f", {3.14159}, "3.142"},
        {"%.0f", {2.5}, "3"},
        {"%.f", {2.4}, "2"},
        {"%f", {-1234567.125}, "-1234567.13"},
        {"%e", {1.0}, "1.00000000000000E+000"},
        {"%.3e", {12345.0}, "1.23E+004"},
        {"%E", {-0.5}, "-5.00000000000000E-001"},
        {"%g", {0.5}, "0.5"},
        {"%g", {1e20}, "1E020"},
        {"%.3g", {1234.5}, "1.23E003"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%.0n", {1234.5}, "1,235"},
        {"%m", {1234.5}, "$1,234.50"},
        {"%m", {-5.0}, "($5.00)"},
        {"%p", {reinterpret_cast<const void*>(0x1234)}, "00001234"},
        {"%%", {}, "%"},
        {"100%% of %d%%", {50}, "100% of 50%"},
        {"%d", {1, 2}, "1"},
        {"", {}, ""},
        {"plain", {}, "plain"},
    };
    for (const Case& c : cases) EXPECT_EQ(Format(c.format, c.args), c.expected) << c.format;
}

TEST(Format, WidthPrecisionIndexAndStar) {
    const Case cases[] = {
        {"[%5d]", {42}, "[   42]"},
        {"[%-5d]", {42}, "[42   ]"},
        {"[%5s]", {"ab"}, "[   ab]"},
        {"[%-5s]", {"ab"}, "[ab   ]"},
        {"[%2s]", {"abcd"}, "[abcd]"},
        {"[%8.2f]", {3.14159}, "[    3.14]"},
        {"[%-8.3d]", {7}, "[007     ]"},
        {"%1:s %0:s", {"a", "b"}, "b a"},
        {"%1:s %s", {"a", "b", "c"}, "b c"},
        {"%0:s-%0:s", {"x"}, "x-x"},
        {"[%*d]", {5, 42}, "[   42]"},
        {"[%-*d]", {5, 42}, "[42   ]"},
        {"[%*d]", {-5, 42}, "[42   ]"},
        {"%.*f", {1, 2.25}, "2.3"},
        {"[%*.*f]", {8, 2, 3.14159}, "[    3.14]"},
        {"%.*s", {-1, "abc"}, "abc"},
        {"%*:s", {1, "a", "b"}, "a"},
    };
    for (const Case& c : cases) EXPECT_EQ(Format(c.format, c.args), c.expected) << c.format;
}

TEST(Format, InvalidOrIncompatibleSpecifiersRaise) {
    const Case cases[] = {
        {"%d", {}, ""},         {"%d", {"x"}, ""},   {"%s", {1}, ""},      {"%f", {1}, ""},
        {"%d", {1.5}, ""},      {"%q", {1}, ""},     {"%", {}, ""},        {"abc %", {1}, ""},
        {"%5", {1}, ""},        {"%*d", {"x", 1}, ""}, {"%p", {1}, ""},    {"%2:d", {1}, ""},
        {"%x", {2.0}, ""},      {"%.*f", {1.5, 2.0}, ""}, {"%99999999999d", {1}, ""},
    };
    for (const Case& c : cases) EXPECT_THROW(Format(c.format, c.args), EConvertError) << c.format;
    try {
        Format("Page %d of %s", {"one", 2});
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Format 'Page %d of %s' invalid or incompatible with argument");
    }
}

TEST(Format, SettingsGiveTheSeparators) {
    TFormatSettings german;
    german.DecimalSeparator = ',';
    german.ThousandSeparator = '.';
    EXPECT_EQ(Format("%n|%.1f|%g", {1234.5, 2.25, 0.5}, german), "1.234,50|2,3|0,5");
    EXPECT_EQ(Format("%s", {"default"}), "default");
}
