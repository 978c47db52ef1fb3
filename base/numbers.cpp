#include "base/numbers.h"

#include <cmath>

std::int32_t BitAnd(std::int32_t a, std::int32_t b) {
  return a & b;
}

std::int32_t ShiftLeft(std::int32_t a, int n) {
  if (n <= 0) return a;
  if (n >= 32) return 0;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) << n);
}

std::int32_t ShiftRight(std::int32_t a, int n) {
  if (n <= 0) return a;
  return a >> (n >= 32 ? 31 : n);
}

std::uint8_t ToByte(std::int32_t n) {
  return static_cast<std::uint8_t>(n & 0xFF);
}

double Modulo(double a, double b) {
  return std::fmod(a, b);
}
