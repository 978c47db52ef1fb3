#include "web/keyed_hash.h"

#include <chrono>
#include <random>

namespace {

constexpr std::uint64_t Rotate(std::uint64_t x, int bits) {
  return x << bits | x >> (64 - bits);
}

struct State {
  std::uint64_t v0, v1, v2, v3;

  void Round() {
    v0 += v1;
    v1 = Rotate(v1, 13) ^ v0;
    v0 = Rotate(v0, 32);
    v2 += v3;
    v3 = Rotate(v3, 16) ^ v2;
    v0 += v3;
    v3 = Rotate(v3, 21) ^ v0;
    v2 += v1;
    v1 = Rotate(v1, 17) ^ v2;
    v2 = Rotate(v2, 32);
  }

  void Absorb(std::uint64_t m) {
    v3 ^= m;
    Round();
    Round();
    v0 ^= m;
  }
};

std::uint64_t LittleEndian(const unsigned char* p, std::size_t n) {
  std::uint64_t m = 0;
  for (std::size_t i = 0; i < n; ++i)
    m |= std::uint64_t{p[i]} << (8 * i);
  return m;
}

struct Key {
  std::uint64_t k0, k1;
};

// A key from the platform's random source; should that be unavailable, one from the
// clock, which still differs from run to run.
Key RandomKey() {
  try {
    std::random_device device;
    auto word = [&device] { return std::uint64_t{device()} << 32 | device(); };
    return {word(), word()};
  } catch (...) {
    const auto now = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return {now, Rotate(now, 29) ^ 0x9e3779b97f4a7c15};
  }
}

}  // namespace

std::uint64_t SipHash24(std::uint64_t key0, std::uint64_t key1, std::string_view data) {
  State s{key0 ^ 0x736f6d6570736575, key1 ^ 0x646f72616e646f6d, key0 ^ 0x6c7967656e657261,
          key1 ^ 0x7465646279746573};
  const auto* p = reinterpret_cast<const unsigned char*>(data.data());
  const std::size_t whole = data.size() / 8 * 8;
  for (std::size_t i = 0; i < whole; i += 8)
    s.Absorb(LittleEndian(p + i, 8));
  s.Absorb(LittleEndian(p + whole, data.size() - whole) | std::uint64_t{data.size()} << 56);
  s.v2 ^= 0xff;
  for (int i = 0; i < 4; ++i)
    s.Round();
  return s.v0 ^ s.v1 ^ s.v2 ^ s.v3;
}

std::size_t KeyedHash::operator()(std::string_view data) const {
  static const Key key = RandomKey();
  return static_cast<std::size_t>(SipHash24(key.k0, key.k1, data));
}
