#include <openssl/evp.h>

#include <vector>

#include "codec/base64_reference.h"

std::string ReferenceBase64(std::string_view data) {
  std::vector<unsigned char> out(4 * ((data.size() + 2) / 3) + 1);
  int written = EVP_EncodeBlock(out.data(), reinterpret_cast<const unsigned char*>(data.data()),
                                static_cast<int>(data.size()));
  return std::string(reinterpret_cast<const char*>(out.data()), static_cast<std::size_t>(written));
}
