// Random texts, markers, start positions and flags: the pieces cut out always lie inside
// the text, where the routines say.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "web/extraction.h"

namespace {

Text Take(FuzzedDataProvider& input, std::size_t maxLength) {
  return Text(input.ConsumeRandomLengthString(maxLength));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int startPosition = input.ConsumeIntegral<int>();
  const bool ignoreCase = input.ConsumeBool();
  const Text delimiter = Take(input, 16), left = Take(input, 16), right = Take(input, 16);
  const Text text = Take(input, size);

  const Text before = TextBefore(text, delimiter, startPosition, ignoreCase);
  if (text.view().substr(0, before.view().size()) != before.view()) std::abort();

  const Text between = TextBetween(text, left, right, startPosition, ignoreCase);
  if (!between.empty() && text.view().find(between.view()) == std::string::npos) std::abort();
  if (TextBetween(text, left, right) != TextBetween(text, left, right, 1, false)) std::abort();
  return 0;
}
