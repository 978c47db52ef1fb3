// WebRequest: one synchronous HTTP request through a request object. It completes and
// normalises the caller's request headers, sends the caller's cookies, adds Basic proxy
// credentials, and hands back the body, the response headers, the status code and the
// cookies the response sets, merged with those sent.
#pragma once

#include <optional>

#include "base/bytes.h"
#include "base/text.h"
#include "web/request_object.h"

// The optional parameters. A pointer names a caller's variable (null: not given); read ones
// are never changed, the others are written in place.
struct WebRequestOptions {
  // 0 GET, 1 POST, 2 HEAD, 3 PUT, 4 OPTIONS, 5 DELETE, 6 TRACE, 7 CONNECT; others GET.
  int method = 0;
  const Text* bodyText = nullptr;
  // Sent as the Cookie header, "Cookie:" removed from it first; left holding the merged cookies.
  Text* sentCookies = nullptr;
  Text* receivedCookies = nullptr;
  // The header block, completed and normalised in place, then sent line by line.
  Text* requestHeaders = nullptr;
  Text* responseHeaders = nullptr;
  int* statusCode = nullptr;  // 0 when no response came
  bool noRedirects = false;
  const Bytes* bodyBytes = nullptr;  // sent instead of bodyText when not empty
  const Text* proxyAddress = nullptr;
  // -1 leaves the object's time-outs alone; below 1 gives 15 s.
  int timeoutSeconds = 0;
  const Text* proxyUser = nullptr;
  const Text* proxyPassword = nullptr;
  std::optional<int> proxyAuthMode{};  // 1 (the default) sends Basic credentials, others none
  // Used instead of a new object, even when it holds none.
  const RequestObject* requestObject = nullptr;
  std::optional<bool> mergeCookies{};      // default true
  std::optional<bool> completeHeaders{};   // default true
  std::optional<bool> normalizeHeaders{};  // default true
};

// The response body; empty when there is none or no object could be made.
Bytes WebRequest(const Text& url, const WebRequestOptions& options = {});
