#include "base/text_ops.h"

#include <algorithm>
#include <cstdint>

#include "base/gbk.h"

int TextLength(const Text& t) {
  return t.size();
}

Text TextLeft(const Text& t, int n) {
  if (n <= 0) return {};
  return Text(t.view().substr(0, static_cast<std::size_t>(n)));
}

Text TextRight(const Text& t, int n) {
  if (n <= 0) return {};
  auto count = std::min(static_cast<std::size_t>(n), t.view().size());
  return Text(t.view().substr(t.view().size() - count));
}

Text TextMid(const Text& t, int start, int n) {
  if (start < 1 || start > t.size() || n <= 0) return {};
  return Text(t.view().substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(n)));
}

int CharCode(const Text& t) {
  return t.empty() ? 0 : static_cast<std::int8_t>(t.view()[0]);
}

namespace {

// The width of a space character at index i (1 or 2), or 0 when none begins there.
std::size_t SpaceWidth(std::string_view t, std::size_t i) {
  if (t[i] == ' ') return 1;
  if (t[i] == '\xA1' && i + 1 < t.size() && t[i + 1] == '\xA1') return 2;
  return 0;
}

// Whether the character at index i is a lead byte with nothing after it.
bool IsLoneLead(std::string_view t, std::size_t i) {
  return IsLeadByte(t[i]) && i + 1 == t.size();
}

}  // namespace

Text TrimSpaces(const Text& t) {
  std::string_view v = t.view();
  std::size_t first = v.size(), last = 0;  // the kept span [first, last)
  for (std::size_t i = 0; i < v.size();) {
    if (IsLoneLead(v, i)) break;
    std::size_t space = SpaceWidth(v, i);
    std::size_t width = space ? space : CharWidth(v, i);
    if (!space) {
      first = std::min(first, i);
      last = i + width;
    }
    i += width;
  }
  return first < last ? Text(v.substr(first, last - first)) : Text();
}

Text RemoveSpaces(const Text& t) {
  std::string_view v = t.view();
  std::string kept;
  kept.reserve(v.size());
  for (std::size_t i = 0; i < v.size();) {
    if (IsLoneLead(v, i)) break;
    std::size_t space = SpaceWidth(v, i);
    std::size_t width = space ? space : CharWidth(v, i);
    if (!space) kept.append(v.substr(i, width));
    i += width;
  }
  return Text(std::move(kept));
}

namespace {

template <char kFrom, char kTo>
Text ShiftCase(const Text& t) {
  std::string out = t.str();
  for (std::size_t i = 0; i < out.size(); i += CharWidth(out, i)) {
    if (out[i] >= kFrom && out[i] <= kFrom + 25) out[i] = static_cast<char>(out[i] - kFrom + kTo);
  }
  return Text(std::move(out));
}

}  // namespace

Text ToUpper(const Text& t) {
  return ShiftCase<'a', 'A'>(t);
}
Text ToLower(const Text& t) {
  return ShiftCase<'A', 'a'>(t);
}
