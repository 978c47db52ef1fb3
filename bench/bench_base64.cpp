// Base64Encode of 16 MiB beside OpenSSL's EVP_EncodeBlock on the same bytes.
#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <random>
#include <string>
#include <vector>

#include "codec/base64.h"

namespace {

constexpr std::size_t kSize = 16 << 20;

std::string RandomBytes() {
  std::mt19937 random(7);
  std::string bytes(kSize, '\0');
  for (char& b : bytes)
    b = static_cast<char>(random());
  return bytes;
}

void Base64EncodeOf16MiB(benchmark::State& state) {
  Bytes data(RandomBytes());
  for (auto _ : state) {
    benchmark::DoNotOptimize(Base64Encode(data));
    data.str().resize(kSize);  // take back the padding (16 MiB is not a multiple of 3)
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}
BENCHMARK(Base64EncodeOf16MiB)->Unit(benchmark::kMillisecond);

void OpenSslEncodeBlockOf16MiB(benchmark::State& state) {
  const std::string data = RandomBytes();
  for (auto _ : state) {
    std::vector<unsigned char> out(4 * ((kSize + 2) / 3) + 1);
    EVP_EncodeBlock(out.data(), reinterpret_cast<const unsigned char*>(data.data()),
                    static_cast<int>(kSize));
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}
BENCHMARK(OpenSslEncodeBlockOf16MiB)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
