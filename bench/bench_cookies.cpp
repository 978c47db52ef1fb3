// MergeCookies with 100 to 10,000 pairs on each side, half of the names shared and one in
// ten received pairs deleted, beside the merge done step by step with list walks (the
// quadratic form) where that finishes in reasonable time.
#include <benchmark/benchmark.h>

#include <string>

#include "base/text_ops.h"
#include "base/text_search.h"
#include "web/cookies.h"

namespace {

void CookieTexts(int pairs, Text& submitted, Text& received) {
  std::string s, r;
  for (int i = 0; i < pairs; ++i) {
    s += "name" + std::to_string(i) + "=old" + std::to_string(i) + "; ";
    const int k = i + pairs / 2;
    r +=
        "name" + std::to_string(k) + (k % 10 == 0 ? "=deleted" : "=new" + std::to_string(k)) + "; ";
  }
  submitted = Text(s);
  received = Text(r);
}

void MergeCookiesOf(benchmark::State& state) {
  Text submitted, received;
  CookieTexts(static_cast<int>(state.range(0)), submitted, received);
  for (auto _ : state) {
    Text s = submitted, r = received;
    benchmark::DoNotOptimize(MergeCookies(s, r));
  }
}
BENCHMARK(MergeCookiesOf)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The merge with HasCookieName's and FindInList's list walks, as quadratic as they are.
Text StepByStepMerge(Text& submitted, Text& received) {
  submitted = RemoveSpaces(submitted);
  received = RemoveSpaces(received);
  TextList s = SplitText(submitted, ";"), r = SplitText(received, ";");
  for (int i = 1; i <= s.Count(); ++i) {
    if (!HasCookieName(r, CookieName(s.At(i)))) r.Append(s.At(i));
  }
  Text merged;
  for (int i = 1; i <= r.Count(); ++i) {
    if (TextRight(r.At(i), 8) != Text("=deleted")) merged += r.At(i) + "; ";
  }
  merged = TextLeft(merged, TextLength(merged) - 2);
  TextList pieces = SplitText(merged, "; "), seen;
  Text joined;
  for (int i = 1; i <= pieces.Count(); ++i) {
    if (FindInList(seen, pieces.At(i)) != -1) continue;
    seen.Append(pieces.At(i));
    joined += pieces.At(i) + "; ";
  }
  submitted = TextLeft(joined, TextLength(joined) - 2);
  return submitted;
}

void StepByStepMergeOf(benchmark::State& state) {
  Text submitted, received;
  CookieTexts(static_cast<int>(state.range(0)), submitted, received);
  for (auto _ : state) {
    Text s = submitted, r = received;
    benchmark::DoNotOptimize(StepByStepMerge(s, r));
  }
}
BENCHMARK(StepByStepMergeOf)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
