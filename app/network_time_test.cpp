#include "app/network_time.h"

#include <gtest/gtest.h>

#include <string>

#include "app/date_time_ops.h"

namespace {

// A HEAD request that answers with fixed headers and remembers the URL it was given.
struct ScriptedRequest {
  int status = 200;
  Text headers;
  std::string askedUrl = "(not asked)";

  HeadRequest Bind() {
    return [this](const Text& url, Text& responseHeaders) {
      askedUrl = url.str();
      responseHeaders = headers;
      return status;
    };
  }
};

DateTimeFields Fields(int year, int month, int day, int hour, int minute, int second) {
  return {year, month, day, hour, minute, second, 0};
}

DateTimeFields FieldsOf(DateTime value) {
  DateTimeFields fields = DateTimeToFields(value).value();
  fields.dayOfWeek = 0;
  return fields;
}

TEST(FetchNetworkTime, GivesTheServersTimeEightHoursLater) {
  struct Case {
    const char* headers;
    DateTimeFields expected;
  };
  const Case kCases[] = {
      {"HTTP/1.1 200 OK\r\nServer: x\r\nDate: Tue, 15 Nov 1994 08:12:31 GMT\r\nVia: y\r\n",
       Fields(1994, 11, 15, 16, 12, 31)},
      {"Date: Tue, 15 Nov 1994 20:30:00 GMT\r\n", Fields(1994, 11, 16, 4, 30, 0)},
      {"Date: Sun, 31 Dec 1899 20:00:00 GMT\r\n", Fields(1900, 1, 1, 4, 0, 0)},
      // The first "Date:" wins, inside a longer header name included.
      {"Last-Modified-Date: Mon, 14 Nov 1994 01:00:00 GMT\r\n"
       "Date: Tue, 15 Nov 1994 08:12:31 GMT\r\n",
       Fields(1994, 11, 14, 9, 0, 0)},
      {"Date: Tue, 15 Nov 1994 08:12:31 GMT\r\nDate: Wed, 16 Nov 1994 00:00:00 GMT\r\n",
       Fields(1994, 11, 15, 16, 12, 31)},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.headers);
    ScriptedRequest request{200, c.headers};
    TimeQueryOutcome outcome;
    DateTime value = FetchNetworkTime(request.Bind(), nullptr, &outcome);
    EXPECT_EQ(FieldsOf(value), c.expected);
    EXPECT_TRUE(outcome.valid);
    EXPECT_EQ(outcome.statusCode, 200);
  }
}

TEST(FetchNetworkTime, AnErrorStatusWithADateIsUsed) {
  ScriptedRequest request{503, "HTTP/1.1 503 Busy\r\nDate: Tue, 15 Nov 1994 08:12:31 GMT\r\n"};
  TimeQueryOutcome outcome;
  EXPECT_EQ(FieldsOf(FetchNetworkTime(request.Bind(), nullptr, &outcome)),
            Fields(1994, 11, 15, 16, 12, 31));
  EXPECT_TRUE(outcome.valid);
  EXPECT_EQ(outcome.statusCode, 503);
}

TEST(FetchNetworkTime, WithoutAUsableDateGivesThatOfAnEmptyDateAndSaysSo) {
  ScriptedRequest none{0, ""};
  const DateTime ofEmptyDate = FetchNetworkTime(none.Bind());
  struct Case {
    int status;
    const char* headers;
  };
  const Case kCases[] = {
      {0, ""},
      {200, "date: Tue, 15 Nov 1994 08:12:31 GMT\r\n"},  // names match case-sensitively
      {200, "DATE: Tue, 15 Nov 1994 08:12:31 GMT\r\n"},
      {200, "Date: Tue, 15 Nov 1994 08:12:31 GMT"},  // no line end after it
      {200, "Date:\r\n"},
      {200, "Server: x\r\nContent-Length: 0\r\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.headers);
    ScriptedRequest request{c.status, c.headers};
    TimeQueryOutcome outcome{-1, true};
    EXPECT_EQ(FetchNetworkTime(request.Bind(), nullptr, &outcome), ofEmptyDate);
    EXPECT_FALSE(outcome.valid);
    EXPECT_EQ(outcome.statusCode, c.status);
  }
}

TEST(FetchNetworkTime, AnUnreadableDateIsNotValid) {
  ScriptedRequest request{200, "Date: the day after tomorrow\r\n"};
  TimeQueryOutcome outcome{0, true};
  FetchNetworkTime(request.Bind(), nullptr, &outcome);
  EXPECT_FALSE(outcome.valid);
}

TEST(FetchNetworkTime, UsesTheDefaultUrlOnlyWhenNoneIsGiven) {
  ScriptedRequest request{200, "Date: Tue, 15 Nov 1994 08:12:31 GMT\r\n"};
  FetchNetworkTime(request.Bind());
  EXPECT_EQ(request.askedUrl, kDefaultTimeUrl);
  const Text empty;
  FetchNetworkTime(request.Bind(), &empty);
  EXPECT_EQ(request.askedUrl, "");
  const Text local = "http://127.0.0.1:8080/time";
  FetchNetworkTime(request.Bind(), &local);
  EXPECT_EQ(request.askedUrl, "http://127.0.0.1:8080/time");
}

}  // namespace
