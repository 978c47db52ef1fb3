// The pieces that SplitText gives, handed one by one to a function as views into the text
// instead of being copied into a list, for routines that walk thousands of pieces and keep
// few of them.
#pragma once

#include <string_view>

#include "base/text.h"
#include "base/text_search.h"

// Calls visit(std::string_view piece) for each piece of SplitText(text, delimiter), in order.
template <typename Visit>
void ForEachPiece(const Text& text, const Text& delimiter, Visit visit) {
  if (text.empty()) return;
  if (delimiter.empty()) {
    visit(text.view());
    return;
  }
  const std::string_view v = text.view();
  int start = 1;  // where the next piece begins; always the start of a character
  for (int hit; (hit = FindText(text, delimiter, start)) != -1; start = hit + delimiter.size()) {
    visit(v.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(hit - start)));
  }
  if (start <= text.size()) visit(v.substr(static_cast<std::size_t>(start) - 1));
}
