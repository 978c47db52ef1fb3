// RequestObject: a shared reference to one HTTP request object, or to nothing. Copies share
// the instance and the last reference ends it. Every operation on an empty reference, and
// every operation the instance cannot carry out, fails quietly: a setting has no effect, a
// read gives empty or 0.
#pragma once

#include <memory>

#include "base/bytes.h"
#include "base/text.h"

// The operations of the platform's request object, by its own names.
class RequestObjectInstance {
 public:
  virtual ~RequestObjectInstance() = default;
  virtual void SetTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) = 0;
  // setting 2 routes requests through the named proxy server.
  virtual void SetProxy(int setting, const Text& proxyServer) = 0;
  virtual void Open(const Text& method, const Text& url, bool async) = 0;
  // Option 4: certificate errors to ignore (flags); option 6: automatic redirects (0 off).
  virtual void SetOption(int index, int value) = 0;
  virtual void SetRequestHeader(const Text& name, const Text& value) = 0;
  // Blocks until the exchange has ended by a response, a failure or a time-out.
  virtual void Send(const Text& body) = 0;
  virtual void Send(const Bytes& body) = 0;
  virtual Bytes ResponseBody() = 0;
  // "Name: value" lines, each ended by CR LF.
  virtual Text GetAllResponseHeaders() = 0;
  virtual double Status() = 0;
};

class RequestObject {
 public:
  RequestObject() = default;
  explicit RequestObject(std::shared_ptr<RequestObjectInstance> instance)
      : instance_(std::move(instance)) {}

  bool HasInstance() const { return instance_ != nullptr; }
  void Clear() { instance_.reset(); }

  void SetTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) const {
    if (instance_) instance_->SetTimeouts(resolveMs, connectMs, sendMs, receiveMs);
  }
  void SetProxy(int setting, const Text& proxyServer) const {
    if (instance_) instance_->SetProxy(setting, proxyServer);
  }
  void Open(const Text& method, const Text& url, bool async) const {
    if (instance_) instance_->Open(method, url, async);
  }
  void SetOption(int index, int value) const {
    if (instance_) instance_->SetOption(index, value);
  }
  void SetRequestHeader(const Text& name, const Text& value) const {
    if (instance_) instance_->SetRequestHeader(name, value);
  }
  void Send(const Text& body) const {
    if (instance_) instance_->Send(body);
  }
  void Send(const Bytes& body) const {
    if (instance_) instance_->Send(body);
  }
  Bytes ResponseBody() const { return instance_ ? instance_->ResponseBody() : Bytes(); }
  Text GetAllResponseHeaders() const {
    return instance_ ? instance_->GetAllResponseHeaders() : Text();
  }
  double Status() const { return instance_ ? instance_->Status() : 0; }

 private:
  std::shared_ptr<RequestObjectInstance> instance_;
};

// A new instance of the platform's request object ("WinHttp.WinHttpRequest.5.1" on Windows,
// libcurl elsewhere); empty when it cannot be created.
RequestObject CreateRequestObject();
