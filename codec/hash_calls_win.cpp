#include <windows.h>

#include <wincrypt.h>

#include "codec/hash_calls.h"

namespace {

class CryptoApiCalls final : public HashCalls {
 public:
  bool AcquireContext(HashContext& context, std::uint32_t flags) override {
    HCRYPTPROV provider = 0;
    // The AES provider type hashes everything the full RSA type does, and SHA-2 as well;
    // systems that lack it still have the full RSA type.
    if (!CryptAcquireContextA(&provider, nullptr, nullptr, PROV_RSA_AES, flags) &&
        !CryptAcquireContextA(&provider, nullptr, nullptr, PROV_RSA_FULL, flags))
      return false;
    context = provider;
    return true;
  }
  bool CreateHash(HashContext context, std::uint32_t algorithm, HashObject& hash) override {
    HCRYPTHASH created = 0;
    if (!CryptCreateHash(context, algorithm, 0, 0, &created)) return false;
    hash = created;
    return true;
  }
  bool HashData(HashObject hash, const std::uint8_t* bytes, std::uint32_t count) override {
    return CryptHashData(hash, bytes, count, 0);
  }
  bool GetHashValue(HashObject hash, std::uint8_t* buffer, std::uint32_t& length) override {
    DWORD size = length;
    if (!CryptGetHashParam(hash, HP_HASHVAL, buffer, &size, 0)) return false;
    length = size;
    return true;
  }
  void DestroyHash(HashObject hash) override { CryptDestroyHash(hash); }
  void ReleaseContext(HashContext context) override { CryptReleaseContext(context, 0); }
};

}  // namespace

HashCalls& PlatformHashCalls() {
  static CryptoApiCalls calls;
  return calls;
}
