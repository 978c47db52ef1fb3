#include "codec/hex_digest.h"

#include <algorithm>

#include "base/bytes_ops.h"
#include "base/numbers.h"
#include "base/text_ops.h"

namespace {

constexpr std::uint32_t kVerifyContext = 0xF0000000;
constexpr std::uint32_t kMd5 = 0x8003;
constexpr char kHexDigits[] = "0123456789ABCDEF";

// Renders the first written bytes of digest, but never more than the buffer held: a
// provider may report more than it was given room for.
Text RenderHex(const Bytes& digest, std::uint32_t written) {
  int count = static_cast<int>(std::min<std::uint32_t>(written, BytesLength(digest)));
  Bytes output = BlankBytes(2 * BytesLength(digest));
  for (int i = 0; i < count; ++i) {
    std::int32_t b = digest.At(i + 1);
    output.At(2 * i + 1) = kHexDigits[ShiftRight(b, 4)];
    output.At(2 * i + 2) = kHexDigits[BitAnd(b, 15)];
  }
  return BytesToText(output);
}

}  // namespace

Text HashHex(HashCalls& calls, const Bytes& data, std::uint32_t algorithm, int digestLength) {
  HashContext context = 0;
  if (!calls.AcquireContext(context, kVerifyContext) && !calls.AcquireContext(context, 0))
    return Text();
  HashObject hash = 0;
  if (!calls.CreateHash(context, algorithm, hash)) {
    calls.ReleaseContext(context);
    return Text();
  }
  Text result;
  auto count = static_cast<std::uint32_t>(BytesLength(data));
  if (calls.HashData(hash, count ? data.data() : nullptr, count)) {
    Bytes digest = BlankBytes(digestLength);
    auto written = static_cast<std::uint32_t>(BytesLength(digest));
    auto* buffer = reinterpret_cast<std::uint8_t*>(digest.str().data());
    if (calls.GetHashValue(hash, buffer, written)) result = RenderHex(digest, written);
  }
  calls.DestroyHash(hash);
  calls.ReleaseContext(context);
  return result;
}

Text HashHex(const Bytes& data, std::uint32_t algorithm, int digestLength) {
  return HashHex(PlatformHashCalls(), data, algorithm, digestLength);
}

Text DigestHex(const Bytes& data, bool upperCase, bool shortForm) {
  Text h = HashHex(data, kMd5, 16);
  if (!upperCase) h = ToLower(h);
  return shortForm ? TextMid(h, 9, 16) : h;
}
