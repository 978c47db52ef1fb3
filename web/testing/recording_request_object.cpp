#include "web/testing/recording_request_object.h"

namespace {

std::string Args(std::initializer_list<std::string> args) {
  std::string joined;
  const char* separator = "";
  for (const std::string& a : args) {
    joined += separator + a;
    separator = ", ";
  }
  return "(" + joined + ")";
}

}  // namespace

void RecordingRequestObject::SetTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) {
  calls.push_back("SetTimeouts" + Args({std::to_string(resolveMs), std::to_string(connectMs),
                                        std::to_string(sendMs), std::to_string(receiveMs)}));
}

void RecordingRequestObject::SetProxy(int setting, const Text& proxyServer) {
  calls.push_back("SetProxy" + Args({std::to_string(setting), proxyServer.str()}));
}

void RecordingRequestObject::Open(const Text& method, const Text& url, bool async) {
  calls.push_back("Open" + Args({method.str(), url.str(), async ? "true" : "false"}));
}

void RecordingRequestObject::SetOption(int index, int value) {
  calls.push_back("Option" + Args({std::to_string(index), std::to_string(value)}));
}

void RecordingRequestObject::SetRequestHeader(const Text& name, const Text& value) {
  calls.push_back("SetRequestHeader" + Args({name.str(), value.str()}));
}

void RecordingRequestObject::Send(const Text& body) {
  calls.push_back("Send(text " + body.str() + ")");
}

void RecordingRequestObject::Send(const Bytes& body) {
  calls.push_back("Send(bytes " + body.str() + ")");
}

Bytes RecordingRequestObject::ResponseBody() {
  calls.push_back("ResponseBody");
  return body;
}

Text RecordingRequestObject::GetAllResponseHeaders() {
  calls.push_back("GetAllResponseHeaders");
  return headers;
}

double RecordingRequestObject::Status() {
  calls.push_back("Status");
  return status;
}
