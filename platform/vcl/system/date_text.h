#pragma once
// Dates and times as text, by the format settings (US defaults:
// "m/d/yyyy" and "h:nn:ss AMPM", see format_settings.h).
//
// FormatDateTime specifiers (letters in any case):
//   c        short date, then a blank and the long time unless the time is
//            midnight
//   d dd     day without / with a leading zero; ddd dddd short / long day
//            name; ddddd short date; dddddd long date
//   m mm     month without / with a leading zero, or the minute right after
//            an h or hh; mmm mmmm short / long month name
//   yy yyyy  two-digit / four-digit year
//   h hh     hour (of 12 when an am/pm specifier is present), n nn minute,
//            s ss second, z zzz millisecond
//   t tt     short / long time
//   am/pm a/p  "am"/"pm" or "a"/"p" in the case written; ampm the
//            settings' TimeAMString / TimePMString
//   / :      the date and time separators
//   "x" 'x'  literal text; any other character stands for itself
//
// Parsing: a date is two or three numbers separated by the date separator
// in the order of the short date format (a missing year is the current
// year; a year of one or two digits lies in the century window); a time is
// hour and minute, optional seconds and milliseconds ("h:nn[:ss[.zzz]]"),
// and an optional AM/PM marker (the settings' strings, "AM", "PM", "A" or
// "P"); the hour alone is enough with a marker. Blanks around the parts are
// allowed. Bad texts raise EConvertError "'<text>' is not a valid date",
// "... valid time" or "... valid date and time".

#include <string>
#include <string_view>

#include "vcl/system/datetime.h"
#include "vcl/system/format_settings.h"

std::string FormatDateTime(std::string_view format, TDateTime value, const TFormatSettings& settings = FormatSettings);
// Short date; long time; "c".
std::string DateToStr(TDateTime value, const TFormatSettings& settings = FormatSettings);
std::string TimeToStr(TDateTime value, const TFormatSettings& settings = FormatSettings);
std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings = FormatSettings);

TDateTime StrToDate(std::string_view text, const TFormatSettings& settings = FormatSettings);
TDateTime StrToTime(std::string_view text, const TFormatSettings& settings = FormatSettings);
TDateTime StrToDateTime(std::string_view text, const TFormatSettings& settings = FormatSettings);
bool TryStrToDate(std::string_view text, TDateTime& value, const TFormatSettings& settings = FormatSettings);
bool TryStrToTime(std::string_view text, TDateTime& value, const TFormatSettings& settings = FormatSettings);
bool TryStrToDateTime(std::string_view text, TDateTime& value, const TFormatSettings& settings = FormatSettings);
