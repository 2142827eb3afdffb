#include "vcl/system/float_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// value = 0.d1d2d3... x 10^exponent; no trailing zeros in digits; zero has
// no digits.
struct Decimal {
    bool negative = false;
    int exponent = 0;
    std::string digits;
};

// The 18 significant digits of |value| (value finite and not zero).
Decimal EighteenDigits(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17e", std::fabs(value));
    Decimal d;
    d.negative = value < 0;
    d.digits = std::string(1, text[0]) + std::string(text + 2, 17);
    d.exponent = std::atoi(std::strchr(text, 'e') + 1) + 1;
    return d;
}

void StripTrailingZeros(Decimal& d) {
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) {
        d.negative = false;
        d.exponent = 0;
    }
}

// Keeps `count` significant digits, rounding halves away from zero.
void RoundTo(Decimal& d, int count) {
    if (count < 0 || d.digits.empty()) {
        d.digits.clear();
    } else if (count < static_cast<int>(d.digits.size())) {
        bool up = d.digits[count] >= '5';
        d.digits.resize(count);
        if (up) {
            int i = count - 1;
            while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
            if (i >= 0) {
                ++d.digits[i];
            } else {
                d.digits.insert(d.digits.begin(), '1');
                ++d.exponent;
            }
        }
    }
    StripTrailingZeros(d);
}

Decimal ToDecimal(double value) {
    if (value == 0) return {};
    Decimal d = EighteenDigits(value);
    StripTrailingZeros(d);
    return d;
}

std::string Exponent(int exponent, int minDigits, bool alwaysSign) {
    std::string text = std::to_string(std::abs(exponent));
    if (static_cast<int>(text.size()) < minDigits) text.insert(0, minDigits - text.size(), '0');
    if (exponent < 0) return "E-" + text;
    return (alwaysSign ? "E+" : "E") + text;
}

// d.ddd with `decimals` digits after the point (padding with zeros) or
// only the digits there are when decimals < 0.
std::string Mantissa(const Decimal& d, int decimals, char separator) {
    std::string digits = d.digits.empty() ? "0" : d.digits;
    if (decimals >= 0) digits.resize(decimals + 1, '0');
    std::string text(1, digits[0]);
    if (digits.size() > 1) text += separator + digits.substr(1);
    return text;
}

std::string Signed(const Decimal& d, std::string text) { return d.negative ? "-" + text : text; }

std::string General(Decimal d, int precision, int expDigits, char separator) {
    RoundTo(d, precision);
    if (d.digits.empty()) return "0";
    if (d.exponent > precision || d.exponent < -3)
        return Signed(d, Mantissa(d, -1, separator) + Exponent(d.exponent - 1, expDigits, false));
    std::string text;
    int count = static_cast<int>(d.digits.size());
    if (d.exponent <= 0) {
        text = "0" + std::string(1, separator) + std::string(-d.exponent, '0') + d.digits;
    } else {
        text = d.digits.substr(0, std::min(count, d.exponent));
        if (count < d.exponent) text.append(d.exponent - count, '0');
        if (count > d.exponent) text += separator + d.digits.substr(d.exponent);
    }
    return Signed(d, text);
}

std::string Scientific(Decimal d, int precision, int expDigits, char separator) {
    RoundTo(d, precision);
    int exponent = d.digits.empty() ? 0 : d.exponent - 1;
    return Signed(d, Mantissa(d, precision - 1, separator) + Exponent(exponent, expDigits, true));
}

std::string Grouped(const std::string& integer, char thousands) {
    std::string text;
    int n = static_cast<int>(integer.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) text += thousands;
        text += integer[i];
    }
    return text;
}

// The unsigned amount with `decimals` decimals, already rounded.
std::string FixedDigits(const Decimal& d, int decimals, bool group, const TFormatSettings& settings) {
    std::string integer, fraction;
    int count = static_cast<int>(d.digits.size());
    for (int i = 0; i < d.exponent; ++i) integer += i < count ? d.digits[i] : '0';
    if (integer.empty()) integer = "0";
    for (int i = 0; i < decimals; ++i) {
        int at = d.exponent + i;
        fraction += at >= 0 && at < count ? d.digits[at] : '0';
    }
    std::string text = group ? Grouped(integer, settings.ThousandSeparator) : integer;
    if (decimals > 0) text += settings.DecimalSeparator + fraction;
    return text;
}

std::string Currency(const std::string& amount, bool negative, const TFormatSettings& settings) {
    const std::string& c = settings.CurrencyString;
    if (!negative) {
        switch (settings.CurrencyFormat) {
        case 1: return amount + c;
        case 2: return c + " " + amount;
        case 3: return amount + " " + c;
        default: return c + amount;
        }
    }
    switch (settings.NegCurrFormat) {
    case 1: return "-" + c + amount;
    case 2: return c + "-" + amount;
    case 3: return c + amount + "-";
    case 4: return "(" + amount + c + ")";
    case 5: return "-" + amount + c;
    case 6: return amount + "-" + c;
    case 7: return amount + c + "-";
    case 8: return "-" + amount + " " + c;
    case 9: return "-" + c + " " + amount;
    case 10: return amount + " " + c + "-";
    case 11: return c + " " + amount + "-";
    case 12: return c + " -" + amount;
    case 13: return amount + "- " + c;
    case 14: return "(" + c + " " + amount + ")";
    case 15: return "(" + amount + " " + c + ")";
    default: return "(" + c + amount + ")";
    }
}

}  // namespace

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    precision = std::clamp(precision, 1, 18);
    Decimal d = ToDecimal(value);
    switch (format) {
    case ffExponent:
        return Scientific(d, precision, std::clamp(digits, 0, 4), settings.DecimalSeparator);
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
        if (d.exponent > precision) return General(d, precision, 0, settings.DecimalSeparator);
        digits = std::clamp(digits, 0, 18);
        RoundTo(d, std::min(precision, d.exponent + digits));
        std::string amount = FixedDigits(d, digits, format != ffFixed, settings);
        if (format == ffCurrency) return Currency(amount, d.negative, settings);
        return Signed(d, amount);
    }
    default:
        return General(d, precision, std::clamp(digits, 0, 4), settings.DecimalSeparator);
    }
}

std::string FloatToStr(double value, const TFormatSettings& settings) {
    return FloatToStrF(value, ffGeneral, 15, 0, settings);
}
