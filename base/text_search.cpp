#include "base/text_search.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "base/byte_search.h"
#include "base/gbk.h"

namespace {

constexpr std::size_t kNone = std::string_view::npos;

char Fold(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

// Steps by characters from a character start to the first one at or after target, eight
// ASCII bytes at a time where it can.
std::size_t WalkTo(std::string_view t, std::size_t from, std::size_t target) {
  while (from < target) {
    std::uint64_t eight;
    if (target - from >= 8 &&
        (std::memcpy(&eight, t.data() + from, 8), !(eight & 0x8080808080808080u))) {
      from += 8;
    } else {
      from += CharWidth(t, from);
    }
  }
  return from;
}

// Finds sought (not empty) at a character start at or after from, which is one itself.
// The exact search lets the C library skip ahead, then checks that the hit begins a
// character by walking the characters up to it; the walk only moves forward, so the whole
// search stays linear.
std::size_t FindExact(std::string_view t, std::string_view sought, std::size_t from) {
  while (true) {
    std::size_t hit = FindBytes(t, sought, from);
    if (hit == kNone) return kNone;
    from = WalkTo(t, from, hit);
    if (from == hit) return hit;
  }
}

std::size_t FindFolded(std::string_view t, std::string_view sought, std::size_t from) {
  const char first = Fold(sought[0]);
  for (std::size_t i = from; i < t.size() && t.size() - i >= sought.size(); i += CharWidth(t, i)) {
    if (Fold(t[i]) == first && EqualIgnoringCase(t.substr(i, sought.size()), sought)) return i;
  }
  return kNone;
}

std::size_t Find(std::string_view t, std::string_view sought, std::size_t from, bool ignoreCase) {
  return ignoreCase ? FindFolded(t, sought, from) : FindExact(t, sought, from);
}

}  // namespace

int FindText(const Text& t, const Text& sought, int start, bool ignoreCase) {
  if (start < 1) start = 1;
  if (start > t.size()) return -1;
  if (sought.empty()) return 1;
  std::size_t hit = Find(t.view(), sought.view(), static_cast<std::size_t>(start) - 1, ignoreCase);
  return hit == kNone ? -1 : static_cast<int>(hit) + 1;
}

Text ReplaceText(const Text& t, const Text& sought, const Text& replacement, bool caseSensitive) {
  if (t.empty() || sought.empty()) return t;
  std::string_view v = t.view(), s = sought.view(), r = replacement.view();
  std::string out;
  out.reserve(v.size());
  std::size_t done = 0;  // bytes of t already copied or replaced
  for (std::size_t hit; (hit = Find(v, s, done, !caseSensitive)) != kNone; done = hit + s.size()) {
    out.append(v.substr(done, hit - done)).append(r);
  }
  out.append(v.substr(done));
  return Text(std::move(out));
}

TextList SplitText(const Text& t, const Text& delimiter) {
  TextList pieces;
  if (t.empty()) return pieces;
  if (delimiter.empty()) {
    pieces.Append(t);
    return pieces;
  }
  std::string_view v = t.view(), d = delimiter.view();
  // Counting first sizes the list once: growing it piece by piece moves every piece again.
  int count = 1;
  for (std::size_t hit = 0; (hit = FindExact(v, d, hit)) != kNone; hit += d.size())
    ++count;
  pieces.Reserve(count);
  std::size_t done = 0;
  for (std::size_t hit; (hit = FindExact(v, d, done)) != kNone; done = hit + d.size()) {
    pieces.Append(Text(v.substr(done, hit - done)));
  }
  if (done < v.size()) pieces.Append(Text(v.substr(done)));
  return pieces;
}
