#include "codec/base64.h"

#include "base/bytes_ops.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

constexpr char kAlphabet[64 + 1] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

Text Base64Encode(Bytes& data) {
  const std::size_t n = data.str().size();
  if (n == 0) return {};
  const std::size_t rest = n % 3;
  if (rest != 0) data += BlankBytes(static_cast<int>(3 - rest));

  const std::size_t groups = data.str().size() / 3;
  std::string out(groups * 4, '\0');
  const std::uint8_t* in = data.data();
  char* o = out.data();
  for (std::size_t g = 0; g < groups; ++g, in += 3, o += 4) {
    const std::uint32_t v = std::uint32_t{in[0]} << 16 | std::uint32_t{in[1]} << 8 | in[2];
    o[0] = kAlphabet[v >> 18];
    o[1] = kAlphabet[(v >> 12) & 63];
    o[2] = kAlphabet[(v >> 6) & 63];
    o[3] = kAlphabet[v & 63];
  }
  // The appended zero bytes gave zero bits to the characters before the pad characters.
  if (rest == 1) out[out.size() - 2] = '=';
  if (rest != 0) out.back() = '=';
  return Text(std::move(out));
}
