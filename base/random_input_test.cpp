// Random bytes and extreme positions through every primitive: the results must match a
// naive character-by-character reference and keep their invariants. Run under the
// sanitizers, this is also the check that no input leads to undefined behaviour.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "base/bytes_ops.h"
#include "base/text_ops.h"
#include "base/text_search.h"

namespace {

// Bytes drawn from a tiny alphabet rich in lead bytes, so that matches straddle characters.
std::string RandomBytes(std::mt19937& random, int maxLength) {
  static const char kAlphabet[] = {'a', 'A', 'b', ' ', ';', '\x80', '\xA1', '\xB0', '\xFF'};
  std::string s(random() % (maxLength + 1), ' ');
  for (auto& c : s)
    c = kAlphabet[random() % sizeof kAlphabet];
  return s;
}

int RandomPosition(std::mt19937& random) {
  static const int kExtremes[] = {INT_MIN, -1, 0, 1, 2, 3, 5, 8, 13, INT_MAX};
  return kExtremes[random() % std::size(kExtremes)];
}

char Fold(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// The definition itself: try every character start from the start position.
int NaiveFind(const std::string& t, const std::string& sought, int start, bool ignoreCase) {
  if (start < 1) start = 1;
  if (start > static_cast<int>(t.size())) return -1;
  if (sought.empty()) return 1;
  for (std::size_t i = start - 1; i < t.size();
       i += static_cast<unsigned char>(t[i]) >= 0x80 ? 2 : 1) {
    if (t.size() - i < sought.size()) break;
    bool match = true;
    for (std::size_t k = 0; k < sought.size() && match; ++k) {
      match = ignoreCase ? Fold(t[i + k]) == Fold(sought[k]) : t[i + k] == sought[k];
    }
    if (match) return static_cast<int>(i) + 1;
  }
  return -1;
}

TEST(RandomInput, FindMatchesTheNaiveDefinition) {
  std::mt19937 random(7);
  for (int round = 0; round < 20000; ++round) {
    std::string t = RandomBytes(random, 40), sought = RandomBytes(random, 3);
    int start = RandomPosition(random);
    bool ignoreCase = random() % 2;
    ASSERT_EQ(FindText(Text(t), Text(sought), start, ignoreCase),
              NaiveFind(t, sought, start, ignoreCase))
        << testing::PrintToString(t) << " " << testing::PrintToString(sought) << " " << start;
  }
}

TEST(RandomInput, ReplaceAndSplitAgreeWithFind) {
  std::mt19937 random(11);
  for (int round = 0; round < 5000; ++round) {
    std::string t = RandomBytes(random, 40), sought = RandomBytes(random, 2);
    std::string want;  // replacing with "<>" by repeated naive finds
    if (t.empty() || sought.empty()) {
      want = t;
    } else {
      std::size_t done = 0;
      for (int hit;
           (hit = NaiveFind(t, sought, static_cast<int>(done) + 1, true)) != -1 && done < t.size();
           done = hit - 1 + sought.size()) {
        want += t.substr(done, hit - 1 - done) + "<>";
      }
      if (done < t.size()) want += t.substr(done);
    }
    ASSERT_EQ(ReplaceText(Text(t), Text(sought), "<>").str(), want) << testing::PrintToString(t);

    // Joining the pieces with the delimiter gives t back, less one trailing delimiter.
    TextList pieces = SplitText(Text(t), Text(sought));
    std::string joined;
    for (int i = 1; i <= pieces.Count(); ++i)
      joined += (i > 1 ? sought : "") + pieces.At(i).str();
    if (joined != t) joined += sought;  // the rest after the last delimiter was empty
    ASSERT_EQ(joined, t) << testing::PrintToString(t) << " " << testing::PrintToString(sought);
  }
}

TEST(RandomInput, EveryPrimitiveTakesAnyBytesAndCounts) {
  std::mt19937 random(13);
  for (int round = 0; round < 5000; ++round) {
    std::string s = RandomBytes(random, 12);
    Text t(s);
    int a = RandomPosition(random), b = RandomPosition(random);
    EXPECT_LE(TextLeft(t, a).size(), t.size());
    EXPECT_LE(TextRight(t, a).size(), t.size());
    Text mid = TextMid(t, a, b);
    if (!mid.empty()) {
      EXPECT_EQ(s.substr(a - 1, mid.size()), mid.str());
    }
    Text trimmed = TrimSpaces(t), removed = RemoveSpaces(t);
    EXPECT_NE(s.find(trimmed.str()), std::string::npos);
    EXPECT_LE(removed.size(), trimmed.size());
    EXPECT_EQ(ToUpper(t).size(), t.size());
    EXPECT_EQ(ToLower(ToUpper(t)), ToLower(t));
    Bytes bytes = TextToBytes(t);
    EXPECT_EQ(BytesToText(bytes), t);
    EXPECT_LE(BytesMid(bytes, a, b).size(), bytes.size());
    EXPECT_EQ(BlankBytes(a % 64).size(), a > 0 ? a % 64 : 0);
  }
}

}  // namespace
