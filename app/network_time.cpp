#include "app/network_time.h"

#include "app/date_time_ops.h"
#include "app/http_date.h"
#include "web/extraction.h"
#include "web/web_request.h"

namespace {

constexpr int kHeadMethod = 2;
constexpr int kUtcPlusEightHours = 8;

}  // namespace

DateTime FetchNetworkTime(const HeadRequest& request, const Text* url, TimeQueryOutcome* outcome) {
  Text headers;
  int status = request(url ? *url : kDefaultTimeUrl, headers);
  // Exact, case-sensitive markers: the blank after the colon stays in the date text.
  Text dateText = TextBetween(headers, "Date:", "\r\n");
  bool understood = false;
  DateTime value = ParseHttpDate(dateText, &understood);
  if (outcome) *outcome = {status, status != 0 && !dateText.empty() && understood};
  return AddToDateTime(value, kHourUnit, kUtcPlusEightHours);
}

DateTime FetchNetworkTime(const Text* url, TimeQueryOutcome* outcome) {
  HeadRequest head = [](const Text& target, Text& responseHeaders) {
    int status = 0;
    // The body that comes back is discarded unread.
    WebRequest(target,
               {.method = kHeadMethod, .responseHeaders = &responseHeaders, .statusCode = &status});
    return status;
  };
  return FetchNetworkTime(head, url, outcome);
}
