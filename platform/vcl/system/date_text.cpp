#include "vcl/system/date_text.h"

#include <cctype>
#include <cmath>

#include "vcl/system/exception.h"

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool StartsWithNoCase(std::string_view text, size_t at, std::string_view prefix) {
    if (prefix.empty() || text.size() - at < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (Lower(text[at + i]) != Lower(prefix[i])) return false;
    return true;
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

bool HasAmPm(std::string_view format) {
    char quote = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (quote) {
            if (format[i] == quote) quote = 0;
        } else if (format[i] == '"' || format[i] == '\'') {
            quote = format[i];
        } else if (StartsWithNoCase(format, i, "am/pm") || StartsWithNoCase(format, i, "a/p") ||
                   StartsWithNoCase(format, i, "ampm")) {
            return true;
        }
    }
    return false;
}

class DateFormatter {
public:
    DateFormatter(TDateTime value, const TFormatSettings& settings) : settings_(settings) {
        DecodeDate(value, year_, month_, day_);
        DecodeTime(value, hour_, minute_, second_, msec_);
        dayOfWeek_ = DayOfWeek(value);
    }

    void Append(std::string_view format, int depth) {
        // Nested formats (c, ddddd, t, ...) may not nest without end.
        if (depth > 2) return;
        bool twelveHour = HasAmPm(format);
        bool afterHour = false;
        size_t i = 0;
        while (i < format.size()) {
            char c = format[i];
            char l = Lower(c);
            size_t run = 1;
            while (i + run < format.size() && Lower(format[i + run]) == l) ++run;
            bool wasHour = false;
            if (c == '"' || c == '\'') {
                size_t end = format.find(c, i + 1);
                if (end == std::string_view::npos) end = format.size();
                out_.append(format.substr(i + 1, end - i - 1));
                i = end + 1;
                continue;
            }
            if (l == 'a' && AmPm(format, i)) {
                afterHour = false;
                continue;
            }
            switch (l) {
            case 'c':
                run = 1;
                Append(settings_.ShortDateFormat, depth + 1);
                if (hour_ || minute_ || second_ || msec_) {
                    out_ += ' ';
                    Append(settings_.LongTimeFormat, depth + 1);
                }
                break;
            case 'd':
                run = std::min<size_t>(run, 6);
                if (run == 1) out_ += std::to_string(day_);
                if (run == 2) out_ += TwoDigits(day_);
                if (run == 3) out_ += settings_.ShortDayNames[dayOfWeek_ - 1];
                if (run == 4) out_ += settings_.LongDayNames[dayOfWeek_ - 1];
                if (run == 5) Append(settings_.ShortDateFormat, depth + 1);
                if (run == 6) Append(settings_.LongDateFormat, depth + 1);
                break;
            case 'm':
                run = std::min<size_t>(run, 4);
                if (afterHour && run <= 2) {
                    out_ += run == 1 ? std::to_string(minute_) : TwoDigits(minute_);
                } else if (month_ >= 1) {
                    if (run == 1) out_ += std::to_string(month_);
                    if (run == 2) out_ += TwoDigits(month_);
                    if (run == 3) out_ += settings_.ShortMonthNames[month_ - 1];
                    if (run == 4) out_ += settings_.LongMonthNames[month_ - 1];
                }
                break;
            case 'y':
                out_ += run <= 2 ? TwoDigits(year_ % 100) : std::to_string(year_);
                break;
            case 'h': {
                run = std::min<size_t>(run, 2);
                int hour = twelveHour ? (hour_ % 12 == 0 ? 12 : hour_ % 12) : hour_;
                out_ += run == 1 ? std::to_string(hour) : TwoDigits(hour);
                wasHour = true;
                break;
            }
            case 'n':
                run = std::min<size_t>(run, 2);
                out_ += run == 1 ? std::to_string(minute_) : TwoDigits(minute_);
                break;
            case 's':
                run = std::min<size_t>(run, 2);
                out_ += run == 1 ? std::to_string(second_) : TwoDigits(second_);
                break;
            case 'z':
                run = run >= 3 ? 3 : 1;
                out_ += run == 1 ? std::to_string(msec_) : std::string(msec_ < 100 ? (msec_ < 10 ? "00" : "0") : "") + std::to_string(msec_);
                break;
            case 't':
                run = std::min<size_t>(run, 2);
                Append(run == 1 ? settings_.ShortTimeFormat : settings_.LongTimeFormat, depth + 1);
                break;
            case '/':
                run = 1;
                out_ += settings_.DateSeparator;
                break;
            case ':':
                run = 1;
                out_ += settings_.TimeSeparator;
                break;
            default:
                run = 1;
                out_ += c;
                break;
            }
            // "m" after "h" is the minute, even with separators between.
            if (wasHour) afterHour = true;
            else if (l == 'd' || l == 'y' || l == 'm' || l == 's' || l == 'n' || l == 'z' || l == 't' || l == 'c') afterHour = false;
            i += run;
        }
    }

    std::string Result() const { return out_; }

private:
    // An am/pm specifier at `i`: appends it, advances `i` and answers true.
    bool AmPm(std::string_view format, size_t& i) {
        bool pm = hour_ >= 12;
        if (StartsWithNoCase(format, i, "am/pm")) {
            bool upper = pm ? format[i + 3] != 'p' : format[i] != 'a';
            out_ += pm ? (upper ? "PM" : "pm") : (upper ? "AM" : "am");
            i += 5;
        } else if (StartsWithNoCase(format, i, "a/p")) {
            out_ += pm ? format[i + 2] : format[i];
            i += 3;
        } else if (StartsWithNoCase(format, i, "ampm")) {
            out_ += pm ? settings_.TimePMString : settings_.TimeAMString;
            i += 4;
        } else {
            return false;
        }
        return true;
    }

    const TFormatSettings& settings_;
    uint16_t year_, month_, day_, hour_, minute_, second_, msec_;
    int dayOfWeek_;
    std::string out_;
};

// A cursor over a text being parsed.
struct Scanner {
    std::string_view text;
    size_t pos = 0;

    void SkipBlanks() {
        while (pos < text.size() && text[pos] == ' ') ++pos;
    }
    bool AtEnd() {
        SkipBlanks();
        return pos == text.size();
    }
    bool Char(char c) {
        SkipBlanks();
        if (pos < text.size() && text[pos] == c) {
            ++pos;
            return true;
        }
        return false;
    }
    // Digits (at most `maxDigits`); the number of digits read is in `digits`.
    bool Number(int& value, size_t& digits, size_t maxDigits = 4) {
        SkipBlanks();
        size_t start = pos;
        value = 0;
        while (pos < text.size() && pos - start < maxDigits && text[pos] >= '0' && text[pos] <= '9')
            value = value * 10 + (text[pos++] - '0');
        digits = pos - start;
        return digits > 0 && (pos == text.size() || text[pos] < '0' || text[pos] > '9');
    }
    bool Word(std::string_view word) {
        SkipBlanks();
        if (!StartsWithNoCase(text, pos, word)) return false;
        pos += word.size();
        return true;
    }
};

int CurrentYear() {
    uint16_t y, m, d;
    DecodeDate(Now(), y, m, d);
    return y;
}

int ExpandYear(int year, size_t digits, const TFormatSettings& settings) {
    if (digits > 2) return year;
    int current = CurrentYear();
    if (settings.TwoDigitYearCenturyWindow <= 0) return current / 100 * 100 + year;
    int threshold = current - settings.TwoDigitYearCenturyWindow;
    year += threshold / 100 * 100;
    if (year < threshold) year += 100;
    return year;
}

bool ScanDate(Scanner& s, TDateTime& value, const TFormatSettings& settings) {
    // The order of day, month and year in the short date format.
    char order = 'm';
    for (char c : settings.ShortDateFormat) {
        char l = Lower(c);
        if (l == 'd' || l == 'm' || l == 'y') {
            order = l;
            break;
        }
    }
    int n[3] = {0, 0, 0};
    size_t digits[3] = {0, 0, 0};
    if (!s.Number(n[0], digits[0]) || !s.Char(settings.DateSeparator) || !s.Number(n[1], digits[1])) return false;
    int count = 2;
    if (s.Char(settings.DateSeparator)) {
        if (!s.Number(n[2], digits[2])) return false;
        count = 3;
    }
    int year, month, day;
    if (order == 'y') {
        if (count == 3) {
            year = ExpandYear(n[0], digits[0], settings), month = n[1], day = n[2];
        } else {
            year = CurrentYear(), month = n[0], day = n[1];
        }
    } else {
        month = order == 'm' ? n[0] : n[1];
        day = order == 'm' ? n[1] : n[0];
        year = count == 3 ? ExpandYear(n[2], digits[2], settings) : CurrentYear();
    }
    return TryEncodeDate(year, month, day, value);
}

bool ScanTime(Scanner& s, TDateTime& value, const TFormatSettings& settings) {
    int hour = 0, minute = 0, second = 0, msec = 0;
    size_t digits = 0;
    if (!s.Number(hour, digits, 2)) return false;
    bool haveMinute = false;
    if (s.Char(settings.TimeSeparator)) {
        if (!s.Number(minute, digits, 2)) return false;
        haveMinute = true;
        if (s.Char(settings.TimeSeparator)) {
            if (!s.Number(second, digits, 2)) return false;
            if (s.Char('.')) {
                if (!s.Number(msec, digits, 3)) return false;
            }
        }
    }
    int marker = 0;  // 1 am, 2 pm
    if (s.Word(settings.TimeAMString) || s.Word("AM") || s.Word("A")) {
        marker = 1;
    } else if (s.Word(settings.TimePMString) || s.Word("PM") || s.Word("P")) {
        marker = 2;
    }
    if (!haveMinute && marker == 0) return false;
    if (marker != 0) {
        if (hour < 1 || hour > 12) return false;
        hour = hour % 12 + (marker == 2 ? 12 : 0);
    }
    return TryEncodeTime(hour, minute, second, msec, value);
}

[[noreturn]] void Invalid(std::string_view text, const char* what) {
    throw EConvertError("'" + std::string(text) + "' is not a valid " + what);
}

}  // namespace

