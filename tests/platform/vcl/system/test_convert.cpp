#include "vcl/system/convert.h"

#include <gtest/gtest.h>

#include <limits>

#include "vcl/system/exception.h"

TEST(Convert, IntegersToText) {
    EXPECT_EQ(IntToStr(-5), "-5");
    EXPECT_EQ(IntToStr(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(UIntToStr(std::numeric_limits<uint64_t>::max()), "18446744073709551615");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0xABCu, 1), "ABC");
    EXPECT_EQ(IntToHex(0, 0), "0");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(int64_t{-1}, 2), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(BoolToStr(true), "-1");
    EXPECT_EQ(BoolToStr(false), "0");
    EXPECT_EQ(BoolToStr(true, true), "True");
    EXPECT_EQ(BoolToStr(false, true), "False");
}

TEST(Convert, TextToInteger) {
    struct Case {
        const char* text;
        int32_t expected;
    };
    const Case valid[] = {
        {"42", 42},      {" 42", 42},     {"-42", -42},     {"+42", 42},           {"$FF", 255},
        {"$ff", 255},    {"0x1F", 31},    {"0X1f", 31},     {"$FFFFFFFF", -1},     {"-$10", -16},
        {"007", 7},      {"2147483647", 2147483647},        {"-2147483648", std::numeric_limits<int32_t>::min()},
    };
    for (const Case& c : valid) {
        EXPECT_EQ(StrToInt(c.text), c.expected) << c.text;
        EXPECT_EQ(StrToIntDef(c.text, 99), c.expected) << c.text;
    }
    const char* invalid[] = {"", " ", "42 ", "4 2", "2147483648", "-2147483649", "$100000000", "abc",
                             "1.5", "$", "0x", "--1", "+", "1e3"};
    for (const char* text : invalid) {
        int32_t value = 5;
        EXPECT_FALSE(TryStrToInt(text, value)) << text;
        EXPECT_EQ(value, 5) << text;
        EXPECT_EQ(StrToIntDef(text, 99), 99) << text;
        EXPECT_THROW(StrToInt(text), EConvertError) << text;
    }
    try {
        StrToInt("x1");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'x1' is not a valid integer value");
    }
}

TEST(Convert, TextToInt64) {
    EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(StrToInt64("4294967296"), 4294967296LL);
    EXPECT_EQ(StrToInt64Def("9223372036854775808", 3), 3);
    EXPECT_THROW(StrToInt64("$10000000000000000"), EConvertError);
}

TEST(Convert, TextToFloat) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case valid[] = {
        {"1.5", 1.5}, {" -1.5 ", -1.5}, {"1e3", 1000}, {"1.5E-3", 0.0015}, {".5", 0.5},
        {"5.", 5},    {"+2", 2},        {"0", 0},      {"-0.25e+2", -25},
    };
    for (const Case& c : valid) EXPECT_DOUBLE_EQ(StrToFloat(c.text), c.expected) << c.text;
    const char* invalid[] = {"", " ", "1,5", "1.5.3", "e3", "1e", "abc", "1e999", "1 2", "INF", "-", "$10", "."};
    for (const char* text : invalid) {
        double value = 7;
        EXPECT_FALSE(TryStrToFloat(text, value)) << text;
        EXPECT_EQ(value, 7) << text;
        EXPECT_EQ(StrToFloatDef(text, 9), 9) << text;
    }
    try {
        StrToFloat("abc");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid floating point value");
    }
    TFormatSettings comma;
    comma.DecimalSeparator = ',';
    EXPECT_DOUBLE_EQ(StrToFloat("1,5", comma), 1.5);
    EXPECT_THROW(StrToFloat("1.5", comma), EConvertError);
}
