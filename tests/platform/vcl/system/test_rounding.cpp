#include "vcl/system/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "vcl/system/exception.h"

TEST(Rounding, RoundTakesHalvesToTheEvenNeighbour) {
    struct Case {
        double value;
        int64_t expected;
    };
    const Case cases[] = {
        {2.5, 2},   {3.5, 4},     {-2.5, -2},       {-3.5, -4},     {0.5, 0},
        {1.5, 2},   {-0.5, 0},    {2.4999999, 2},   {2.5000001, 3}, {-0.4, 0},
        {-0.6, -1}, {0.0, 0},     {1e15 + 0.5, 1000000000000000}, {9.2e18, 9200000000000000000},
    };
    for (const Case& c : cases) EXPECT_EQ(Round(c.value), c.expected) << c.value;
}

TEST(Rounding, TruncAndFracGoTowardZero) {
    EXPECT_EQ(Trunc(2.7), 2);
    EXPECT_EQ(Trunc(-2.7), -2);
    EXPECT_DOUBLE_EQ(Frac(-2.75), -0.75);
    EXPECT_DOUBLE_EQ(Frac(2.75), 0.75);
}

TEST(Rounding, ValuesWithoutAnIntegerRaiseInvalidOp) {
    const double bad[] = {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                          1e19, -1e19};
    for (double value : bad) {
        EXPECT_THROW(Round(value), EInvalidOp) << value;
        EXPECT_THROW(Trunc(value), EInvalidOp) << value;
    }
}

TEST(Rounding, PercentageIsExactWithHalvesToEven) {
    struct Case {
        int64_t part, whole;
        int32_t expected;
    };
    const Case cases[] = {
        {0, 0, 0},    {5, 0, 0},      {1, 8, 12},    {3, 8, 38},     {1, 2, 50},    {1, 3, 33},
        {2, 3, 67},   {7, 200, 4},    {1, 200, 0},   {3, 200, 2},    {50, 50, 100}, {-1, 8, -12},
        {1, -8, -12}, {-3, 8, -38},   {200, 1, 20000},
        {4294967296LL, 4294967296LL * 2, 50},
        {std::numeric_limits<int64_t>::max(), 1, std::numeric_limits<int32_t>::max()},
        {std::numeric_limits<int64_t>::min(), 1, std::numeric_limits<int32_t>::min()},
    };
    for (const Case& c : cases) EXPECT_EQ(Percentage(c.part, c.whole), c.expected) << c.part << "/" << c.whole;
}
