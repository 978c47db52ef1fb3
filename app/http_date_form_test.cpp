#include "app/http_date_form.h"

#include <gtest/gtest.h>

namespace {

TEST(IsRfc1123Date, AcceptsTheFormWithRealDatesOnly) {
  struct Case {
    const char* text;
    bool expected;
  };
  const Case kCases[] = {
      {"Sun, 06 Nov 1994 08:49:37 GMT", true},
      {" Tue, 15 Nov 1994 08:12:31 GMT", true},
      {"\tThu, 29 Feb 2024 23:59:60 GMT  ", true},
      {"Sat, 01 Jan 0100 00:00:00 GMT", true},
      {"", false},
      {" ", false},
      {"not a date", false},
      {"Sunday, 06-Nov-94 08:49:37 GMT", false},  // older forms: not read reliably
      {"Sun Nov  6 08:49:37 1994", false},
      {"Sun, 6 Nov 1994 08:49:37 GMT", false},
      {"Sun, 06 Nov 1994 08:49:37 +0800", false},
      {"Sun, 06 Nov 1994 08:49:37", false},
      {"Sun, 06 Nov 1994 08:49:37 GMT x", false},
      {"Sun, 06 Nov 1994", false},
      {"Xyz, 06 Nov 1994 08:49:37 GMT", false},
      {"Sun, 06 Xyz 1994 08:49:37 GMT", false},
      {"Sun, 06 nov 1994 08:49:37 GMT", false},
      {"Sun, 00 Nov 1994 08:49:37 GMT", false},
      {"Sun, 31 Nov 1994 08:49:37 GMT", false},
      {"Thu, 29 Feb 2023 08:49:37 GMT", false},
      {"Sun, 29 Feb 1900 08:49:37 GMT", false},
      {"Sun, 06 Nov 1994 24:00:00 GMT", false},
      {"Sun, 06 Nov 1994 08:60:00 GMT", false},
      {"Sun, 06 Nov 1994 08:49:61 GMT", false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(IsRfc1123Date(c.text), c.expected);
  }
}

}  // namespace
