#pragma once
// Floating-point values as text, the way the class library writes them.
//
// Values are first taken to 18 significant decimal digits and then rounded
// to the digits asked for with halves away from zero (2.5 with no decimals
// gives "3", 0.125 with two gives "0.13"). A value that rounds to zero is
// written without a minus sign. Not-a-number is "NAN", infinities "INF" and
// "-INF".

#include <string>

#include "vcl/system/format_settings.h"

enum TFloatFormat {
    // Fewest characters: fixed notation while the number of integer digits
    // is at most Precision and the value is at least 0.0001, else
    // scientific; Precision significant digits, trailing zeros removed;
    // Digits is the least number of exponent digits (0-4).
    ffGeneral,
    // "-d.dddE+ddd": Precision significant digits, at least Digits (0-4)
    // exponent digits, the exponent's sign always written.
    ffExponent,
    // Digits decimals (0-18) and no thousands separators; at most
    // Precision significant digits, the rest zeros. A value with more than
    // Precision integer digits is written as ffGeneral.
    ffFixed,
    // As ffFixed with thousands separators.
    ffNumber,
    // As ffNumber with the currency string placed by CurrencyFormat and
    // NegCurrFormat.
    ffCurrency,
};

// Precision is clamped to 1-18, Digits to the range its format allows.
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings = FormatSettings);
// ffGeneral with 15 significant digits: "0.1", "1E20", "1E-5".
std::string FloatToStr(double value, const TFormatSettings& settings = FormatSettings);
