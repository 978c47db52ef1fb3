// The network time query: a HEAD request to a web server, whose Date: header gives the
// server's UTC time, returned moved into the UTC+8 zone (eight hours later).
#pragma once

#include <functional>

#include "base/date_time.h"
#include "base/text.h"

// The web site asked when no URL is given: a large public site, reachable over plain HTTP
// where the program is used (UTC+8), that puts a Date: header on every response.
inline constexpr char kDefaultTimeUrl[] = "http://www.baidu.com/";

// What the caller learns beside the time: whether a response came at all and whether its
// Date: header gave a date that was understood. Only a valid query tells the time.
struct TimeQueryOutcome {
  int statusCode = 0;  // 0: the request got no response
  bool valid = false;
};

// One HEAD request to url: fills responseHeaders with the response's header lines joined
// by CR LF (empty without a response) and returns the status code, 0 without a response.
using HeadRequest = std::function<int(const Text& url, Text& responseHeaders)>;

// Asks the server at url (the default URL when url is null; a given URL is used as it is,
// even an empty one) with a HEAD request through WebRequest. Returns the server's time plus
// eight hours whether or not the query worked; outcome, when given, tells which.
DateTime FetchNetworkTime(const Text* url = nullptr, TimeQueryOutcome* outcome = nullptr);

// The same query with the HEAD request made by request.
DateTime FetchNetworkTime(const HeadRequest& request, const Text* url = nullptr,
                          TimeQueryOutcome* outcome = nullptr);
