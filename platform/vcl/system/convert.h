#pragma once
// Conversions between numbers and text.
//
// Integer texts: optional leading blanks (spaces), an optional sign, then
// decimal digits or hexadecimal digits after "$" or "0x"; nothing may
// follow. Decimal values must fit the type; hexadecimal ones may use all
// its bits ("$FFFFFFFF" is -1 for 32 bits). A bad text raises
// EConvertError "'<text>' is not a valid integer value".
//
// Floating-point texts: optional blanks around an optional sign, digits
// with an optional decimal separator (the settings' one) and an optional
// exponent ("1.5E3"); no thousands separators. A bad text or one out of
// range raises EConvertError "'<text>' is not a valid floating point value".

#include <cstdint>
#include <string>
#include <string_view>

#include "vcl/system/format_settings.h"

std::string IntToStr(int64_t value);
std::string UIntToStr(uint64_t value);
// Upper-case hexadecimal with at least `digits` digits; negative values as
// their two's complement in the argument's width (IntToHex(-1, 2) is
// "FFFFFFFF").
std::string IntToHex(int32_t value, int digits);
std::string IntToHex(int64_t value, int digits);
std::string IntToHex(uint32_t value, int digits);
std::string IntToHex(uint64_t value, int digits);

int32_t StrToInt(std::string_view text);
int32_t StrToIntDef(std::string_view text, int32_t defaultValue);
bool TryStrToInt(std::string_view text, int32_t& value);
int64_t StrToInt64(std::string_view text);
int64_t StrToInt64Def(std::string_view text, int64_t defaultValue);
bool TryStrToInt64(std::string_view text, int64_t& value);

double StrToFloat(std::string_view text, const TFormatSettings& settings = FormatSettings);
double StrToFloatDef(std::string_view text, double defaultValue, const TFormatSettings& settings = FormatSettings);
bool TryStrToFloat(std::string_view text, double& value, const TFormatSettings& settings = FormatSettings);

// "-1" and "0", or "True" and "False" with useBoolStrs.
std::string BoolToStr(bool value, bool useBoolStrs = false);
