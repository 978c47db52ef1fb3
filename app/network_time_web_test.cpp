// The network time query through the real web request routine, against a loopback server.
#include <gtest/gtest.h>

#include "app/date_time_ops.h"
#include "app/network_time.h"
#include "web/testing/test_http_server.h"

namespace {

DateTimeFields FieldsOf(DateTime value) {
  DateTimeFields fields = DateTimeToFields(value).value();
  fields.dayOfWeek = 0;
  return fields;
}

TEST(FetchNetworkTimeOverHttp, SendsHeadAndReadsTheDateHeader) {
  TestHttpServer server;
  server.Answer("/", {.headers = {"Date: Tue, 15 Nov 1994 20:30:00 GMT", "Server: loopback"}});
  const Text url(server.Url("/"));
  TimeQueryOutcome outcome;
  DateTime value = FetchNetworkTime(&url, &outcome);
  EXPECT_EQ(FieldsOf(value), (DateTimeFields{1994, 11, 16, 4, 30, 0, 0}));
  EXPECT_TRUE(outcome.valid);
  EXPECT_EQ(outcome.statusCode, 200);
  std::vector<RecordedRequest> requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].method, "HEAD");
  EXPECT_EQ(requests[0].target, "/");
}

TEST(FetchNetworkTimeOverHttp, AnErrorStatusStillGivesItsDate) {
  TestHttpServer server;
  server.Answer("/", {.status = 503,
                      .reason = "Service Unavailable",
                      .headers = {"Date: Tue, 15 Nov 1994 08:12:31 GMT"}});
  const Text url(server.Url("/"));
  TimeQueryOutcome outcome;
  EXPECT_EQ(FieldsOf(FetchNetworkTime(&url, &outcome)),
            (DateTimeFields{1994, 11, 15, 16, 12, 31, 0}));
  EXPECT_TRUE(outcome.valid);
  EXPECT_EQ(outcome.statusCode, 503);
}

TEST(FetchNetworkTimeOverHttp, NoResponseIsNotValid) {
  std::string url;
  {
    TestHttpServer closed;  // a port that nothing listens on once it is gone
    url = closed.Url("/");
  }
  const Text target(url);
  TimeQueryOutcome outcome{-1, true};
  FetchNetworkTime(&target, &outcome);
  EXPECT_FALSE(outcome.valid);
  EXPECT_EQ(outcome.statusCode, 0);
}

}  // namespace
