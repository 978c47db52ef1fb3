#include "web/cookies.h"

#include <string>
#include <string_view>
#include <unordered_set>

#include "base/bytes_ops.h"
#include "base/text_ops.h"
#include "base/text_search.h"

namespace {

const Text kPairSeparator = ";";
const Text kMergedSeparator = "; ";
const Text kDeleted = "=deleted";

}  // namespace

// The received list is searched by name once per submitted pair; a set of the names it
// holds keeps that linear, so a server that sends thousands of cookies cannot make the
// merge quadratic. The result is the one the walk with HasCookieName would give.
Text MergeCookies(Text& submittedCookies, Text& receivedCookies) {
  submittedCookies = RemoveSpaces(submittedCookies);
  receivedCookies = RemoveSpaces(receivedCookies);
  const TextList submitted = SplitText(submittedCookies, kPairSeparator);
  TextList received = SplitText(receivedCookies, kPairSeparator);

  std::unordered_set<std::string> names;
  for (const Text& pair : received)
    names.insert(CookieName(pair).str());
  for (const Text& pair : submitted) {
    if (names.insert(CookieName(pair).str()).second) received.Append(pair);
  }

  Text merged;
  for (const Text& pair : received) {
    if (TextRight(pair, TextLength(kDeleted)) == kDeleted) continue;
    merged += pair;
    merged += kMergedSeparator;
  }
  merged = TextLeft(merged, TextLength(merged) - TextLength(kMergedSeparator));
  submittedCookies = JoinUnique(merged, kMergedSeparator, 1);
  return submittedCookies;
}

Text CookieName(const Text& pair) {
  int equals = FindText(pair, "=", 1);
  return TrimSpaces(equals == -1 ? pair : TextLeft(pair, equals - 1));
}

bool HasCookieName(const TextList& list, const Text& name) {
  for (int i = 1; i <= list.Count(); ++i) {
    if (CookieName(list.At(i)) == name) return true;
  }
  return false;
}

// Pieces already seen are kept in a set rather than looked up with FindInList, so that
// the join stays linear in the number of pieces; the result is the same.
Text JoinUnique(const Text& text, const Text& delimiter, int splitMode) {
  TextList pieces;
  if (splitMode != 0) {
    pieces = SplitText(text, delimiter);
  } else {
    SplitCharacters(text, pieces);
  }
  std::unordered_set<std::string_view> seen;
  Text joined;
  for (const Text& piece : pieces) {
    if (!seen.insert(piece.view()).second) continue;
    joined += piece;
    joined += delimiter;
  }
  return TextLeft(joined, TextLength(joined) - TextLength(delimiter));
}

int SplitCharacters(const Text& text, TextList& list) {
  list = TextList();
  const Bytes bytes = TextToBytes(text);
  const int n = BytesLength(bytes);
  for (int i = 1; i <= n;) {
    int width = 1;
    if (i < n && (bytes.At(i) >= 0x81 || (bytes.At(i) == '\r' && bytes.At(i + 1) == '\n'))) {
      width = 2;
    }
    list.Append(BytesToText(BytesMid(bytes, i, width)));
    i += width;
  }
  return list.Count();
}

int FindInList(const TextList& list, const Text& text) {
  for (int i = 1; i <= list.Count(); ++i) {
    if (list.At(i) == text) return i;
  }
  return -1;
}
