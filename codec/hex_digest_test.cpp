#include "codec/hex_digest.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/bytes_ops.h"

namespace {

const Bytes kAbc = TextToBytes("abc");

TEST(DigestHex, ShapesTheMd5OfAbc) {
  EXPECT_EQ(DigestHex(kAbc), "900150983cd24fb0d6963f7d28e17f72");
  EXPECT_EQ(DigestHex(kAbc, true), "900150983CD24FB0D6963F7D28E17F72");
  EXPECT_EQ(DigestHex(kAbc, false, true), "3cd24fb0d6963f7d");
  EXPECT_EQ(DigestHex(kAbc, true, true), "3CD24FB0D6963F7D");
  // Empty data is hashed as the empty message.
  EXPECT_EQ(DigestHex(Bytes()), "d41d8cd98f00b204e9800998ecf8427e");
}

TEST(HashHex, AlgorithmsAndDigestLengths) {
  struct Case {
    const char* name;
    std::uint32_t algorithm;
    int digestLength;
    const char* want;
  } cases[] = {
      {"md5", 0x8003, 16, "900150983CD24FB0D6963F7D28E17F72"},
      {"md5 in a larger buffer", 0x8003, 64, "900150983CD24FB0D6963F7D28E17F72"},
      {"md5 in a short buffer", 0x8003, 15, ""},
      {"md5 in no buffer", 0x8003, 0, ""},
      {"md5 in a negative buffer", 0x8003, -1, ""},
      {"sha-1", 0x8004, 20, "A9993E364706816ABA3E25717850C26C9CD0D89D"},
      {"sha-256", 0x800C, 32, "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD"},
      {"sha-384", 0x800D, 48,
       "CB00753F45A35E8BB5A03D699AC65007272C32AB0EDED1631A8B605A43FF5BED"
       "8086072BA1E7CC2358BAECA134C825A7"},
      {"sha-512", 0x800E, 64,
       "DDAF35A193617ABACC417349AE20413112E6FA4E89A97EA20A9EEEE64B55D39A"
       "2192992A274FC1A836BA3C23A3FEEBBD454D4423643CE80E2A9AC94FA54CA49F"},
      {"unknown algorithm", 0x8099, 64, ""},
      {"no algorithm", 0, 64, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(HashHex(kAbc, c.algorithm, c.digestLength), c.want);
  }
}

// Forwards to the platform's calls, records them, fails the one it is told to, and keeps the
// handles that are live.
class RecordingCalls final : public HashCalls {
 public:
  explicit RecordingCalls(std::string failing) : failing_(std::move(failing)) {}

  bool AcquireContext(HashContext& context, std::uint32_t flags) override {
    std::string call = flags ? "acquire verify" : "acquire default";
    log.push_back(call);
    // The flag is what is checked; the real context is always one without key storage,
    // since a machine need not have a default key container.
    if (Fails(call) || !real_.AcquireContext(context, 0xF0000000)) return false;
    contexts.insert(context);
    return true;
  }
  bool CreateHash(HashContext context, std::uint32_t algorithm, HashObject& hash) override {
    log.push_back("create");
    EXPECT_TRUE(contexts.count(context));
    if (Fails("create") || !real_.CreateHash(context, algorithm, hash)) return false;
    hashes.insert(hash);
    return true;
  }
  bool HashData(HashObject hash, const std::uint8_t* bytes, std::uint32_t count) override {
    log.push_back(bytes ? "hash " + std::to_string(count) : "hash no buffer");
    EXPECT_TRUE(hashes.count(hash));
    return !Fails("hash") && real_.HashData(hash, bytes, count);
  }
  bool GetHashValue(HashObject hash, std::uint8_t* buffer, std::uint32_t& length) override {
    log.push_back("read " + std::to_string(length));
    EXPECT_TRUE(hashes.count(hash));
    return !Fails("read") && real_.GetHashValue(hash, buffer, length);
  }
  void DestroyHash(HashObject hash) override {
    log.push_back("destroy");
    EXPECT_EQ(hashes.erase(hash), 1u);
    real_.DestroyHash(hash);
  }
  void ReleaseContext(HashContext context) override {
    log.push_back("release");
    EXPECT_TRUE(hashes.empty()) << "context released before its hash";
    EXPECT_EQ(contexts.erase(context), 1u);
    real_.ReleaseContext(context);
  }

  std::vector<std::string> log;
  std::set<HashContext> contexts;
  std::set<HashObject> hashes;

 private:
  bool Fails(const std::string& call) const {
    return call == failing_ || (failing_ == "acquire" && call.starts_with("acquire"));
  }
  HashCalls& real_ = PlatformHashCalls();
  std::string failing_;
};

TEST(HashHex, EveryExitReleasesWhatWasAcquired) {
  using Log = std::vector<std::string>;
  struct Case {
    const char* failing;
    Bytes data;
    const char* want;
    Log log;
  } cases[] = {
      {"none",
       kAbc,
       "900150983CD24FB0D6963F7D28E17F72",
       {"acquire verify", "create", "hash 3", "read 16", "destroy", "release"}},
      {"none",
       Bytes(),
       "D41D8CD98F00B204E9800998ECF8427E",
       {"acquire verify", "create", "hash no buffer", "read 16", "destroy", "release"}},
      {"acquire verify",
       kAbc,
       "900150983CD24FB0D6963F7D28E17F72",
       {"acquire verify", "acquire default", "create", "hash 3", "read 16", "destroy", "release"}},
      {"acquire", kAbc, "", {"acquire verify", "acquire default"}},
      {"create", kAbc, "", {"acquire verify", "create", "release"}},
      {"hash", kAbc, "", {"acquire verify", "create", "hash 3", "destroy", "release"}},
      {"read", kAbc, "", {"acquire verify", "create", "hash 3", "read 16", "destroy", "release"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.failing);
    RecordingCalls calls(c.failing);
    EXPECT_EQ(HashHex(calls, c.data, 0x8003, 16), c.want);
    EXPECT_EQ(calls.log, c.log);
    EXPECT_TRUE(calls.contexts.empty());
    EXPECT_TRUE(calls.hashes.empty());
  }
}

TEST(HashHex, ProviderFailuresReleaseWhatWasAcquired) {
  // An unknown algorithm fails at creation and a short buffer at the read, in the provider.
  RecordingCalls unknown("none");
  EXPECT_EQ(HashHex(unknown, kAbc, 0x1234, 16), "");
  EXPECT_EQ(unknown.log, (std::vector<std::string>{"acquire verify", "create", "release"}));
  RecordingCalls shortBuffer("none");
  EXPECT_EQ(HashHex(shortBuffer, kAbc, 0x8003, 8), "");
  EXPECT_EQ(shortBuffer.log, (std::vector<std::string>{"acquire verify", "create", "hash 3",
                                                       "read 8", "destroy", "release"}));
  EXPECT_TRUE(shortBuffer.contexts.empty() && shortBuffer.hashes.empty());
}

}  // namespace
