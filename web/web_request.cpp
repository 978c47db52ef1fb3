#include "web/web_request.h"

#include <climits>
#include <cmath>

#include "base/bytes_ops.h"
#include "base/text_ops.h"
#include "base/text_search.h"
#include "codec/base64.h"
#include "web/com_apartment.h"
#include "web/cookies.h"
#include "web/extraction.h"
#include "web/header_text.h"

namespace {

constexpr int kDefaultTimeoutMs = 15000;
constexpr int kUseNamedProxy = 2;
constexpr int kOptionSslIgnoreFlags = 4;
constexpr int kOptionEnableRedirects = 6;
// Unknown issuer, wrong usage, name mismatch and expired or not yet valid: all ignored.
constexpr int kIgnoreAllCertificateErrors = 0x0100 | 0x0200 | 0x1000 | 0x2000;

const char* const kMethods[] = {"GET",     "POST",   "HEAD",  "PUT",
                                "OPTIONS", "DELETE", "TRACE", "CONNECT"};
constexpr int kPost = 1;

// The time-out in milliseconds for a positive number of seconds, held to the largest
// count the object takes rather than overflowing.
int TimeoutMs(int timeoutSeconds) {
  if (timeoutSeconds < 1) return kDefaultTimeoutMs;
  if (timeoutSeconds > INT_MAX / 1000) return INT_MAX;
  return timeoutSeconds * 1000;
}

// Appends each customary header whose name the block does not mention anywhere, in order;
// each search sees the lines appended before it.
void CompleteHeaders(Text& block, const Text& url, int method) {
  struct Row {
    Text search, addition;
  };
  const Row rows[] = {
      {"Accept:", "\r\nAccept: */*"},
      {"Referer:", Text("\r\nReferer: ") + url},
      {"Accept-Language:", "\r\nAccept-Language: zh-cn"},
      {"User-Agent:", "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"},
  };
  for (const Row& row : rows) {
    if (FindText(block, row.search, 1, true) == -1) block += row.addition;
  }
  if (method == kPost && FindText(block, "Content-Type:", 1, true) == -1) {
    block += "\r\nContent-Type: application/x-www-form-urlencoded";
  }
}

// A single line is sent whole; otherwise each non-empty line but "Connection: keep-alive".
void SendHeaderLines(const RequestObject& object, const Text& block) {
  if (!block.empty() && FindText(block, "\r\n") == -1) {
    object.SetRequestHeader(HeaderName(block), HeaderValue(block));
    return;
  }
  for (const Text& line : SplitText(block, "\r\n")) {
    if (line.empty()) continue;
    Text name = HeaderName(line), value = HeaderValue(line);
    if (name == Text("Connection") && value == Text("keep-alive")) continue;
    object.SetRequestHeader(name, value);
  }
}

// The name=value pair of each "Set-Cookie" line, without attributes, joined by "; ".
Text ReceivedCookies(const Text& responseHeaders) {
  Text cookies;
  for (const Text& line : SplitText(responseHeaders, "\r\n")) {
    if (!(TextBefore(line, ": ") == Text("Set-Cookie"))) continue;
    Text piece = FindText(line, ";") == -1 ? ReplaceText(line, "Set-Cookie:")
                                           : TextBetween(line, "Set-Cookie:", ";");
    cookies += TrimSpaces(piece) + "; ";
  }
  if (TextRight(cookies, 2) == Text("; ")) cookies = TextLeft(cookies, TextLength(cookies) - 2);
  return cookies;
}

// The status as an integer, cut toward zero; a number no integer holds counts as no status.
int StatusCode(double status) {
  if (!(status > static_cast<double>(INT_MIN) - 1 && status < static_cast<double>(INT_MAX) + 1)) {
    return 0;
  }
  return static_cast<int>(std::trunc(status));
}

}  // namespace

Bytes WebRequest(const Text& url, const WebRequestOptions& options) {
  const bool mergeCookies = options.mergeCookies.value_or(true);
  const bool completeHeaders = options.completeHeaders.value_or(true);
  const bool normalizeHeaders = options.normalizeHeaders.value_or(true);
  const Text none;
  const Text& bodyText = options.bodyText ? *options.bodyText : none;
  const Text& proxyAddress = options.proxyAddress ? *options.proxyAddress : none;
  const Text& proxyUser = options.proxyUser ? *options.proxyUser : none;
  const Text& proxyPassword = options.proxyPassword ? *options.proxyPassword : none;

  EnterComApartment();
  const int method = options.method < 0 || options.method > 7 ? 0 : options.method;

  RequestObject object = options.requestObject ? *options.requestObject : CreateRequestObject();
  if (!options.requestObject && !object.HasInstance()) {
    LeaveComApartment();
    return {};
  }

  if (options.timeoutSeconds != -1) {
    int ms = TimeoutMs(options.timeoutSeconds);
    object.SetTimeouts(ms, ms, ms, ms);
  }
  if (!proxyAddress.empty()) object.SetProxy(kUseNamedProxy, proxyAddress);
  object.Open(kMethods[method], url, false);
  if (options.noRedirects) object.SetOption(kOptionEnableRedirects, 0);
  object.SetOption(kOptionSslIgnoreFlags, kIgnoreAllCertificateErrors);

  Text ownBlock;
  Text& block = options.requestHeaders ? *options.requestHeaders : ownBlock;
  if (completeHeaders) CompleteHeaders(block, url, method);
  if (normalizeHeaders) block = NormalizeHeaderBlock(block);

  if (!proxyAddress.empty() && !proxyUser.empty() && options.proxyAuthMode.value_or(1) == 1) {
    Bytes credentials = TextToBytes(proxyUser + ":" + proxyPassword);
    object.SetRequestHeader("Proxy-Authorization", Text("Basic ") + Base64Encode(credentials));
  }

  if (options.sentCookies) {
    Text& cookies = *options.sentCookies;
    if (!cookies.empty() && FindText(cookies, "Cookie:", 1, true) != -1) {
      cookies = ReplaceText(cookies, "Cookie:");
    }
    object.SetRequestHeader("Cookie", cookies);
  }

  SendHeaderLines(object, block);

  if (options.bodyBytes && BytesLength(*options.bodyBytes) >= 1) {
    object.Send(*options.bodyBytes);
  } else {
    object.Send(bodyText);
  }

  Bytes body = object.ResponseBody();
  Text ownResponseHeaders;
  Text& responseHeaders = options.responseHeaders ? *options.responseHeaders : ownResponseHeaders;
  responseHeaders = object.GetAllResponseHeaders();
  int status = StatusCode(object.Status());
  if (options.statusCode) *options.statusCode = status;

  Text ownReceived;
  Text& receivedCookies = options.receivedCookies ? *options.receivedCookies : ownReceived;
  receivedCookies = ReceivedCookies(responseHeaders);
  if (mergeCookies && options.sentCookies) {
    receivedCookies = MergeCookies(*options.sentCookies, receivedCookies);
  }

  object.Clear();
  LeaveComApartment();
  return body;
}
