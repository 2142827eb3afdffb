#include "vcl/system/rounding.h"

#include <cmath>
#include <limits>

#include "vcl/system/exception.h"

namespace {

// Doubles in [-2^63, 2^63) convert to int64_t exactly.
int64_t ToInt64(double integral) {
    if (!(integral >= -9223372036854775808.0 && integral < 9223372036854775808.0)) throw EInvalidOp();
    return static_cast<int64_t>(integral);
}

}  // namespace

int64_t Round(double value) {
    double lower = std::floor(value);
    double diff = value - lower;
    double rounded = lower;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(lower, 2.0) != 0.0)) rounded = lower + 1.0;
    return ToInt64(rounded);
}

int64_t Trunc(double value) { return ToInt64(std::trunc(value)); }

double Frac(double value) { return value - std::trunc(value); }

int32_t Percentage(int64_t part, int64_t whole) {
    if (whole == 0) return 0;
    __int128 numerator = static_cast<__int128>(part) * 100;
    __int128 denominator = whole;
    if (denominator < 0) numerator = -numerator, denominator = -denominator;
    // Floor division, then the remainder decides: above half up, exactly
    // half to the even neighbour.
    __int128 quotient = numerator / denominator;
    __int128 remainder = numerator % denominator;
    if (remainder < 0) quotient -= 1, remainder += denominator;
    __int128 twice = remainder * 2;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0)) quotient += 1;
    if (quotient > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (quotient < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(quotient);
}
