// The text primitives beside references measured in the same run: memmem for searching, a
// plain appending loop for replacing, and the 1 MiB split for the 4 MiB one.
#include <benchmark/benchmark.h>
#include <string.h>

#include <random>
#include <string>

#include "base/text_search.h"

namespace {

constexpr int kMiB = 1 << 20;

Text AsciiText(int size) {
  std::mt19937 random(1);
  std::string s(size, ' ');
  for (auto& c : s)
    c = static_cast<char>('a' + random() % 26);
  return Text(std::move(s));
}

// Mixed GBK: ASCII runs between double-byte characters.
Text GbkText(int size) {
  std::mt19937 random(2);
  std::string s;
  while (static_cast<int>(s.size()) < size) {
    if (random() % 3 == 0) {
      s += static_cast<char>(0xB0 + random() % 0x40);
      s += static_cast<char>(0xA1 + random() % 0x5E);
    } else {
      s += static_cast<char>('a' + random() % 26);
    }
  }
  return Text(s.substr(0, size));
}

const Text kAbsent = "absentneedle!";

void FindAscii(benchmark::State& state) {
  Text t = AsciiText(kMiB);
  for (auto _ : state)
    benchmark::DoNotOptimize(FindText(t, kAbsent));
  state.SetBytesProcessed(state.iterations() * kMiB);
}

void FindGbk(benchmark::State& state) {
  Text t = GbkText(kMiB);
  for (auto _ : state)
    benchmark::DoNotOptimize(FindText(t, kAbsent));
  state.SetBytesProcessed(state.iterations() * kMiB);
}

template <Text (*kMake)(int)>
void MemmemReference(benchmark::State& state) {
  Text t = kMake(kMiB);
  for (auto _ : state) {
    benchmark::DoNotOptimize(memmem(t.c_str(), t.size(), kAbsent.c_str(), kAbsent.size()));
  }
  state.SetBytesProcessed(state.iterations() * kMiB);
}

// A match at the far end makes the search walk every character before it.
void FindFar(benchmark::State& state) {
  Text t = AsciiText(kMiB) + kAbsent;
  for (auto _ : state)
    benchmark::DoNotOptimize(FindText(t, kAbsent));
  state.SetBytesProcessed(state.iterations() * kMiB);
}

void Replace(benchmark::State& state) {
  Text t(std::string(kMiB, 'a'));
  for (auto _ : state)
    benchmark::DoNotOptimize(ReplaceText(t, "a", "bb"));
  state.SetBytesProcessed(state.iterations() * kMiB);
}

void ReplaceReference(benchmark::State& state) {
  std::string t(kMiB, 'a');
  for (auto _ : state) {
    std::string out;
    for (char c : t) {
      if (c == 'a') {
        out += "bb";
      } else {
        out += c;
      }
    }
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(state.iterations() * kMiB);
}

void Split(benchmark::State& state) {
  std::string s;
  while (static_cast<int>(s.size()) < state.range(0))
    s += "abcdefg;";
  Text t(std::move(s));
  for (auto _ : state)
    benchmark::DoNotOptimize(SplitText(t, ";"));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(FindAscii);
BENCHMARK(MemmemReference<AsciiText>)->Name("FindAscii/memmem");
BENCHMARK(FindGbk);
BENCHMARK(MemmemReference<GbkText>)->Name("FindGbk/memmem");
BENCHMARK(FindFar);
BENCHMARK(Replace);
BENCHMARK(ReplaceReference)->Name("Replace/append-loop");
BENCHMARK(Split)->Arg(kMiB)->Arg(4 * kMiB);

BENCHMARK_MAIN();
