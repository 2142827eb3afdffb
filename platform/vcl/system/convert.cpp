#include "vcl/system/convert.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "vcl/system/exception.h"

namespace {

std::string Hex(uint64_t value, int digits) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), '0');
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Parses an integer text of `bits` bits (32 or 64).
bool ParseInteger(std::string_view text, int bits, int64_t& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size()) return false;
    const uint64_t limit = bits == 32 ? 0xFFFFFFFFull : ~0ull;
    uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        int digit = hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (digit < 0) return false;
        uint64_t base = hex ? 16 : 10;
        if (magnitude > (limit - digit) / base) return false;
        magnitude = magnitude * base + digit;
    }
    if (hex) {
        // All bits of the type may be used: the value wraps to negative.
        int64_t wrapped = bits == 32 ? static_cast<int32_t>(static_cast<uint32_t>(magnitude)) : static_cast<int64_t>(magnitude);
        value = negative ? static_cast<int64_t>(0ull - static_cast<uint64_t>(wrapped)) : wrapped;
        if (bits == 32) value = static_cast<int32_t>(value);
        return true;
    }
    const uint64_t maxPositive = bits == 32 ? 0x7FFFFFFFull : 0x7FFFFFFFFFFFFFFFull;
    if (magnitude > maxPositive + (negative ? 1 : 0)) return false;
    value = negative ? static_cast<int64_t>(0ull - magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

[[noreturn]] void InvalidInteger(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace

std::string IntToStr(int64_t value) { return std::to_string(value); }
std::string UIntToStr(uint64_t value) { return std::to_string(value); }

std::string IntToHex(int32_t value, int digits) { return Hex(static_cast<uint32_t>(value), digits); }
std::string IntToHex(int64_t value, int digits) { return Hex(static_cast<uint64_t>(value), digits); }
std::string IntToHex(uint32_t value, int digits) { return Hex(value, digits); }
std::string IntToHex(uint64_t value, int digits) { return Hex(value, digits); }

bool TryStrToInt(std::string_view text, int32_t& value) {
    int64_t parsed = 0;
    if (!ParseInteger(text, 32, parsed)) return false;
    value = static_cast<int32_t>(parsed);
    return true;
}

int32_t StrToInt(std::string_view text) {
    int32_t value = 0;
    if (!TryStrToInt(text, value)) InvalidInteger(text);
    return value;
}

int32_t StrToIntDef(std::string_view text, int32_t defaultValue) {
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : defaultValue;
}

bool TryStrToInt64(std::string_view text, int64_t& value) { return ParseInteger(text, 64, value); }

int64_t StrToInt64(std::string_view text) {
    int64_t value = 0;
    if (!TryStrToInt64(text, value)) InvalidInteger(text);
    return value;
}

int64_t StrToInt64Def(std::string_view text, int64_t defaultValue) {
    int64_t value = 0;
    return TryStrToInt64(text, value) ? value : defaultValue;
}

bool TryStrToFloat(std::string_view text, double& value, const TFormatSettings& settings) {
    size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    // Rewritten in the C locale's notation for from_chars.
    std::string canonical;
    size_t i = begin;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    size_t mantissaDigits = 0;
    bool point = false;
    for (; i < end; ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            canonical += c;
            ++mantissaDigits;
        } else if (c == settings.DecimalSeparator && !point) {
            canonical += '.';
            point = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        canonical += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) canonical += text[i++];
        size_t exponentDigits = 0;
        for (; i < end && text[i] >= '0' && text[i] <= '9'; ++i, ++exponentDigits) canonical += text[i];
        if (exponentDigits == 0) return false;
    }
    if (i != end) return false;
    double parsed = 0;
    auto [ptr, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), parsed);
    if (ec != std::errc() || ptr != canonical.data() + canonical.size() || std::isinf(parsed)) return false;
    value = negative ? -parsed : parsed;
    return true;
}

double StrToFloat(std::string_view text, const TFormatSettings& settings) {
    double value = 0;
    if (!TryStrToFloat(text, value, settings))
        throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}

double StrToFloatDef(std::string_view text, double defaultValue, const TFormatSettings& settings) {
    double value = 0;
    return TryStrToFloat(text, value, settings) ? value : defaultValue;
}

std::string BoolToStr(bool value, bool useBoolStrs) {
    if (useBoolStrs) return value ? "True" : "False";
    return value ? "-1" : "0";
}
