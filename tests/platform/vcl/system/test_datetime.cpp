#include "vcl/system/datetime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "vcl/system/exception.h"

namespace {

struct Parts {
    int year, month, day, hour, minute, second, msec;
};

Parts Decode(TDateTime value) {
    uint16_t y, mo, d, h, mi, s, ms;
    DecodeDate(value, y, mo, d);
    DecodeTime(value, h, mi, s, ms);
    return {y, mo, d, h, mi, s, ms};
}

void ExpectParts(TDateTime value, Parts expected) {
    Parts p = Decode(value);
    EXPECT_EQ(p.year, expected.year) << value;
    EXPECT_EQ(p.month, expected.month) << value;
    EXPECT_EQ(p.day, expected.day) << value;
    EXPECT_EQ(p.hour, expected.hour) << value;
    EXPECT_EQ(p.minute, expected.minute) << value;
    EXPECT_EQ(p.second, expected.second) << value;
    EXPECT_EQ(p.msec, expected.msec) << value;
}

}  // namespace

TEST(DateTime, EncodeDateCountsDaysFrom1899) {
    struct Case {
        int year, month, day;
        double expected;
    };
    const Case cases[] = {
        {1899, 12, 30, 0},  {1899, 12, 31, 1},     {1900, 1, 1, 2},     {1899, 12, 29, -1},
        {1970, 1, 1, 25569}, {2000, 2, 29, 36585}, {1, 1, 1, -693593},  {9999, 12, 31, 2958465},
        {1980, 1, 1, 29221},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.expected) << c.year << "-" << c.month << "-" << c.day;
        ExpectParts(c.expected, {c.year, c.month, c.day, 0, 0, 0, 0});
    }
}

TEST(DateTime, EveryDayRoundTripsAcrossLeapYears) {
    for (int year : {1600, 1700, 1899, 1900, 1999, 2000, 2004, 2100, 2107}) {
        int days = 0;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                TDateTime value = 0;
                if (!TryEncodeDate(year, month, day, value)) continue;
                ++days;
                ExpectParts(value, {year, month, day, 0, 0, 0, 0});
            }
        }
        EXPECT_EQ(days, IsLeapYear(year) ? 366 : 365) << year;
    }
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2023));
}

TEST(DateTime, InvalidArgumentsRaise) {
    const int dates[][3] = {{0, 1, 1}, {10000, 1, 1}, {2001, 2, 29}, {1900, 2, 29}, {2000, 13, 1},
                            {2000, 0, 1}, {2000, 4, 31}, {2000, 1, 0}};
    for (const auto& d : dates) {
        TDateTime value = 7;
        EXPECT_FALSE(TryEncodeDate(d[0], d[1], d[2], value));
        EXPECT_EQ(value, 7);
        try {
            EncodeDate(d[0], d[1], d[2]);
            ADD_FAILURE() << d[0] << "-" << d[1] << "-" << d[2];
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to date encode");
        }
    }
    const int times[][4] = {{24, 0, 0, 0}, {-1, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}};
    for (const auto& t : times) {
        try {
            EncodeTime(t[0], t[1], t[2], t[3]);
            ADD_FAILURE() << t[0] << ":" << t[1] << ":" << t[2] << "." << t[3];
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to time encode");
        }
    }
}

TEST(DateTime, TimesAndNegativeValues) {
    EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    ExpectParts(EncodeDate(2004, 2, 29) + EncodeTime(23, 59, 59, 999), {2004, 2, 29, 23, 59, 59, 999});
    // Before 1899-12-30 the fraction is still the time of the day.
    ExpectParts(-1.25, {1899, 12, 29, 6, 0, 0, 0});
    ExpectParts(-0.25, {1899, 12, 30, 6, 0, 0, 0});
    EXPECT_DOUBLE_EQ(ComposeDateTime(EncodeDate(1899, 12, 29), EncodeTime(6, 0, 0, 0)), -1.25);
    EXPECT_DOUBLE_EQ(ComposeDateTime(EncodeDate(1900, 1, 1), EncodeTime(18, 0, 0, 0)), 2.75);
    // Rounding to the millisecond carries into the next day.
    ExpectParts(1.0 - 1e-12, {1899, 12, 31, 0, 0, 0, 0});
    ExpectParts(1e300, {0, 0, 0, 0, 0, 0, 0});
}

