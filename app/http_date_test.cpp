#include "app/http_date.h"

#include <gtest/gtest.h>

#include "app/date_time_ops.h"

namespace {

TEST(ParseHttpDate, GivesTheUtcFieldsOfAnHttpDate) {
  struct Case {
    const char* text;
    DateTimeFields expected;
  };
  const Case kCases[] = {
      // As the header gives it: the blank after the colon comes along.
      {" Tue, 15 Nov 1994 08:12:31 GMT", {1994, 11, 15, 8, 12, 31, 0}},
      {"Tue, 15 Nov 1994 20:30:00 GMT", {1994, 11, 15, 20, 30, 0, 0}},
      {" Thu, 29 Feb 2024 23:59:59 GMT", {2024, 2, 29, 23, 59, 59, 0}},
      {" Tue, 19 Jan 2038 03:14:08 GMT", {2038, 1, 19, 3, 14, 8, 0}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    bool understood = false;
    std::optional<DateTimeFields> fields = DateTimeToFields(ParseHttpDate(c.text, &understood));
    EXPECT_TRUE(understood);
    ASSERT_TRUE(fields);
    fields->dayOfWeek = 0;
    EXPECT_EQ(*fields, c.expected);
  }
}

TEST(ParseHttpDate, TellsWhenTheTextWasNotUnderstood) {
  for (const char* text : {"", " ", "not a date", "\xC9\xE8\xD6\xC3"}) {
    SCOPED_TRACE(text);
    bool understood = true;
    DateTime value = ParseHttpDate(text, &understood);
    EXPECT_FALSE(understood);
    // Whatever the platform left behind is forced into the calendar's range.
    EXPECT_GE(value.value, kMinDateTime.value);
    EXPECT_LT(value.value, kMaxDateTime.value + 1);
  }
}

}  // namespace
