#pragma once
// TDateTime: days since 30 December 1899 in the whole part, the time of day
// (local time) in the fraction.
//
// Before 1899-12-30 the value is negative, and its whole part and fraction
// count separately: -1.25 is 29 December 1899, 06:00 (the day -1, then a
// quarter day), not a quarter day before it. Decoding rounds to the
// millisecond first, so 0.99999999999 is the next midnight.

#include <cstdint>

using TDateTime = double;

constexpr double HoursPerDay = 24;
constexpr double SecsPerDay = 86400;
constexpr double MSecsPerDay = 86400000;
// The TDateTime of 1 January 1970.
constexpr double UnixDateDelta = 25569;

// Years 1-9999. Invalid arguments raise EConvertError "Invalid argument to
// date encode" / "Invalid argument to time encode"; the Try forms answer
// false instead and leave `value` alone.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
bool TryEncodeDate(int year, int month, int day, TDateTime& value);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& value);
// A date (whole part) and a time (fraction) as one value, negative dates
// included.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

// Parts of a value; a value outside years 1-9999 decodes to zeros.
void DecodeDate(TDateTime value, uint16_t& year, uint16_t& month, uint16_t& day);
void DecodeTime(TDateTime value, uint16_t& hour, uint16_t& minute, uint16_t& second, uint16_t& millisecond);

bool IsLeapYear(int year);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime value);

// The host's local date and time, to the millisecond; Date has no time
// part, Time no date part.
TDateTime Now();
TDateTime Date();
TDateTime Time();

// Seconds since 1970-01-01 00:00 UTC, reading the date-time as UTC (no
// time zone applied), rounded to the nearest second.
int64_t DateTimeToUnix(TDateTime value);
TDateTime UnixToDateTime(int64_t seconds);
// The same through the host's local time zone.
int64_t LocalDateTimeToUnix(TDateTime value);
TDateTime UnixToLocalDateTime(int64_t seconds);

// The DOS date-time of a file: the date word (years since 1980 << 9,
// month << 5, day) in the upper 16 bits, the time word (hour << 11,
// minute << 5, second / 2) in the lower. DateTimeToFileDate gives 0
// outside 1980-2107 and drops odd seconds; FileDateToDateTime raises
// EConvertError for a date-time that cannot exist (month 0 included).
int32_t DateTimeToFileDate(TDateTime value);
TDateTime FileDateToDateTime(int32_t fileDate);