std::string FormatDateTime(std::string_view format, TDateTime value, const TFormatSettings& settings) {
    DateFormatter formatter(value, settings);
    formatter.Append(format.empty() ? std::string_view("c") : format, 0);
    return formatter.Result();
}

std::string DateToStr(TDateTime value, const TFormatSettings& settings) {
    return FormatDateTime(settings.ShortDateFormat, value, settings);
}

std::string TimeToStr(TDateTime value, const TFormatSettings& settings) {
    return FormatDateTime(settings.LongTimeFormat, value, settings);
}

std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings) { return FormatDateTime("c", value, settings); }

bool TryStrToDate(std::string_view text, TDateTime& value, const TFormatSettings& settings) {
    Scanner s{text};
    TDateTime date = 0;
    if (!ScanDate(s, date, settings) || !s.AtEnd()) return false;
    value = date;
    return true;
}

bool TryStrToTime(std::string_view text, TDateTime& value, const TFormatSettings& settings) {
    Scanner s{text};
    TDateTime time = 0;
    if (!ScanTime(s, time, settings) || !s.AtEnd()) return false;
    value = time;
    return true;
}

bool TryStrToDateTime(std::string_view text, TDateTime& value, const TFormatSettings& settings) {
    Scanner s{text};
    TDateTime date = 0, time = 0;
    if (!ScanDate(s, date, settings)) return false;
    if (!s.AtEnd() && !ScanTime(s, time, settings)) return false;
    if (!s.AtEnd()) return false;
    value = ComposeDateTime(date, time);
    return true;
}

TDateTime StrToDate(std::string_view text, const TFormatSettings& settings) {
    TDateTime value = 0;
    if (!TryStrToDate(text, value, settings)) Invalid(text, "date");
    return value;
}

TDateTime StrToTime(std::string_view text, const TFormatSettings& settings) {
    TDateTime value = 0;
    if (!TryStrToTime(text, value, settings)) Invalid(text, "time");
    return value;
}

TDateTime StrToDateTime(std::string_view text, const TFormatSettings& settings) {
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value, settings)) Invalid(text, "date and time");
    return value;
}
