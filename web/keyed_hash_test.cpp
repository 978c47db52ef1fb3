#include "web/keyed_hash.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The reference vectors of the SipHash paper: key 00 01 .. 0f, message 00 01 .. (n-1).
TEST(KeyedHash, SipHash24ReferenceVectors) {
  const std::uint64_t k0 = 0x0706050403020100, k1 = 0x0f0e0d0c0b0a0908;
  struct Case {
    std::size_t length;
    std::uint64_t expected;
  };
  const Case kCases[] = {{0, 0x726fdb47dd0e0e31}, {15, 0xa129ca6149be45e5}};
  for (const Case& c : kCases) {
    std::string message;
    for (std::size_t i = 0; i < c.length; ++i)
      message += static_cast<char>(i);
    EXPECT_EQ(SipHash24(k0, k1, message), c.expected) << c.length;
  }
}

TEST(KeyedHash, SameTextSameHashWithinTheProcess) {
  EXPECT_EQ(KeyedHash{}("sid"), KeyedHash{}(std::string("sid")));
  EXPECT_NE(KeyedHash{}("sid"), KeyedHash{}("sie"));
}

}  // namespace
