// A string hash keyed with a random key chosen once per process (SipHash-2-4), for sets of
// texts that come from the network: no input prepared in advance can make their lookups
// collide and turn linear work quadratic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// SipHash-2-4 of data under a 128-bit key given as two little-endian halves.
std::uint64_t SipHash24(std::uint64_t key0, std::uint64_t key1, std::string_view data);

struct KeyedHash {
  std::size_t operator()(std::string_view data) const;
};
