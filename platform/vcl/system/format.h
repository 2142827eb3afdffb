#pragma once
// Format: the class library's printf, over a list of typed arguments.
//
//   Format("%s has %d pages", {name, count})
//
// A specifier is "%" [index ":"] ["-"] [width] ["." precision] type:
// - index (0-based) picks the argument for this and the following
//   specifiers; width pads with blanks on the left, or on the right after
//   "-"; "*" for index, width or precision takes the next (integer)
//   argument; "%%" is a percent sign.
// - Types, upper or lower case:
//   d  integer in decimal; precision = least digits, zero-padded
//   u  integer as unsigned (a negative 32-bit one as its 32-bit pattern)
//   x  integer in upper-case hexadecimal (negative as two's complement)
//   e  float as ffExponent, precision = significant digits (default and
//      most 15), three exponent digits: "1.00000000000000E+000"
//   f  float as ffFixed, precision = decimals (default 2)
//   g  float as ffGeneral, precision = significant digits (default 15)
//   n  float as ffNumber (thousands separators), precision = decimals (2)
//   m  float as ffCurrency, precision = decimals (default CurrencyDecimals)
//   p  pointer as at least 8 upper-case hexadecimal digits
//   s  string or character; precision = most characters
// - Floats need float arguments and integers integer ones, as in the class
//   library. A type that does not match its argument, a missing argument or
//   a malformed specifier raises EConvertError
//   "Format '<format>' invalid or incompatible with argument". Unused
//   arguments are ignored.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "vcl/system/format_settings.h"

// One argument of Format.
class TVarRec {
public:
    enum class Kind { Integer, Int64, UInt64, Float, String, Char, Pointer };

    TVarRec(int value) : kind_(Kind::Integer), integer_(value) {}
    TVarRec(unsigned value) : kind_(Kind::Int64), integer_(value) {}
    TVarRec(long value) : kind_(Kind::Int64), integer_(value) {}
    TVarRec(long long value) : kind_(Kind::Int64), integer_(value) {}
    TVarRec(unsigned long value) : kind_(Kind::UInt64), unsigned_(value) {}
    TVarRec(unsigned long long value) : kind_(Kind::UInt64), unsigned_(value) {}
    TVarRec(double value) : kind_(Kind::Float), float_(value) {}
    TVarRec(char value) : kind_(Kind::Char), string_(1, value) {}
    TVarRec(const char* value) : kind_(Kind::String), string_(value ? value : "") {}
    TVarRec(std::string value) : kind_(Kind::String), string_(std::move(value)) {}
    TVarRec(std::string_view value) : kind_(Kind::String), string_(value) {}
    TVarRec(const void* value) : kind_(Kind::Pointer), unsigned_(reinterpret_cast<uintptr_t>(value)) {}
    TVarRec(bool) = delete;  // booleans have no Format type

    Kind kind() const { return kind_; }
    bool IsInteger() const { return kind_ == Kind::Integer || kind_ == Kind::Int64 || kind_ == Kind::UInt64; }
    int64_t integer() const { return integer_; }
    uint64_t unsignedValue() const { return unsigned_; }
    double floatValue() const { return float_; }
    const std::string& text() const { return string_; }

private:
    Kind kind_;
    int64_t integer_ = 0;
    uint64_t unsigned_ = 0;
    double float_ = 0;
    std::string string_;
};

std::string Format(std::string_view format, std::initializer_list<TVarRec> args,
                   const TFormatSettings& settings = FormatSettings);
std::string Format(std::string_view format, const std::vector<TVarRec>& args,
                   const TFormatSettings& settings = FormatSettings);
