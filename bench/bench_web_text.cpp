// The header and extraction routines on 1 and 4 MiB inputs, each beside a plain pass of
// the C library over the same bytes, to show that time grows in line with the input.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "web/extraction.h"
#include "web/header_text.h"

namespace {

// About 52 bytes a line: 20,000 lines make 1 MiB.
std::string HeaderBlock(std::size_t bytes) {
  std::string block;
  for (int i = 0; block.size() < bytes; ++i) {
    block += "x-custom-header-" + std::to_string(i % 1000) + ": value-" + std::to_string(i) +
             "; path=/; q=a:b:c:d\r\n";
  }
  block.resize(bytes);
  return block;
}

void NormalizeHeaderBlockOf(benchmark::State& state) {
  const Text block(HeaderBlock(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state)
    benchmark::DoNotOptimize(NormalizeHeaderBlock(block));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(NormalizeHeaderBlockOf)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

// Reference: finding every line end with memmem and copying each line once.
void ReferenceLineCopyOf(benchmark::State& state) {
  const std::string block = HeaderBlock(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    std::string out;
    const char* p = block.data();
    const char* end = p + block.size();
    while (const void* hit = memmem(p, static_cast<std::size_t>(end - p), "\r\n", 2)) {
      out.append(p, static_cast<const char*>(hit) + 2);
      p = static_cast<const char*>(hit) + 2;
    }
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReferenceLineCopyOf)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

// The right marker sits at the end, after a walk over the whole text.
std::string MarkedText(std::size_t bytes) {
  std::string text = "<left>" + std::string(bytes, 'a') + "<right>";
  for (std::size_t i = 100; i < text.size() - 10; i += 100)
    text[i] = '<';
  return text;
}

void TextBetweenWalking(benchmark::State& state) {
  const Text text(MarkedText(static_cast<std::size_t>(state.range(0))));
  const Text left = "<left>", right = "<right>";
  for (auto _ : state)
    benchmark::DoNotOptimize(TextBetween(text, left, right));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(TextBetweenWalking)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMicrosecond);

void ReferenceMemmemWalking(benchmark::State& state) {
  const std::string text = MarkedText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    const char* start = static_cast<const char*>(memmem(text.data(), text.size(), "<left>", 6)) + 6;
    const char* end = static_cast<const char*>(
        memmem(start, text.size() - static_cast<std::size_t>(start - text.data()), "<right>", 7));
    benchmark::DoNotOptimize(std::string(start, end));
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReferenceMemmemWalking)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
