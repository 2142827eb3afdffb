#include "vcl/system/float_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(FloatText, FloatToStrUsesFifteenDigitsGeneralFormat) {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.0, "1"},
        {-1.5, "-1.5"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {100.0, "100"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {999999999999999.9, "1E15"},
        {1e20, "1E20"},
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {1.5e-7, "1.5E-7"},
        {-1e-300, "-1E-300"},
        {std::nan(""), "NAN"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
    };
    for (const Case& c : cases) EXPECT_EQ(FloatToStr(c.value), c.expected) << c.value;
}

TEST(FloatText, FloatToStrFFormats) {
    struct Case {
        double value;
        TFloatFormat format;
        int precision, digits;
        const char* expected;
    };
    const Case cases[] = {
        {1234.5678, ffFixed, 15, 2, "1234.57"},
        {1234.5678, ffNumber, 15, 2, "1,234.57"},
        {1234567.891, ffNumber, 15, 0, "1,234,568"},
        {-1234567.891, ffNumber, 15, 1, "-1,234,567.9"},
        {123.0, ffNumber, 15, 0, "123"},
        {1234.5, ffCurrency, 15, 2, "$1,234.50"},
        {-1234.5, ffCurrency, 15, 2, "($1,234.50)"},
        {2.5, ffFixed, 15, 0, "3"},           // halves away from zero
        {-2.5, ffFixed, 15, 0, "-3"},
        {0.5, ffFixed, 15, 0, "1"},
        {0.125, ffFixed, 15, 2, "0.13"},
        {2.675, ffFixed, 15, 2, "2.67"},      // the double lies below the half
        {99.5, ffFixed, 15, 0, "100"},
        {0.006, ffFixed, 15, 2, "0.01"},
        {0.004, ffFixed, 15, 2, "0.00"},
        {-0.001, ffFixed, 15, 2, "0.00"},     // no minus for a zero
        {1.23456, ffFixed, 3, 4, "1.2300"},   // precision limits the digits
        {1e20, ffFixed, 15, 2, "1E20"},       // too many integer digits
        {12345.678, ffExponent, 4, 2, "1.235E+04"},
        {0.0, ffExponent, 15, 3, "0.00000000000000E+000"},
        {-0.000123, ffExponent, 3, 0, "-1.23E-4"},
        {9.99, ffExponent, 2, 1, "1.0E+1"},
        {1234.5, ffGeneral, 3, 0, "1.23E3"},
        {1234.5, ffGeneral, 4, 0, "1235"},
        {1e20, ffGeneral, 15, 3, "1E020"},
        {0.5, ffGeneral, 15, 0, "0.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.expected)
            << c.value << " format " << c.format << " " << c.precision << "," << c.digits;
}

TEST(FloatText, SettingsChooseSeparatorsAndCurrency) {
    TFormatSettings german;
    german.DecimalSeparator = ',';
    german.ThousandSeparator = '.';
    german.CurrencyString = "EUR";
    german.CurrencyFormat = 3;
    german.NegCurrFormat = 8;
    EXPECT_EQ(FloatToStrF(1234.5, ffNumber, 15, 2, german), "1.234,50");
    EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2, german), "1.234,50 EUR");
    EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 2, german), "-1.234,50 EUR");
    EXPECT_EQ(FloatToStr(0.25, german), "0,25");
}
