// Any bytes as a header line and as a header block: every routine gives a result, and the
// normalised block keeps the shape it promises.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/text_ops.h"
#include "base/text_search.h"
#include "web/header_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text text(std::string(reinterpret_cast<const char*>(data), size));

  const Text name = HeaderName(text), value = HeaderValue(text);
  if (name.size() + value.size() >= text.size() && !text.empty()) std::abort();

  const Text capitalized = CapitalizeFirst(text);
  if (capitalized.size() != text.size() || ToLower(capitalized) != ToLower(text)) std::abort();

  const Text block = NormalizeHeaderBlock(text);
  if (block.size() > text.size()) std::abort();
  // Lines that all hold a colon, joined by CR LF, none empty and none after the last.
  Text rejoined;
  for (const Text& line : SplitText(block, "\r\n")) {
    if (FindText(line, ":", 1) == -1) std::abort();
    rejoined += line + "\r\n";
  }
  if (TextLeft(rejoined, TextLength(rejoined) - 2) != block) std::abort();
  if (NormalizeHeaderBlock(block) != block) std::abort();
  return 0;
}
