// Any bytes: the encoding equals OpenSSL's, and the caller's value is padded to whole
// groups of three with zero bytes.
#include <openssl/evp.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "codec/base64.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string original(reinterpret_cast<const char*>(data), size);
  Bytes bytes(original);
  const Text encoded = Base64Encode(bytes);

  std::vector<unsigned char> expected(4 * ((size + 2) / 3) + 1);
  const int length = EVP_EncodeBlock(expected.data(), data, static_cast<int>(size));
  if (encoded.str() != std::string(reinterpret_cast<const char*>(expected.data()), length)) {
    std::abort();
  }
  const std::size_t padding = size % 3 == 0 ? 0 : 3 - size % 3;
  if (bytes.str() != original + std::string(padding, '\0')) std::abort();
  return 0;
}
