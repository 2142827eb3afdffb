#pragma once
// Rounding of floating-point values to integers, and the percentage rule of
// the whole system.

#include <cstdint>

// The nearest integer, halves to the even neighbour (Round(2.5) = 2,
// Round(3.5) = 4, Round(-2.5) = -2). Raises EInvalidOp for NaN, infinities
// and values outside the 64-bit range.
int64_t Round(double value);
// The integer part, toward zero (Trunc(-2.7) = -2); EInvalidOp as Round.
int64_t Trunc(double value);
// The fractional part with the value's sign (Frac(-2.75) = -0.75).
double Frac(double value);

// part / whole x 100 rounded to the nearest whole number, halves to the
// even neighbour, computed exactly (no floating-point error decides a
// half); 0 when whole is 0. Results beyond the 32-bit range are clamped.
int32_t Percentage(int64_t part, int64_t whole);
