#include "web/testing/test_http_server.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace {

bool SameLetters(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

std::string Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
    s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
    s.remove_suffix(1);
  return std::string(s);
}

// The request line and headers of text (up to the blank line) into request.
void ParseHead(std::string_view text, RecordedRequest& request) {
  size_t end = text.find("\r\n");
  std::string_view line = text.substr(0, end);
  size_t space = line.find(' ');
  request.method = std::string(line.substr(0, space));
  if (space != std::string_view::npos) {
    std::string_view rest = line.substr(space + 1);
    request.target = std::string(rest.substr(0, rest.find(' ')));
  }
  while (end != std::string_view::npos) {
    text.remove_prefix(end + 2);
    end = text.find("\r\n");
    line = text.substr(0, end);
    if (line.empty()) break;
    size_t colon = line.find(':');
    request.headers.emplace_back(
        Trimmed(line.substr(0, colon)),
        colon == std::string_view::npos ? "" : Trimmed(line.substr(colon + 1)));
  }
}

}  // namespace

std::string RecordedRequest::Header(std::string_view name) const {
  for (const auto& [n, v] : headers) {
    if (SameLetters(n, name)) return v;
  }
  return {};
}

bool RecordedRequest::HasHeader(std::string_view name) const {
  return std::any_of(headers.begin(), headers.end(),
                     [&](const auto& h) { return SameLetters(h.first, name); });
}

std::vector<std::string> RecordedRequest::HeaderNames(const std::vector<std::string>& skip) const {
  std::vector<std::string> names;
  for (const auto& h : headers) {
    bool skipped = std::any_of(skip.begin(), skip.end(),
                               [&](const std::string& s) { return SameLetters(s, h.first); });
    if (!skipped) names.push_back(h.first);
  }
  return names;
}

TestHttpServer::TestHttpServer() {
  listener_ = ListenLoopback(port_);
  if (listener_ == kNoSocket) std::abort();
  thread_ = std::thread([this] { Serve(); });
}

TestHttpServer::~TestHttpServer() {
  stopping_ = true;
  thread_.join();
  CloseSocket(listener_);
}

std::string TestHttpServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void TestHttpServer::Answer(const std::string& path, Reply reply) {
  std::lock_guard lock(mutex_);
  replies_[path] = std::move(reply);
}

std::vector<RecordedRequest> TestHttpServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void TestHttpServer::Serve() {
  while (!stopping_) {
    SocketHandle connection = AcceptWithin(listener_, 20);
    if (connection != kNoSocket) Handle(connection);
  }
}

// Sleeps up to ms in short steps; false when the server is shutting down meanwhile.
bool TestHttpServer::Wait(int ms) const {
  auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < until) {
    if (stopping_) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return !stopping_;
}

void TestHttpServer::Handle(SocketHandle connection) {
  std::string data;
  char buffer[8192];
  size_t headEnd;
  while ((headEnd = data.find("\r\n\r\n")) == std::string::npos) {
    int n = ReceiveWithin(connection, buffer, sizeof buffer, 5000);
    if (n <= 0 || stopping_) return CloseSocket(connection);
    data.append(buffer, n);
  }
  RecordedRequest request;
  ParseHead(std::string_view(data).substr(0, headEnd + 2), request);
  size_t length = std::strtoul(request.Header("Content-Length").c_str(), nullptr, 10);
  request.body = data.substr(headEnd + 4);
  while (request.body.size() < length) {
    int n = ReceiveWithin(connection, buffer, sizeof buffer, 5000);
    if (n <= 0) break;
    request.body.append(buffer, n);
  }

  Reply reply;
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
    std::string path = request.target.substr(0, request.target.find('?'));
    auto found = replies_.find(path);
    if (found == replies_.end() && path.starts_with("http://")) {
      // A proxy's request names the whole URL; the path after the host picks the answer.
      size_t slash = path.find('/', 7);
      found = replies_.find(slash == std::string::npos ? "/" : path.substr(slash));
    }
    if (found != replies_.end()) reply = found->second;
  }

  if (reply.silent) {
    Wait(1 << 30);
    return CloseSocket(connection);
  }
  if (reply.delayMs > 0 && !Wait(reply.delayMs)) return CloseSocket(connection);

  std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " " + reply.reason + "\r\n";
  for (const std::string& line : reply.headers)
    head += line + "\r\n";
  head += "Content-Length: " + std::to_string(reply.body.size()) + "\r\nConnection: close\r\n\r\n";
  bool withBody = request.method != "HEAD";
  if (reply.resetMidBody) {
    SendAll(connection, head + (withBody ? reply.body.substr(0, reply.body.size() / 2) : ""));
    Wait(50);
    return ResetSocket(connection);
  }
  SendAll(connection, head + (withBody ? reply.body : ""));
  CloseSocket(connection);
}
