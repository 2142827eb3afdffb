#include "vcl/system/format.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <span>

#include "vcl/system/convert.h"
#include "vcl/system/exception.h"
#include "vcl/system/float_text.h"

namespace {

class Formatter {
public:
    Formatter(std::string_view format, std::span<const TVarRec> args, const TFormatSettings& settings)
        : format_(format), args_(args), settings_(settings) {}

    std::string Run() {
        while (pos_ < format_.size()) {
            char c = format_[pos_++];
            if (c != '%') {
                out_ += c;
            } else if (Peek() == '%') {
                ++pos_;
                out_ += '%';
            } else {
                Specifier();
            }
        }
        return out_;
    }

private:
    [[noreturn]] void Invalid() const {
        throw EConvertError("Format '" + std::string(format_) + "' invalid or incompatible with argument");
    }

    char Peek() const { return pos_ < format_.size() ? format_[pos_] : '\0'; }

    const TVarRec& NextArg() {
        if (argIndex_ >= args_.size()) Invalid();
        return args_[argIndex_++];
    }

    // A number or "*" (the next integer argument), if there is one.
    std::optional<int64_t> Number() {
        if (Peek() == '*') {
            ++pos_;
            const TVarRec& arg = NextArg();
            if (arg.kind() != TVarRec::Kind::Integer) Invalid();
            return arg.integer();
        }
        if (Peek() < '0' || Peek() > '9') return std::nullopt;
        int64_t value = 0;
        while (Peek() >= '0' && Peek() <= '9') {
            value = value * 10 + (format_[pos_++] - '0');
            if (value > 0x7FFFFFFF) Invalid();
        }
        return value;
    }

    void Specifier() {
        bool left = false;
        std::optional<int64_t> width = Number();
        if (width && Peek() == ':') {
            if (*width < 0) Invalid();
            ++pos_;
            argIndex_ = static_cast<size_t>(*width);
            width.reset();
        }
        if (!width) {
            if (Peek() == '-') {
                ++pos_;
                left = true;
            }
            width = Number();
        }
        if (width && *width < 0) {  // a negative "*" width justifies left, as printf does
            left = true;
            width = -*width;
        }
        int64_t precision = -1;  // none
        if (Peek() == '.') {
            ++pos_;
            precision = std::max<int64_t>(Number().value_or(0), -1);
        }
        if (pos_ >= format_.size()) Invalid();
        char type = static_cast<char>(std::tolower(static_cast<unsigned char>(format_[pos_++])));
        std::string text = Convert(type, precision, NextArg());
        if (width && *width > static_cast<int64_t>(text.size())) {
            std::string padding(static_cast<size_t>(*width) - text.size(), ' ');
            text = left ? text + padding : padding + text;
        }
        out_ += text;
    }

    static std::string ZeroPadded(std::string digits, int64_t precision) {
        bool negative = !digits.empty() && digits[0] == '-';
        if (negative) digits.erase(0, 1);
        if (precision > static_cast<int64_t>(digits.size())) digits.insert(0, static_cast<size_t>(precision) - digits.size(), '0');
        return negative ? "-" + digits : digits;
    }

    std::string Convert(char type, int64_t precision, const TVarRec& arg) const {
        using Kind = TVarRec::Kind;
        switch (type) {
        case 'd':
            if (!arg.IsInteger()) Invalid();
            return ZeroPadded(arg.kind() == Kind::UInt64 ? UIntToStr(arg.unsignedValue()) : IntToStr(arg.integer()),
                              precision);
        case 'u':
            if (!arg.IsInteger()) Invalid();
            return ZeroPadded(UIntToStr(Unsigned(arg)), precision);
        case 'x':
            if (!arg.IsInteger()) Invalid();
            return IntToHex(Unsigned(arg), static_cast<int>(std::max<int64_t>(precision, 0)));
        case 'p':
            if (arg.kind() != Kind::Pointer) Invalid();
            return IntToHex(arg.unsignedValue(), 8);
        case 's':
            if (arg.kind() != Kind::String && arg.kind() != Kind::Char) Invalid();
            if (precision >= 0 && precision < static_cast<int64_t>(arg.text().size()))
                return arg.text().substr(0, static_cast<size_t>(precision));
            return arg.text();
        case 'e':
        case 'g':
        case 'f':
        case 'n':
        case 'm':
            if (arg.kind() != Kind::Float) Invalid();
            return FloatText(type, precision, arg.floatValue());
        default:
            Invalid();
        }
    }

    static uint64_t Unsigned(const TVarRec& arg) {
        switch (arg.kind()) {
        case TVarRec::Kind::Integer: return static_cast<uint32_t>(arg.integer());
        case TVarRec::Kind::UInt64: return arg.unsignedValue();
        default: return static_cast<uint64_t>(arg.integer());
        }
    }

    std::string FloatText(char type, int64_t precision, double value) const {
        int p = static_cast<int>(std::min<int64_t>(precision, 18));
        switch (type) {
        case 'e': return FloatToStrF(value, ffExponent, p < 0 || p > 15 ? 15 : p, 3, settings_);
        case 'g': return FloatToStrF(value, ffGeneral, p < 0 || p > 15 ? 15 : p, 3, settings_);
        case 'f': return FloatToStrF(value, ffFixed, 18, p < 0 ? 2 : p, settings_);
        case 'n': return FloatToStrF(value, ffNumber, 18, p < 0 ? 2 : p, settings_);
        default: return FloatToStrF(value, ffCurrency, 18, p < 0 ? settings_.CurrencyDecimals : p, settings_);
        }
    }

    std::string_view format_;
    std::span<const TVarRec> args_;
    const TFormatSettings& settings_;
    size_t pos_ = 0;
    size_t argIndex_ = 0;
    std::string out_;
};

}  // namespace

std::string Format(std::string_view format, std::initializer_list<TVarRec> args, const TFormatSettings& settings) {
    return Formatter(format, std::span<const TVarRec>(args.begin(), args.size()), settings).Run();
}

std::string Format(std::string_view format, const std::vector<TVarRec>& args, const TFormatSettings& settings) {
    return Formatter(format, args, settings).Run();
}
