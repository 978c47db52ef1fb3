#include "web/extraction.h"

#include <gtest/gtest.h>

#include "web/test_printers.h"

#include <optional>

namespace {

struct BeforeCase {
  const char* text;
  const char* delimiter;
  std::optional<int> startPosition;
  bool ignoreCase;
  const char* expected;
};

TEST(Extraction, TextBefore) {
  const BeforeCase kCases[] = {
      {"Set-Cookie: a=1; path=/", ": ", {}, false, "Set-Cookie"},
      {"a;b;c", ";", 3, false, "a;b"},
      {"a;b;c", ";", 5, false, ""},
      {"a;b;c", ";", 6, false, ""},
      {"a;b;c", ";", 0, false, "a"},
      {"a;b;c", ";", -7, false, "a"},
      {";abc", ";", {}, false, ""},
      {"abc", "", {}, false, ""},
      {"abc", "", 4, false, ""},
      {"", ";", {}, false, ""},
      {"xDATEy", "date", {}, false, ""},
      {"xDATEy", "date", {}, true, "x"},
      {"\xB1\x3B;", ";", {}, false, "\xB1\x3B"},  // 0x3B inside a character is no match
  };
  for (const BeforeCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.text << " | " << c.delimiter << " | "
                                    << c.startPosition.value_or(99) << c.ignoreCase);
    const Text text = c.text, delimiter = c.delimiter;
    // Without a start position or flag the defaults apply.
    Text got = c.startPosition || c.ignoreCase
                   ? TextBefore(text, delimiter, c.startPosition.value_or(1), c.ignoreCase)
                   : TextBefore(text, delimiter);
    EXPECT_EQ(got, Text(c.expected));
    EXPECT_EQ(text, Text(c.text));
    EXPECT_EQ(delimiter, Text(c.delimiter));
  }
}

struct BetweenCase {
  const char* text;
  const char* left;
  const char* right;
  std::optional<int> startPosition;
  bool ignoreCase;
  const char* expected;
};

#define QUOTE_TOKEN "#\xD2\xFD\xBA\xC5"

TEST(Extraction, TextBetween) {
  const BetweenCase kCases[] = {
      {"Server: x\r\nDate: Tue, 09 Dec 2025 06:51:00 GMT\r\n",
       "Date:",
       "\r\n",
       {},
       false,
       " Tue, 09 Dec 2025 06:51:00 GMT"},
      {"Set-Cookie: a=1; path=/", "Set-Cookie:", ";", {}, false, " a=1"},
      {"Set-Cookie: a=1", "Set-Cookie:", ";", {}, false, ""},
      {"a;b;c", ";", ";", {}, false, "b"},
      {"date: x\r\n", "Date:", "\r\n", {}, false, ""},
      {"date: x\r\n", "Date:", "\r\n", {}, true, " x"},
      {"abcb", "ab", "b", {}, false, "c"},
      {"x[a[b]y", "[", "]", {}, false, "a[b"},
      {"a;b;c", ";", "", {}, false, ""},
      {"ab;cd", "", ";", 4, false, "ab"},
      {"ab;cd", "", ";", 6, false, ""},
      {"a;b;c;d", ";", ";", 3, false, "c"},
      {"a;b;c;d", ";", ";", 0, false, "b"},
      {"a;b;c;d", ";", ";", -3, false, "b"},
      {"a;;b", ";", ";", {}, false, ""},
      {"", "a", "b", {}, false, ""},
      {"<a href=\"x.htm\">", "href=" QUOTE_TOKEN, QUOTE_TOKEN, {}, false, "x.htm"},
      {"1\"2\"3\"4", QUOTE_TOKEN, QUOTE_TOKEN, 3, false, "3"},
      {"x" QUOTE_TOKEN "y" QUOTE_TOKEN "z", QUOTE_TOKEN, QUOTE_TOKEN, {}, false, ""},
      {"[" QUOTE_TOKEN "]", "[", "]", {}, false, QUOTE_TOKEN},
      {"\xB0[a[b]", "[", "]", {}, false, "b"},  // "[" after a lead byte is no marker
      {"[\xB0]x]", "[", "]", {}, false, "\xB0]x"},
  };
  for (const BetweenCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.text << " | " << c.left << " | " << c.right << " | "
                                    << c.startPosition.value_or(99) << c.ignoreCase);
    const Text text = c.text, left = c.left, right = c.right;
    Text got = c.startPosition || c.ignoreCase
                   ? TextBetween(text, left, right, c.startPosition.value_or(1), c.ignoreCase)
                   : TextBetween(text, left, right);
    EXPECT_EQ(got, Text(c.expected));
    EXPECT_EQ(text, Text(c.text));
    EXPECT_EQ(left, Text(c.left));
    EXPECT_EQ(right, Text(c.right));
  }
}

}  // namespace
