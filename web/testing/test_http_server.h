// A small HTTP/1.1 server on 127.0.0.1 for tests: it records every request it receives and
// answers each as the test asked, one connection at a time, closing after every answer.
#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "web/testing/loopback_socket.h"

struct RecordedRequest {
  std::string method, target;
  std::vector<std::pair<std::string, std::string>> headers;  // in the order sent
  std::string body;

  // The value of the first header of that name (ASCII case ignored), or "" when absent.
  std::string Header(std::string_view name) const;
  bool HasHeader(std::string_view name) const;
  // The names of the headers in order, those in skip (ASCII case ignored) left out.
  std::vector<std::string> HeaderNames(const std::vector<std::string>& skip = {}) const;
};

struct Reply {
  int status = 200;
  std::string reason = "OK";
  std::vector<std::string> headers{};  // whole lines, "Name: value"
  std::string body{};                  // sent with its Content-Length, never for HEAD
  int delayMs = 0;                     // waits this long before answering
  bool silent = false;                 // never answers; the connection is held until shutdown
  bool resetMidBody = false;           // sends half the body, then resets the connection
};

class TestHttpServer {
 public:
  TestHttpServer();
  ~TestHttpServer();
  TestHttpServer(const TestHttpServer&) = delete;
  TestHttpServer& operator=(const TestHttpServer&) = delete;

  int Port() const { return port_; }
  // "http://127.0.0.1:port" followed by path.
  std::string Url(const std::string& path = "/") const;
  // How to answer requests for path (the target up to any "?"); others get 200 and no body.
  void Answer(const std::string& path, Reply reply);
  std::vector<RecordedRequest> Requests() const;

 private:
  void Serve();
  void Handle(SocketHandle connection);
  bool Wait(int ms) const;

  SocketHandle listener_ = kNoSocket;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  std::map<std::string, Reply> replies_;
  std::vector<RecordedRequest> requests_;
  std::thread thread_;
};