TEST(DateTime, DayOfWeekStartsOnSunday) {
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);  // a Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 29)), 6);
    EXPECT_EQ(DayOfWeek(EncodeDate(2000, 1, 2)), 1);
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 2, 29) + 0.9), 5);
    EXPECT_EQ(DayOfWeek(EncodeDate(1800, 1, 1)), 4);  // a Wednesday
}

TEST(DateTime, UnixTimeIsUtcSeconds) {
    struct Case {
        int64_t unix;
        Parts parts;
    };
    const Case cases[] = {
        {0, {1970, 1, 1, 0, 0, 0, 0}},
        {951782400, {2000, 2, 29, 0, 0, 0, 0}},
        {-2209161600, {1899, 12, 30, 0, 0, 0, 0}},
        {-2209140000, {1899, 12, 30, 6, 0, 0, 0}},
        {-2209226400, {1899, 12, 29, 6, 0, 0, 0}},
        {-62135596800, {1, 1, 1, 0, 0, 0, 0}},
        {4102444799, {2099, 12, 31, 23, 59, 59, 0}},
    };
    for (const Case& c : cases) {
        TDateTime value = UnixToDateTime(c.unix);
        ExpectParts(value, c.parts);
        EXPECT_EQ(DateTimeToUnix(value), c.unix);
    }
    EXPECT_DOUBLE_EQ(UnixToDateTime(-2209226400), -1.25);
    EXPECT_EQ(DateTimeToUnix(UnixDateDelta + EncodeTime(0, 0, 1, 600)), 2);  // nearest second
}

TEST(DateTime, LocalUnixTimeUsesTheHostZone) {
    const char* old = std::getenv("TZ");
    std::string saved = old ? old : "";
    setenv("TZ", "EST5", 1);
    tzset();
    ExpectParts(UnixToLocalDateTime(0), {1969, 12, 31, 19, 0, 0, 0});
    EXPECT_EQ(LocalDateTimeToUnix(EncodeDate(1969, 12, 31) + EncodeTime(19, 0, 0, 0)), 0);
    if (old) setenv("TZ", saved.c_str(), 1);
    else unsetenv("TZ");
    tzset();
}

TEST(DateTime, DosFileDates) {
    struct Case {
        Parts parts;
        int32_t fileDate;
    };
    const Case cases[] = {
        {{1980, 1, 1, 0, 0, 0, 0}, 0x00210000},
        {{2107, 12, 31, 23, 59, 58, 0}, static_cast<int32_t>(0xFF9FBF7Du)},
        {{2004, 2, 29, 13, 45, 30, 0}, static_cast<int32_t>((24u << 25) | (2u << 21) | (29u << 16) | (13u << 11) | (45u << 5) | 15u)},
    };
    for (const Case& c : cases) {
        const Parts& p = c.parts;
        TDateTime value = EncodeDate(p.year, p.month, p.day) + EncodeTime(p.hour, p.minute, p.second, p.msec);
        EXPECT_EQ(DateTimeToFileDate(value), c.fileDate) << p.year;
        ExpectParts(FileDateToDateTime(c.fileDate), p);
    }
    // Odd seconds are dropped; dates outside the DOS range give 0.
    EXPECT_EQ(DateTimeToFileDate(EncodeDate(1980, 1, 1) + EncodeTime(0, 0, 59, 0)), 0x0021001D);
    EXPECT_EQ(DateTimeToFileDate(EncodeDate(1979, 12, 31)), 0);
    EXPECT_EQ(DateTimeToFileDate(EncodeDate(2108, 1, 1)), 0);
    EXPECT_EQ(DateTimeToFileDate(-1.25), 0);
    EXPECT_THROW(FileDateToDateTime(0), EConvertError);             // month 0
    EXPECT_THROW(FileDateToDateTime(0x0021001E), EConvertError);    // 60 seconds
    ExpectParts(FileDateToDateTime(0x005D0000), {1980, 2, 29, 0, 0, 0, 0});
    EXPECT_THROW(FileDateToDateTime(0x005E0000), EConvertError);    // 1980-02-30
}

TEST(DateTime, NowIsTheHostClock) {
    TDateTime before = UnixToLocalDateTime(std::time(nullptr));
    TDateTime now = Now();
    EXPECT_GE(now, before);
    EXPECT_LT(now - before, 2.0 / SecsPerDay);
    EXPECT_EQ(Date(), std::trunc(Date()));
    EXPECT_GE(Time(), 0);
    EXPECT_LT(Time(), 1);
}
