#include "vcl/system/date_text.h"

#include <gtest/gtest.h>

#include "vcl/system/exception.h"

namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return ComposeDateTime(EncodeDate(y, mo, d), EncodeTime(h, mi, s, ms));
}

int CurrentYear() {
    uint16_t y, m, d;
    DecodeDate(Now(), y, m, d);
    return y;
}

}  // namespace

TEST(DateText, DefaultTextsAreUsEnglish) {
    EXPECT_EQ(DateToStr(At(2004, 2, 9)), "2/9/2004");
    EXPECT_EQ(TimeToStr(At(2004, 2, 9, 13, 5, 7)), "1:05:07 PM");
    EXPECT_EQ(TimeToStr(At(2004, 2, 9, 0, 0, 0)), "12:00:00 AM");
    EXPECT_EQ(DateTimeToStr(At(2004, 2, 9, 9, 30)), "2/9/2004 9:30:00 AM");
    EXPECT_EQ(DateTimeToStr(At(2004, 2, 9)), "2/9/2004");  // no time at midnight
    EXPECT_EQ(DateTimeToStr(-1.25), "12/29/1899 6:00:00 AM");
    EXPECT_EQ(DateTimeToStr(0), "12/30/1899");
}

TEST(DateText, FormatDateTimeSpecifiers) {
    TDateTime value = At(2004, 2, 9, 13, 5, 7, 45);  // a Monday
    struct Case {
        const char* format;
        const char* expected;
    };
    const Case cases[] = {
        {"d dd ddd dddd", "9 09 Mon Monday"},
        {"m mm mmm mmmm", "2 02 Feb February"},
        {"yy yyyy", "04 2004"},
        {"h:n:s.z", "13:5:7.45"},
        {"hh:nn:ss.zzz", "13:05:07.045"},
        {"hh:mm", "13:05"},                  // m after h is the minute
        {"h mm", "13 05"},
        {"mm/dd/yy", "02/09/04"},
        {"yyyy-mm-dd hh:nn", "2004-02-09 13:05"},
        {"h:nn am/pm", "1:05 pm"},
        {"h:nn AM/PM", "1:05 PM"},
        {"h:nn a/p", "1:05 p"},
        {"h:nn ampm", "1:05 PM"},
        {"ddddd", "2/9/2004"},
        {"dddddd", "Monday, February 9, 2004"},
        {"t|tt", "1:05 PM|1:05:07 PM"},
        {"c", "2/9/2004 1:05:07 PM"},
        {"\"day\" d 'of' mmmm", "day 9 of February"},
        {"DD.MM.YYYY", "09.02.2004"},
        {"[x]", "[x]"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatDateTime(c.format, value), c.expected) << c.format;

    TFormatSettings german;
    german.DateSeparator = '.';
    german.TimeSeparator = '.';
    german.ShortDateFormat = "dd/mm/yyyy";
    german.LongTimeFormat = "hh:nn:ss";
    EXPECT_EQ(DateTimeToStr(value, german), "09.02.2004 13.05.07");
}

TEST(DateText, ParsingRoundTrips) {
    EXPECT_EQ(StrToDate("2/9/2004"), At(2004, 2, 9));
    EXPECT_EQ(StrToDate(" 02/09/2004 "), At(2004, 2, 9));
    EXPECT_EQ(StrToDate("12/30/1899"), 0);
    EXPECT_EQ(StrToDate("2/29/2000"), At(2000, 2, 29));
    EXPECT_EQ(StrToDate("3/4"), At(CurrentYear(), 3, 4));
    EXPECT_DOUBLE_EQ(StrToTime("1:05:07 PM"), EncodeTime(13, 5, 7, 0));
    EXPECT_DOUBLE_EQ(StrToTime("12:00 AM"), 0);
    EXPECT_DOUBLE_EQ(StrToTime("12:30 pm"), EncodeTime(12, 30, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime("7 P"), EncodeTime(19, 0, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime("23:59:59.999"), EncodeTime(23, 59, 59, 999));
    EXPECT_DOUBLE_EQ(StrToDateTime("2/9/2004 1:05:07 PM"), At(2004, 2, 9, 13, 5, 7));
    EXPECT_DOUBLE_EQ(StrToDateTime("12/29/1899 6:00"), -1.25);
    EXPECT_EQ(StrToDateTime("2/9/2004"), At(2004, 2, 9));

    for (TDateTime value : {At(2004, 2, 9, 13, 5, 7), At(1980, 1, 1), At(2107, 12, 31, 23, 59, 59), -1.25})
        EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(value)), value) << DateTimeToStr(value);

    TFormatSettings iso;
    iso.ShortDateFormat = "yyyy-mm-dd";
    iso.DateSeparator = '-';
    EXPECT_EQ(StrToDate("2004-02-09", iso), At(2004, 2, 9));
    TFormatSettings british;
    british.ShortDateFormat = "dd/mm/yyyy";
    EXPECT_EQ(StrToDate("9/2/2004", british), At(2004, 2, 9));
}

TEST(DateText, TwoDigitYearsUseTheCenturyWindow) {
    TFormatSettings settings;
    int current = CurrentYear();
    int threshold = current - settings.TwoDigitYearCenturyWindow;
    for (int yy : {0, 30, 49, 50, 99}) {
        uint16_t y, m, d;
        DecodeDate(StrToDate("1/1/" + std::to_string(yy), settings), y, m, d);
        EXPECT_GE(y, threshold) << yy;
        EXPECT_LT(y, threshold + 100) << yy;
        EXPECT_EQ(y % 100, yy);
    }
    uint16_t y, m, d;
    DecodeDate(StrToDate("1/1/0099"), y, m, d);  // four digits are taken as written
    EXPECT_EQ(y, 99);
}

TEST(DateText, BadTextsRaise) {
    const char* dates[] = {"", "2004", "2/30/2004", "13/1/2004", "2/9/2004x", "a/b/c", "2//2004", "2/9/12345"};
    for (const char* text : dates) {
        TDateTime value = 5;
        EXPECT_FALSE(TryStrToDate(text, value)) << text;
        EXPECT_EQ(value, 5);
        EXPECT_THROW(StrToDate(text), EConvertError) << text;
    }
    const char* times[] = {"", "25:00", "10", "13:00 PM", "0:00 AM", "1:60", "1:00:61", "1:00 XM"};
    for (const char* text : times) EXPECT_THROW(StrToTime(text), EConvertError) << text;
    try {
        StrToDate("2/30/2004");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'2/30/2004' is not a valid date");
    }
    try {
        StrToTime("25:00");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'25:00' is not a valid time");
    }
    try {
        StrToDateTime("2/9/2004 25:00");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'2/9/2004 25:00' is not a valid date and time");
    }
}
