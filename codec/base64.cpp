#include "codec/base64.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "base/bytes_ops.h"

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
  // Every group but the last reads four bytes, the fourth being the next group's first:
  // the compiler turns that into one load. The characters are gathered and stored at once,
  // since a store through char* may alias the input and would force it to be reloaded.
  for (std::size_t g = 1; g < groups; ++g, in += 3, o += 4) {
    const std::uint32_t v =
        std::uint32_t{in[0]} << 24 | std::uint32_t{in[1]} << 16 | std::uint32_t{in[2]} << 8 | in[3];
    const char chars[4] = {kAlphabet[v >> 26], kAlphabet[(v >> 20) & 63], kAlphabet[(v >> 14) & 63],
                           kAlphabet[(v >> 8) & 63]};
    std::memcpy(o, chars, 4);
  }
  const std::uint32_t v = std::uint32_t{in[0]} << 16 | std::uint32_t{in[1]} << 8 | in[2];
  const char chars[4] = {kAlphabet[v >> 18], kAlphabet[(v >> 12) & 63], kAlphabet[(v >> 6) & 63],
                         kAlphabet[v & 63]};
  std::memcpy(o, chars, 4);
  // The appended zero bytes gave zero bits to the characters before the pad characters.
  if (rest == 1) out[out.size() - 2] = '=';
  if (rest != 0) out.back() = '=';
  return Text(std::move(out));
}
