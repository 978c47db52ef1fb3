// Random cookie texts merged, and random texts through the list routines: every input gives
// a result, and both of the caller's variables end as the merge promises.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/text_ops.h"
#include "web/cookies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int splitMode = input.ConsumeIntegralInRange<int>(0, 2);
  const Text delimiter(input.ConsumeRandomLengthString(4));
  const Text submittedIn(input.ConsumeRandomLengthString(size));
  const Text receivedIn(input.ConsumeRemainingBytesAsString());

  Text submitted = submittedIn, received = receivedIn;
  const Text merged = MergeCookies(submitted, received);
  if (submitted != merged || received != RemoveSpaces(receivedIn)) std::abort();
  // Each separator ";" becomes "; " at most, so the merge can at most double its input.
  if (merged.size() > 2 * (submittedIn.size() + receivedIn.size())) std::abort();

  const Text joined = JoinUnique(receivedIn, delimiter, splitMode);
  const std::size_t room = splitMode != 0 ? receivedIn.str().size()
                                          : receivedIn.str().size() * (1 + delimiter.str().size());
  if (joined.str().size() > room) std::abort();

  TextList characters = {"stale"};
  const int count = SplitCharacters(receivedIn, characters);
  if (count != characters.Count()) std::abort();
  std::string rejoined;
  for (const Text& c : characters)
    rejoined += c.str();
  if (rejoined != receivedIn.str()) std::abort();
  if (count > 0 && FindInList(characters, characters.At(count)) < 1) std::abort();
  if (HasCookieName(characters, CookieName(submittedIn)) && characters.Count() == 0) std::abort();
  return 0;
}
