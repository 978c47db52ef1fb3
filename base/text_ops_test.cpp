#include "base/text_ops.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Two GBK characters: "中" (D6 D0) and "文" (CE C4).
const Text kChinese = "\xD6\xD0\xCE\xC4";

TEST(TextParts, CountPlainBytes) {
  struct Case {
    const char* name;
    Text got, want;
  } cases[] = {
      {"left 2", TextLeft("abcde", 2), "ab"},
      {"left 0", TextLeft("abcde", 0), ""},
      {"left negative", TextLeft("abcde", -3), ""},
      {"left INT_MIN", TextLeft("abcde", INT_MIN), ""},
      {"left past end", TextLeft("abcde", 9), "abcde"},
      {"left INT_MAX", TextLeft("abcde", INT_MAX), "abcde"},
      {"left splits a character", TextLeft(kChinese, 1), "\xD6"},
      {"right 2", TextRight("abcde", 2), "de"},
      {"right 0", TextRight("abcde", 0), ""},
      {"right INT_MIN", TextRight("abcde", INT_MIN), ""},
      {"right INT_MAX", TextRight("abcde", INT_MAX), "abcde"},
      {"right splits a character", TextRight(kChinese, 3), "\xD0\xCE\xC4"},
      {"right of empty", TextRight("", 3), ""},
      {"mid", TextMid("abcde", 2, 3), "bcd"},
      {"mid to the end", TextMid("abcde", 4, 10), "de"},
      {"mid INT_MAX count", TextMid("abcde", 5, INT_MAX), "e"},
      {"mid start 0", TextMid("abcde", 0, 2), ""},
      {"mid start negative", TextMid("abcde", -1, 2), ""},
      {"mid start INT_MIN", TextMid("abcde", INT_MIN, INT_MAX), ""},
      {"mid start past end", TextMid("abcde", 6, 1), ""},
      {"mid start INT_MAX", TextMid("abcde", INT_MAX, INT_MAX), ""},
      {"mid count 0", TextMid("abcde", 2, 0), ""},
      {"mid count negative", TextMid("abcde", 2, -1), ""},
      {"mid in a character", TextMid(kChinese, 2, 2), "\xD0\xCE"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.got, c.want);
  }
}

TEST(TextParts, LengthAndCharCode) {
  EXPECT_EQ(TextLength(""), 0);
  EXPECT_EQ(TextLength(kChinese), 4);
  EXPECT_EQ(TextLength("a\xFF"), 2);
  EXPECT_EQ(CharCode(""), 0);
  EXPECT_EQ(CharCode("A"), 65);
  EXPECT_EQ(CharCode("\x80"), -128);
  EXPECT_EQ(CharCode("\xFF"
                     "a"),
            -1);
  EXPECT_EQ(CharCode(kChinese), static_cast<signed char>(0xD6));
}

TEST(TextValue, NullAndEmptyAreOneValueAndNoZeroByteInside) {
  EXPECT_EQ(Text(nullptr), Text(""));
  EXPECT_EQ(Text(std::string_view("ab\0cd", 5)), Text("ab"));
  EXPECT_EQ(Text(std::string("ab\0cd", 5)).size(), 2);
  EXPECT_EQ(Text("ab") + Text("\xD6\xD0"), Text("ab\xD6\xD0"));
}

TEST(Spaces, TrimAndRemove) {
  struct Case {
    Text in, trimmed, removed;
  } cases[] = {
      {"", "", ""},
      {"   ", "", ""},
      {"  a b  ", "a b", "ab"},
      {"\xA1\xA1 a\xA1\xA1"
       "b \xA1\xA1",
       "a\xA1\xA1"
       "b",
       "ab"},
      {"\ta\r\n", "\ta\r\n", "\ta\r\n"},
      // A lone lead byte at the very end is dropped, with the spaces it hid.
      {"ab\xB0", "ab", "ab"},
      {" a \xB0", "a", "a"},
      {"\xB0", "", ""},
      {"\xA1", "", ""},
      // A1 A1 only counts as a space where a character begins: here A1 is the trail byte.
      {"\xB0\xA1\xA1\xA1", "\xB0\xA1", "\xB0\xA1"},
      // A lead byte takes the space after it as its second byte.
      {"\xB0  x", "\xB0  x", "\xB0 x"},
      {" "
       "\xD6\xD0"
       " "
       "\xCE\xC4"
       " ",
       "\xD6\xD0 \xCE\xC4", "\xD6\xD0\xCE\xC4"},
      {"\x80\xFF \xFF\x80", "\x80\xFF \xFF\x80", "\x80\xFF\xFF\x80"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.in.str()));
    EXPECT_EQ(TrimSpaces(c.in), c.trimmed);
    EXPECT_EQ(RemoveSpaces(c.in), c.removed);
  }
}

TEST(Case, AsciiLettersOnlyAndPairsStayWhole) {
  EXPECT_EQ(ToUpper("abc-XYZ-09"), "ABC-XYZ-09");
  EXPECT_EQ(ToLower("abc-XYZ-09"), "abc-xyz-09");
  // "\xB0" "a" is one character whose second byte looks like a letter.
  EXPECT_EQ(ToUpper("\xB0"
                    "ab"),
            "\xB0"
            "aB");
  EXPECT_EQ(ToLower("\xB0"
                    "AB"),
            "\xB0"
            "Ab");
  EXPECT_EQ(ToUpper("a\xFF"), "A\xFF");
  EXPECT_EQ(ToUpper(""), "");
  EXPECT_EQ(ToLower("@[`{"), "@[`{");
}

}  // namespace
