#include "base/text_search.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

TEST(FindText, PositionsAndEdges) {
  struct Case {
    const char* name;
    Text t, sought;
    int start;
    bool ignoreCase;
    int want;
  } cases[] = {
      {"first match", "abcabc", "bc", 0, false, 2},
      {"counted in all of t", "abcabc", "bc", 3, false, 5},
      {"start at the match", "abcabc", "bc", 5, false, 5},
      {"start 1", "abc", "a", 1, false, 1},
      {"start negative", "abc", "a", -7, false, 1},
      {"start INT_MIN", "abc", "a", INT_MIN, false, 1},
      {"start past end", "abc", "c", 4, false, -1},
      {"start INT_MAX", "abc", "c", INT_MAX, false, -1},
      {"absent", "abc", "d", 0, false, -1},
      {"sought longer than t", "ab", "abc", 0, false, -1},
      {"match runs past the end", "abca", "ab", 2, false, -1},
      {"empty t", "", "a", 0, false, -1},
      {"empty sought", "abc", "", 0, false, 1},
      {"empty sought, later start", "abc", "", 3, false, 1},
      {"empty sought, start past end", "abc", "", 4, false, -1},
      {"empty sought, empty t", "", "", 0, false, -1},
      {"case matters", "ABC", "b", 0, false, -1},
      {"ignore case", "ABC", "b", 0, true, 2},
      {"ignore case both ways", "xAbC", "aBc", 0, true, 2},
      {"ignore case leaves other bytes", "[", "{", 0, true, -1},
      // "\xB0" "a" is one character: its second byte is not a place to match.
      {"no match on a trail byte",
       "\xB0"
       "ab",
       "ab", 0, false, -1},
      {"match after a pair",
       "\xB0"
       "aab",
       "ab", 0, false, 3},
      {"trail byte skipped with ignore case",
       "\xB0"
       "Ab",
       "ab", 0, true, -1},
      {"matching a whole character", "x\xD6\xD0\xCE\xC4", "\xCE\xC4", 0, false, 4},
      {"second half of one character and first of the next", "\xD6\xD0\xCE\xC4", "\xD0\xCE", 0,
       false, -1},
      {"start inside a character restarts the stepping",
       "\xD6"
       "ab",
       "ab", 2, false, 2},
      {"lone lead byte at the end", "ab\xFF", "\xFF", 0, false, 3},
      {"0x80 bytes", "\x80\x80\x80\x80", "\x80\x80", 2, false, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FindText(c.t, c.sought, c.start, c.ignoreCase), c.want);
  }
}

TEST(FindText, HitOnTrailByteThenRealMatchLater) {
  // The first byte-wise hit sits on a trail byte; the search must go on to the real one.
  EXPECT_EQ(FindText("\xB0"
                     "a"
                     "\xB0"
                     "a"
                     "a",
                     "a"),
            5);
  EXPECT_EQ(FindText(Text(std::string(1001, '\xB0') + "zz"), "zz"), -1);
  EXPECT_EQ(FindText(Text(std::string(1000, '\xB0') + "zz"), "zz"), 1001);
}

TEST(ReplaceText, EveryMatchWithoutOverlap) {
  struct Case {
    const char* name;
    Text got, want;
  } cases[] = {
      {"every match", ReplaceText("a-b-c", "-", "+", true), "a+b+c"},
      {"no overlap", ReplaceText("aaaa", "aa", "b", true), "bb"},
      {"odd leftover", ReplaceText("aaa", "aa", "b", true), "ba"},
      {"growing", ReplaceText("aaa", "a", "bb", true), "bbbbbb"},
      {"no replacement removes", ReplaceText("a-b-c", "-"), "abc"},
      {"case-insensitive by default", ReplaceText("Abc aBC", "bc", "X"), "AX aX"},
      {"case-sensitive", ReplaceText("Abc aBC", "bc", "X", true), "AX aBC"},
      {"empty t", ReplaceText("", "a", "b"), ""},
      {"empty sought", ReplaceText("abc", "", "b"), "abc"},
      {"absent", ReplaceText("abc", "d", "e"), "abc"},
      {"replacement holds the sought", ReplaceText("ab", "a", "aa", true), "aab"},
      {"trail bytes stepped over",
       ReplaceText("\xB0"
                   "aa",
                   "a", "x", true),
       "\xB0"
       "ax"},
      {"trail bytes stepped over, any case",
       ReplaceText("\xB0"
                   "AA",
                   "a", "x"),
       "\xB0"
       "Ax"},
      {"whole characters", ReplaceText("\xD6\xD0\xCE\xC4\xD6\xD0", "\xD6\xD0", "Z", true),
       "Z\xCE\xC4Z"},
      {"sought longer than t", ReplaceText("ab", "abc", "x"), "ab"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.got, c.want);
  }
}

TEST(SplitText, PiecesBetweenDelimiters) {
  struct Case {
    const char* name;
    Text t, delimiter;
    TextList want;
  } cases[] = {
      {"plain", "a;b;c", ";", {"a", "b", "c"}},
      {"empty pieces before delimiters stay", ";a;;b", ";", {"", "a", "", "b"}},
      {"trailing delimiter adds nothing", "a;b;", ";", {"a", "b"}},
      {"only delimiters", ";;", ";", {"", ""}},
      {"no delimiter", "abc", ";", {"abc"}},
      {"empty t", "", ";", {}},
      {"empty delimiter", "a;b", "", {"a;b"}},
      {"long delimiter", "a\r\nb\r\n\r\nc", "\r\n", {"a", "b", "", "c"}},
      {"delimiter longer than t", "ab", "abc", {"ab"}},
      {"exact case", "aXbxc", "x", {"aXb", "c"}},
      {"trail byte is no delimiter", "\xB0;a;b", ";", {"\xB0;a", "b"}},
      {"lone lead byte at the end", "a;\xFF", ";", {"a", "\xFF"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SplitText(c.t, c.delimiter), c.want);
  }
}

TEST(SplitText, LargeInputKeepsEveryPiece) {
  std::string big;
  for (int i = 0; i < 100000; ++i)
    big += "piece" + std::to_string(i % 10) + ";";
  TextList pieces = SplitText(Text(big), ";");
  ASSERT_EQ(pieces.Count(), 100000);
  EXPECT_EQ(pieces.At(1), "piece0");
  EXPECT_EQ(pieces.At(100000), "piece9");
}

}  // namespace
