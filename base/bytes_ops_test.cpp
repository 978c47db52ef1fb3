#include "base/bytes_ops.h"
#include "base/text_list.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

Bytes B(std::string_view s) {
  return Bytes(s);
}

TEST(Bytes, ConversionsKeepZeroBytesApart) {
  EXPECT_EQ(TextToBytes("ab\xD6\xD0"), B("ab\xD6\xD0"));
  EXPECT_EQ(TextToBytes(""), Bytes());
  EXPECT_EQ(BytesToText(B(std::string_view("ab\0cd", 5))), "ab");
  EXPECT_EQ(BytesToText(B(std::string_view("\0ab", 3))), "");
  EXPECT_EQ(BytesToText(B("\xFF\x80")), "\xFF\x80");
  EXPECT_EQ(BytesLength(B(std::string_view("\0\0\0", 3))), 3);
  EXPECT_EQ(B("ab") + B(std::string_view("\0", 1)), B(std::string_view("ab\0", 3)));
  EXPECT_NE(B("a"), B(std::string_view("a\0", 2)));
}

TEST(Bytes, MidAndBlank) {
  struct Case {
    const char* name;
    Bytes got, want;
  } cases[] = {
      {"mid", BytesMid(B("abcde"), 2, 3), B("bcd")},
      {"start 0 counts as 1", BytesMid(B("abcde"), 0, 2), B("ab")},
      {"start INT_MIN counts as 1", BytesMid(B("abcde"), INT_MIN, 1), B("a")},
      {"count negative counts as 0", BytesMid(B("abcde"), 2, -5), Bytes()},
      {"count past end", BytesMid(B("abcde"), 4, INT_MAX), B("de")},
      {"start past end", BytesMid(B("abcde"), 6, 1), Bytes()},
      {"start INT_MAX", BytesMid(B("abcde"), INT_MAX, INT_MAX), Bytes()},
      {"zero bytes kept", BytesMid(B(std::string_view("a\0b", 3)), 2, 2),
       B(std::string_view("\0b", 2))},
      {"blank", BlankBytes(3), B(std::string_view("\0\0\0", 3))},
      {"blank 0", BlankBytes(0), Bytes()},
      {"blank negative", BlankBytes(INT_MIN), Bytes()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.got, c.want);
  }
}

TEST(Elements, InRangeReadsAndWrites) {
  Bytes b{1, 2, 3};
  EXPECT_EQ(b.At(1), 1);
  EXPECT_EQ(b.At(3), 3);
  b.At(2) = 0xFF;
  EXPECT_EQ(b.At(2), 0xFF);
  TextList list{"a", "b"};
  list.Append("c");
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.At(3), "c");
  list.At(1) = "z";
  EXPECT_EQ(list.At(1), "z");
}

}  // namespace
