#include "vcl/system/datetime.h"

#include <cmath>
#include <ctime>

#include "vcl/system/exception.h"
#include "vcl/system/rounding.h"

namespace {

constexpr int64_t kMSecsPerDay = 86400000;
constexpr int64_t kUnixDeltaMSecs = 25569 * kMSecsPerDay;

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    int64_t era = (y >= 0 ? y : y - 399) / 400;
    int64_t yoe = y - era * 400;
    int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, int& m, int& d) {
    z += 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2);
}

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// A value as whole days (toward zero) and milliseconds of the day.
struct Split {
    int64_t days;
    int64_t msecs;
};

Split SplitValue(TDateTime value) {
    int64_t total = Round(value * MSecsPerDay);
    return {total / kMSecsPerDay, (total < 0 ? -total : total) % kMSecsPerDay};
}

// Milliseconds on a continuous scale from 1899-12-30 00:00.
int64_t LinearMSecs(TDateTime value) {
    Split s = SplitValue(value);
    return s.days * kMSecsPerDay + s.msecs;
}

TDateTime FromLinearMSecs(int64_t linear) {
    int64_t days = linear / kMSecsPerDay;
    int64_t msecs = linear % kMSecsPerDay;
    if (msecs < 0) days -= 1, msecs += kMSecsPerDay;
    return ComposeDateTime(static_cast<double>(days), msecs / MSecsPerDay);
}

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

TDateTime FromTm(const std::tm& tm, int millisecond) {
    return ComposeDateTime(EncodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday),
                           EncodeTime(tm.tm_hour, tm.tm_min, tm.tm_sec > 59 ? 59 : tm.tm_sec, millisecond));
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

bool TryEncodeDate(int year, int month, int day, TDateTime& value) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return false;
    value = static_cast<double>(DaysFromCivil(year, month, day)) + UnixDateDelta;
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& value) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
        millisecond > 999)
        return false;
    value = (((hour * 60 + minute) * 60 + second) * 1000.0 + millisecond) / MSecsPerDay;
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime value = 0;
    if (!TryEncodeDate(year, month, day, value)) throw EConvertError("Invalid argument to date encode");
    return value;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
    TDateTime value = 0;
    if (!TryEncodeTime(hour, minute, second, millisecond, value)) throw EConvertError("Invalid argument to time encode");
    return value;
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
    double day = std::trunc(date);
    double fraction = std::fabs(time - std::trunc(time));
    return day < 0 ? day - fraction : day + fraction;
}

void DecodeDate(TDateTime value, uint16_t& year, uint16_t& month, uint16_t& day) {
    year = month = day = 0;
    if (!(std::fabs(value) < 3e6)) return;  // far outside years 1-9999
    int64_t y = 0;
    int m = 0, d = 0;
    CivilFromDays(SplitValue(value).days - 25569, y, m, d);
    if (y < 1 || y > 9999) return;
    year = static_cast<uint16_t>(y);
    month = static_cast<uint16_t>(m);
    day = static_cast<uint16_t>(d);
}

void DecodeTime(TDateTime value, uint16_t& hour, uint16_t& minute, uint16_t& second, uint16_t& millisecond) {
    hour = minute = second = millisecond = 0;
    if (!(std::fabs(value) < 3e6)) return;
    int64_t msecs = SplitValue(value).msecs;
    millisecond = static_cast<uint16_t>(msecs % 1000);
    second = static_cast<uint16_t>(msecs / 1000 % 60);
    minute = static_cast<uint16_t>(msecs / 60000 % 60);
    hour = static_cast<uint16_t>(msecs / 3600000);
}

int DayOfWeek(TDateTime value) {
    // Day 0 (1899-12-30) was a Saturday.
    int64_t days = SplitValue(value).days;
    return static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
}

TDateTime Now() {
    std::timespec now{};
    std::timespec_get(&now, TIME_UTC);
    std::tm local{};
    localtime_r(&now.tv_sec, &local);
    return FromTm(local, static_cast<int>(now.tv_nsec / 1000000));
}

TDateTime Date() { return std::trunc(Now()); }
TDateTime Time() { return Frac(Now()); }

int64_t DateTimeToUnix(TDateTime value) { return FloorDiv(LinearMSecs(value) - kUnixDeltaMSecs + 500, 1000); }

TDateTime UnixToDateTime(int64_t seconds) { return FromLinearMSecs(seconds * 1000 + kUnixDeltaMSecs); }

int64_t LocalDateTimeToUnix(TDateTime value) {
    uint16_t y, mo, d, h, mi, s, ms;
    DecodeDate(value, y, mo, d);
    DecodeTime(value, h, mi, s, ms);
    std::tm tm{};
    tm.tm_year = y - 1900;
    tm.tm_mon = mo - 1;
    tm.tm_mday = d;
    tm.tm_hour = h;
    tm.tm_min = mi;
    tm.tm_sec = s;
    tm.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&tm)) + (ms >= 500 ? 1 : 0);
}

TDateTime UnixToLocalDateTime(int64_t seconds) {
    std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    return FromTm(local, 0);
}

int32_t DateTimeToFileDate(TDateTime value) {
    uint16_t y, mo, d, h, mi, s, ms;
    DecodeDate(value, y, mo, d);
    if (y < 1980 || y > 2107) return 0;
    DecodeTime(value, h, mi, s, ms);
    uint32_t date = static_cast<uint32_t>((y - 1980) << 9 | mo << 5 | d);
    uint32_t time = static_cast<uint32_t>(h << 11 | mi << 5 | s / 2);
    return static_cast<int32_t>(date << 16 | time);
}

TDateTime FileDateToDateTime(int32_t fileDate) {
    auto bits = static_cast<uint32_t>(fileDate);
    uint32_t date = bits >> 16, time = bits & 0xFFFF;
    return EncodeDate(static_cast<int>((date >> 9) + 1980), static_cast<int>((date >> 5) & 15), static_cast<int>(date & 31)) +
           EncodeTime(static_cast<int>(time >> 11), static_cast<int>((time >> 5) & 63), static_cast<int>((time & 31) * 2), 0);
}
