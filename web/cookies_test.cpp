#include "web/cookies.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "base/text_ops.h"
#include "base/text_search.h"
#include "web/test_printers.h"

namespace {

TEST(Cookies, MergeCookiesWritesBothVariables) {
  struct Case {
    const char *submitted, *received, *merged, *receivedAfter;
  };
  const Case kCases[] = {
      {"a=1; b=2", "b=3; c=deleted", "b=3; a=1", "b=3;c=deleted"},
      {"sid=abc; lang=en", "sid=deleted", "lang=en", "sid=deleted"},
      {"", "x=1; x=1; y=2", "x=1; y=2", "x=1;x=1;y=2"},
      {"a=1", "a=2; a=3", "a=2; a=3", "a=2;a=3"},
      {"k=v w", "", "k=vw", ""},
      {"a=1;;b=2", "c=3", "c=3; a=1; ; b=2", "c=3"},
      {"a=1", "b=2; ", "b=2; a=1", "b=2;"},
      {"a=1", "b=2", "b=2; a=1", "b=2"},
      {"c=1", "c=DELETED", "c=DELETED", "c=DELETED"},
      {"", "", "", ""},
      {"a=1; a=2", "", "a=1", ""},
      {"a=deleted; b=1", "", "b=1", ""},
      {"\xA1\xA1s = 1\xA1\xA1", "t=\xA1\xA1 2", "t=2; s=1", "t=2"},  // full-width spaces
      {"a=1;;", ";b=2", "; b=2; a=1", ";b=2"},  // the received empty pair is kept
      {"noequals; a=1", "noequals=5", "noequals=5; a=1", "noequals=5"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.submitted << " | " << c.received);
    Text submitted = c.submitted, received = c.received;
    EXPECT_EQ(MergeCookies(submitted, received), Text(c.merged));
    EXPECT_EQ(submitted, Text(c.merged));
    EXPECT_EQ(received, Text(c.receivedAfter));
  }
}

TEST(Cookies, CookieNameAndHasCookieName) {
  EXPECT_EQ(CookieName(" sid = abc"), Text("sid"));
  EXPECT_EQ(CookieName("a=b=c"), Text("a"));
  EXPECT_EQ(CookieName(" flag "), Text("flag"));
  EXPECT_EQ(CookieName("=v"), Text(""));
  EXPECT_EQ(CookieName(""), Text(""));

  const TextList list = {"a=1", " b =2", "=x"};
  EXPECT_TRUE(HasCookieName(list, "b"));
  EXPECT_TRUE(HasCookieName(list, ""));
  EXPECT_FALSE(HasCookieName(list, "c"));
  EXPECT_FALSE(HasCookieName({}, ""));
}

TEST(Cookies, JoinUnique) {
  struct Case {
    const char *text, *delimiter;
    int splitMode;
    const char* expected;
  };
  const Case kCases[] = {
      {"b; a; b", "; ", 1, "b; a"},
      {"hello", ",", 0, "h,e,l,o"},
      {"", "; ", 1, ""},
      {"", ",", 0, ""},
      {"a;b;a", "", 1, "a;b;a"},
      {"a;;b;;a", ";", 5, "a;;b"},  // the first empty piece stays, later ones go
      {"a;b;", ";", 1, "a;b"},
      {"\xB0\xA1x\xB0\xA1\r\n\r\n", "|", 0, "\xB0\xA1|x|\r\n"},
      {"aab", "", 0, "ab"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.text << " | " << c.delimiter << " | " << c.splitMode);
    EXPECT_EQ(JoinUnique(c.text, c.delimiter, c.splitMode), Text(c.expected));
  }
}

TEST(Cookies, SplitCharacters) {
  struct Case {
    const char* text;
    TextList expected;
  };
  const Case kCases[] = {
      {"ab\r\nc", {"a", "b", "\r\n", "c"}},
      {"ab\r", {"a", "b", "\r"}},
      {"\r\r\n", {"\r", "\r\n"}},
      {"\n\r", {"\n", "\r"}},
      {"\xB0\xA1z", {"\xB0\xA1", "z"}},
      {"z\xB0", {"z", "\xB0"}},                // a lead byte at the end stands alone
      {"\x80z\x81z", {"\x80", "z", "\x81z"}},  // 0x80 leads no pair here
      {"\xFF\r\n", {"\xFF\r", "\n"}},
      {"", {}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
    TextList list = {"old", "contents"};
    EXPECT_EQ(SplitCharacters(c.text, list), c.expected.Count());
    EXPECT_EQ(list, c.expected);
  }
}

TEST(Cookies, FindInList) {
  const TextList list = {"a", "", "b", "a"};
  EXPECT_EQ(FindInList(list, "a"), 1);
  EXPECT_EQ(FindInList(list, ""), 2);
  EXPECT_EQ(FindInList(list, "b"), 3);
  EXPECT_EQ(FindInList(list, "A"), -1);
  EXPECT_EQ(FindInList({}, ""), -1);
  EXPECT_EQ(FindInList({}, "a"), -1);
}

// The merge exactly as its rules state it, step by step with the list walks, kept as the
// reference that the faster routine must match.
namespace reference {

Text CookieName(const Text& pair) {
  int p = FindText(pair, "=", 1);
  Text name = p != -1 ? TextLeft(pair, p - 1) : pair;
  return TrimSpaces(name);
}

bool HasCookieName(const TextList& list, const Text& name) {
  for (int i = 1; i <= list.Count(); ++i) {
    if (reference::CookieName(list.At(i)) == name) return true;
  }
  return false;
}

int FindInList(const TextList& list, const Text& text) {
  for (int i = 1; i <= list.Count(); ++i) {
    if (list.At(i) == text) return i;
  }
  return -1;
}

Text JoinUnique(const Text& text, const Text& delimiter) {
  TextList pieces = SplitText(text, delimiter);
  TextList seen;
  Text accumulator;
  for (int i = 1; i <= pieces.Count(); ++i) {
    if (reference::FindInList(seen, pieces.At(i)) != -1) continue;
    seen.Append(pieces.At(i));
    accumulator = accumulator + pieces.At(i) + delimiter;
  }
  return TextLeft(accumulator, TextLength(accumulator) - TextLength(delimiter));
}

Text MergeCookies(Text& submitted, Text& received) {
  submitted = RemoveSpaces(submitted);
  received = RemoveSpaces(received);
  TextList s = SplitText(submitted, ";");
  TextList r = SplitText(received, ";");
  for (int i = 1; i <= s.Count(); ++i) {
    if (!reference::HasCookieName(r, reference::CookieName(s.At(i)))) r.Append(s.At(i));
  }
  submitted = Text();
  for (int i = 1; i <= r.Count(); ++i) {
    if (!(TextRight(r.At(i), 8) == Text("=deleted"))) submitted = submitted + r.At(i) + "; ";
  }
  submitted = TextLeft(submitted, TextLength(submitted) - 2);
  submitted = reference::JoinUnique(submitted, "; ");
  return submitted;
}

}  // namespace reference

// Cookie text from a small alphabet so that names collide, with deleted pairs, empty
// pairs, pairs without "=", ASCII and full-width spaces and the odd double-byte character.
Text RandomCookieText(std::mt19937& random) {
  const char* const kPieces[] = {"a",  "b", "c",        "ab",       "=",       "=",
                                 "1",  "2", "deleted",  "=deleted", ";",       ";",
                                 "; ", " ", "\xA1\xA1", "\xB0\xA1", "DELETED", "\t"};
  std::uniform_int_distribution<int> length(0, 24), piece(0, std::size(kPieces) - 1);
  std::string text;
  for (int n = length(random); n > 0; --n)
    text += kPieces[piece(random)];
  return Text(text);
}

TEST(Cookies, MergeCookiesMatchesTheStepByStepMergeOnRandomTexts) {
  std::mt19937 random(4242);
  for (int round = 0; round < 20000; ++round) {
    const Text submitted = RandomCookieText(random), received = RandomCookieText(random);
    SCOPED_TRACE(testing::Message() << testing::PrintToString(submitted.str()) << " | "
                                    << testing::PrintToString(received.str()));
    Text s1 = submitted, r1 = received, s2 = submitted, r2 = received;
    const Text got = MergeCookies(s1, r1);
    const Text expected = reference::MergeCookies(s2, r2);
    ASSERT_EQ(got, expected);
    ASSERT_EQ(s1, s2);
    ASSERT_EQ(r1, r2);
  }
}

}  // namespace
