// 32-bit signed integer operations in two's complement, and the floating-point remainder.
#pragma once

#include <cstdint>

std::int32_t BitAnd(std::int32_t a, std::int32_t b);
// A shift by 0 or fewer bits leaves a as it is; by 32 or more gives what shifting one bit
// at a time would: 0, or the sign bit's fill to the right.
std::int32_t ShiftLeft(std::int32_t a, int n);
std::int32_t ShiftRight(std::int32_t a, int n);
// The low 8 bits.
std::uint8_t ToByte(std::int32_t n);
// The remainder of a / b, signed as a.
double Modulo(double a, double b);
