#include "web/cookies.h"

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "base/bytes_ops.h"
#include "base/text_ops.h"
#include "base/text_search.h"
#include "web/keyed_hash.h"
#include "web/text_pieces.h"

namespace {

const Text kPairSeparator = ";";
const Text kMergedSeparator = "; ";
constexpr std::string_view kDeleted = "=deleted";

}  // namespace

// The received list is searched by name once per submitted pair; a set of the names it
// holds, hashed with a key the server cannot know, keeps that linear, so a server that
// sends thousands of cookies cannot make the merge quadratic. The result is the one the walk with
// HasCookieName would give.
Text MergeCookies(Text& submittedCookies, Text& receivedCookies) {
  submittedCookies = RemoveSpaces(submittedCookies);
  receivedCookies = RemoveSpaces(receivedCookies);
  std::vector<std::string_view> pairs, submitted;
  ForEachPiece(receivedCookies, kPairSeparator, [&](std::string_view p) { pairs.push_back(p); });
  ForEachPiece(submittedCookies, kPairSeparator,
               [&](std::string_view p) { submitted.push_back(p); });

  std::unordered_set<std::string, KeyedHash> names;
  names.reserve(pairs.size() + submitted.size());
  for (std::string_view pair : pairs)
    names.insert(CookieName(Text(pair)).str());
  for (std::string_view pair : submitted) {
    if (names.insert(CookieName(Text(pair)).str()).second) pairs.push_back(pair);
  }

  // Deleted cookies are left out; a pair of fewer than 8 bytes never ends in "=deleted".
  std::string merged;
  merged.reserve(submittedCookies.str().size() + receivedCookies.str().size() + 2 * pairs.size());
  for (std::string_view pair : pairs) {
    if (pair.ends_with(kDeleted)) continue;
    merged.append(pair).append(kMergedSeparator.view());
  }
  const std::size_t separator = kMergedSeparator.view().size();
  merged.resize(merged.size() >= separator ? merged.size() - separator : 0);
  submittedCookies = JoinUnique(Text(std::move(merged)), kMergedSeparator, 1);
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
  TextList characters;
  std::vector<std::string_view> pieces;
  if (splitMode != 0) {
    ForEachPiece(text, delimiter, [&](std::string_view p) { pieces.push_back(p); });
  } else {
    SplitCharacters(text, characters);
    for (const Text& c : characters)
      pieces.push_back(c.view());
  }
  std::unordered_set<std::string_view, KeyedHash> seen;
  seen.reserve(pieces.size());
  std::string joined;
  joined.reserve(text.str().size() + (pieces.size() + 1) * delimiter.str().size());
  for (std::string_view piece : pieces) {
    if (!seen.insert(piece).second) continue;
    joined.append(piece).append(delimiter.view());
  }
  joined.resize(joined.size() >= delimiter.str().size() ? joined.size() - delimiter.str().size()
                                                        : 0);
  return Text(std::move(joined));
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
