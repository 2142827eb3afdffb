#pragma once
// The locale settings of the class library's formatting and parsing
// functions: separators, currency, date and time formats and names.
//
// The defaults are those of the English (United States) locale:
// decimal ".", thousands ",", currency "$" before the amount, negative
// amounts in parentheses, short date "m/d/yyyy", long date
// "dddd, mmmm d, yyyy", short time "h:nn AMPM", long time "h:nn:ss AMPM".
// Every function that formats or parses reads the process-wide
// `FormatSettings` unless it is given settings of its own.

#include <array>
#include <string>

struct TFormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    std::string CurrencyString = "$";
    // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    int CurrencyFormat = 0;
    // 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$", 6 "1-$",
    // 7 "1$-", 8 "-1 $", 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1",
    // 13 "1- $", 14 "($ 1)", 15 "(1 $)".
    int NegCurrFormat = 0;
    int CurrencyDecimals = 2;

    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "m/d/yyyy";
    std::string LongDateFormat = "dddd, mmmm d, yyyy";
    std::string ShortTimeFormat = "h:nn AMPM";
    std::string LongTimeFormat = "h:nn:ss AMPM";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::array<std::string, 12> ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                                                  "July",    "August",   "September", "October", "November", "December"};
    // Sunday first, as DayOfWeek counts.
    std::array<std::string, 7> ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    // Two-digit years fall within this many years before the current year
    // and the years after it up to a century; 0 puts them in the current
    // century.
    int TwoDigitYearCenturyWindow = 50;
};

// The process-wide settings; tests and the machine may change them.
extern TFormatSettings FormatSettings;
