#include "app/web_head_request.h"

#include "web/web_request.h"

namespace {

constexpr int kHead = 2;

}  // namespace

int WebHeadRequest(const Text& url, Text& responseHeaders) {
  int statusCode = 0;
  WebRequestOptions options;
  options.method = kHead;
  options.responseHeaders = &responseHeaders;
  options.statusCode = &statusCode;
  WebRequest(url, options);  // the body of a HEAD response is empty and unused
  return statusCode;
}
