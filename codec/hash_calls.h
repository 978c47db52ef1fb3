// The hashing calls that the hex digests sit on, in the shape of the platform's crypto
// provider: a context, a hash object made in it for an algorithm identifier (MD5 0x8003,
// SHA-1 0x8004, SHA-256 0x800C, SHA-384 0x800D, SHA-512 0x800E), data fed in, the digest
// read out. Every call reports failure by false; nothing else is reported.
#pragma once

#include <cstdint>

using HashContext = std::uintptr_t;
using HashObject = std::uintptr_t;

class HashCalls {
 public:
  // flags: 0xF0000000 asks for a context without key storage, 0 for the default one.
  virtual bool AcquireContext(HashContext& context, std::uint32_t flags) = 0;
  // Fails for an identifier the provider does not know.
  virtual bool CreateHash(HashContext context, std::uint32_t algorithm, HashObject& hash) = 0;
  // bytes may be null when count is 0.
  virtual bool HashData(HashObject hash, const std::uint8_t* bytes, std::uint32_t count) = 0;
  // Writes the digest and its size into length; fails when length is smaller than it.
  virtual bool GetHashValue(HashObject hash, std::uint8_t* buffer, std::uint32_t& length) = 0;
  virtual void DestroyHash(HashObject hash) = 0;
  virtual void ReleaseContext(HashContext context) = 0;

 protected:
  ~HashCalls() = default;
};

// The platform's provider: CryptoAPI on Windows, OpenSSL's digests elsewhere.
HashCalls& PlatformHashCalls();
