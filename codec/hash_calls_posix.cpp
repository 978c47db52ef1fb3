#include <openssl/evp.h>

#include <algorithm>
#include <memory>

#include "codec/hash_calls.h"

namespace {

// A context holds nothing here; it is still an object of its own so that one that is never
// released shows up as a leak.
struct Context {};

struct Hash {
  EVP_MD_CTX* digest = EVP_MD_CTX_new();
  bool finished = false;
  unsigned char value[EVP_MAX_MD_SIZE] = {};
  unsigned int size = 0;
  ~Hash() { EVP_MD_CTX_free(digest); }
};

const EVP_MD* DigestFor(std::uint32_t algorithm) {
  switch (algorithm) {
    case 0x8003:
      return EVP_md5();
    case 0x8004:
      return EVP_sha1();
    case 0x800C:
      return EVP_sha256();
    case 0x800D:
      return EVP_sha384();
    case 0x800E:
      return EVP_sha512();
    default:
      return nullptr;
  }
}

Hash* AsHash(HashObject hash) {
  return reinterpret_cast<Hash*>(hash);
}

class OpenSslCalls final : public HashCalls {
 public:
  bool AcquireContext(HashContext& context, std::uint32_t) override {
    context = reinterpret_cast<HashContext>(new Context);
    return true;
  }
  bool CreateHash(HashContext, std::uint32_t algorithm, HashObject& hash) override {
    const EVP_MD* md = DigestFor(algorithm);
    if (!md) return false;
    auto created = std::make_unique<Hash>();
    if (!created->digest || !EVP_DigestInit_ex(created->digest, md, nullptr)) return false;
    hash = reinterpret_cast<HashObject>(created.release());
    return true;
  }
  bool HashData(HashObject hash, const std::uint8_t* bytes, std::uint32_t count) override {
    Hash* h = AsHash(hash);
    // As with the platform's provider, a finished hash takes no more data.
    return !h->finished && EVP_DigestUpdate(h->digest, bytes, count);
  }
  bool GetHashValue(HashObject hash, std::uint8_t* buffer, std::uint32_t& length) override {
    Hash* h = AsHash(hash);
    if (!h->finished) {
      if (!EVP_DigestFinal_ex(h->digest, h->value, &h->size)) return false;
      h->finished = true;
    }
    if (length < h->size) {
      length = h->size;
      return false;
    }
    std::copy(h->value, h->value + h->size, buffer);
    length = h->size;
    return true;
  }
  void DestroyHash(HashObject hash) override { delete AsHash(hash); }
  void ReleaseContext(HashContext context) override { delete reinterpret_cast<Context*>(context); }
};

}  // namespace

HashCalls& PlatformHashCalls() {
  static OpenSslCalls calls;
  return calls;
}
