#include "codec/base64.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "codec/base64_reference.h"

namespace {

using namespace std::string_literals;

TEST(Base64, Rfc4648VectorsAndPaddingOfTheCallersValue) {
  struct Case {
    std::string data, encoded, paddedData;
  };
  const Case kCases[] = {
      {"", "", ""},
      {"f", "Zg==", "f\0\0"s},
      {"fo", "Zm8=", "fo\0"s},
      {"foo", "Zm9v", "foo"},
      {"foob", "Zm9vYg==", "foob\0\0"s},
      {"fooba", "Zm9vYmE=", "fooba\0"s},
      {"foobar", "Zm9vYmFy", "foobar"},
      {"\0\0\0"s, "AAAA", "\0\0\0"s},
      {"\xFF", "/w==", "\xFF\0\0"s},
      {"\xFB\xFF", "+/8=", "\xFB\xFF\0"s},
      {"\0"s, "AA==", "\0\0\0"s},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.data));
    Bytes data(c.data);
    EXPECT_EQ(Base64Encode(data).str(), c.encoded);
    EXPECT_EQ(data.str(), c.paddedData);
  }
}

TEST(Base64, MatchesThePlatformEncoderForEveryLengthUpTo300) {
  std::mt19937 random(20251209);
  std::uniform_int_distribution<int> byte(0, 255);
  for (std::size_t n = 0; n <= 300; ++n) {
    SCOPED_TRACE(n);
    std::string original(n, '\0');
    for (char& b : original)
      b = static_cast<char>(byte(random));
    Bytes data(original);
    const Text encoded = Base64Encode(data);
    EXPECT_EQ(encoded.str(), ReferenceBase64(original));
    EXPECT_EQ(encoded.str().size(), 4 * ((n + 2) / 3));
    const std::size_t padding = n % 3 == 0 ? 0 : 3 - n % 3;
    EXPECT_EQ(data.str(), original + std::string(padding, '\0'));
  }
}

}  // namespace
