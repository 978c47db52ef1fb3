#include "app/network_time.h"

#include "app/date_time_ops.h"
#include "app/http_date.h"
#include "base/text_ops.h"
#include "base/text_search.h"

namespace {

constexpr int kUtcPlusEightHours = 8;

// What lies between the first "Date:" and the CR LF after it, the blank after the colon
// included; empty when either is missing. Matching is exact and case-sensitive.
Text DateHeaderText(const Text& headers) {
  const Text start = "Date:";
  int from = FindText(headers, start);
  if (from < 0) return {};
  from += start.size();
  int end = FindText(headers, "\r\n", from);
  if (end < 0) return {};
  return TextMid(headers, from, end - from);
}

}  // namespace

DateTime FetchNetworkTime(const HeadRequest& request, const Text* url, TimeQueryOutcome* outcome) {
  Text headers;
  int status = request(url ? *url : kDefaultTimeUrl, headers);
  Text dateText = DateHeaderText(headers);
  bool understood = false;
  DateTime value = ParseHttpDate(dateText, &understood);
  if (outcome) *outcome = {status, status != 0 && !dateText.empty() && understood};
  return AddToDateTime(value, kHourUnit, kUtcPlusEightHours);
}
