// A request object that records each operation made on it as one line of text, such as
// "Open(HEAD, http://x/, false)", and answers the reads with the values a test sets.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "web/request_object.h"

class RecordingRequestObject final : public RequestObjectInstance {
 public:
  std::vector<std::string> calls;
  Bytes body;
  Text headers;
  double status = 0;

  void SetTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) override;
  void SetProxy(int setting, const Text& proxyServer) override;
  void Open(const Text& method, const Text& url, bool async) override;
  void SetOption(int index, int value) override;
  void SetRequestHeader(const Text& name, const Text& value) override;
  void Send(const Text& body) override;
  void Send(const Bytes& body) override;
  Bytes ResponseBody() override;
  Text GetAllResponseHeaders() override;
  double Status() override;
};
