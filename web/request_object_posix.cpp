// The request object over libcurl: the settings are kept until Send, which makes the whole
// exchange on a fresh easy handle. Results read as the Windows object gives them: the final
// response's header lines without its status line, each as "Name: value" ended by CR LF;
// after a failed exchange the body and headers are empty and the status is 0.
#include "web/request_object.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <string>
#include <vector>

namespace {

// The Windows object's own time-outs when none are set: resolve unlimited, connect 60 s,
// send and receive 30 s each.
constexpr int kDefaultConnectMs = 60000;
constexpr int kDefaultTransferMs = 30000;
constexpr int kOptionSslIgnoreFlags = 4;
constexpr int kOptionEnableRedirects = 6;

bool HasLineBreak(const Text& t) {
  return t.view().find_first_of("\r\n") != std::string_view::npos;
}

class CurlRequest final : public RequestObjectInstance {
 public:
  void SetTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) override {
    if (resolveMs < -1 || connectMs < -1 || sendMs < -1 || receiveMs < -1) return;
    resolveMs_ = resolveMs;
    connectMs_ = connectMs;
    sendMs_ = sendMs;
    receiveMs_ = receiveMs;
  }
  void SetProxy(int setting, const Text& proxyServer) override {
    // 0 and 1 take the default (no proxy here), 2 names the proxy server.
    if (setting < 0 || setting > 2) return;
    proxy_ = setting == 2 ? proxyServer.str() : std::string();
  }
  void Open(const Text& method, const Text& url, bool async) override {
    // A new request abandons the last one, also when it cannot be opened itself. Only
    // synchronous use is offered.
    opened_ = false;
    headers_.clear();
    ClearResponse();
    if (async || method.empty() || url.empty()) return;
    method_ = method.str();
    url_ = url.str();
    opened_ = true;
  }
  void SetOption(int index, int value) override {
    if (index == kOptionSslIgnoreFlags) {
      ignoreCertificateErrors_ = (value & 0x3300) != 0;
    } else if (index == kOptionEnableRedirects) {
      followRedirects_ = value != 0;
    }
  }
  void SetRequestHeader(const Text& name, const Text& value) override {
    // A name-less header sets nothing; a line break would smuggle a header of its own in.
    if (!opened_ || name.empty() || HasLineBreak(name) || HasLineBreak(value)) return;
    // curl takes "Name:" as taking its own header away; "Name;" sends it with no value.
    headers_.push_back(value.empty() ? name.str() + ";" : name.str() + ": " + value.str());
  }
  void Send(const Text& body) override { Exchange(body.str()); }
  void Send(const Bytes& body) override { Exchange(body.str()); }
  Bytes ResponseBody() override { return Bytes(body_); }
  Text GetAllResponseHeaders() override { return Text(headerText_); }
  double Status() override { return status_; }

 private:
  void ClearResponse() {
    body_.clear();
    headerText_.clear();
    status_ = 0;
  }

  void Exchange(const std::string& body);

  static size_t OnBody(char* data, size_t size, size_t count, void* self) {
    static_cast<CurlRequest*>(self)->body_.append(data, size * count);
    return size * count;
  }

  // Each response (a redirect's too) begins with its status line; only the last one stays.
  static size_t OnHeader(char* data, size_t size, size_t count, void* self) {
    auto* request = static_cast<CurlRequest*>(self);
    std::string_view line(data, size * count);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
      line.remove_suffix(1);
    if (line.starts_with("HTTP/")) {
      request->headerText_.clear();
    } else if (auto colon = line.find(':'); colon != std::string_view::npos && colon > 0) {
      std::string_view value = line.substr(colon + 1);
      while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
      request->headerText_.append(line.substr(0, colon)).append(": ").append(value).append("\r\n");
    }
    return size * count;
  }

  // Ends the exchange when the send or receive time-out passes without progress.
  static int OnProgress(void* self, curl_off_t, curl_off_t received, curl_off_t toSend,
                        curl_off_t sent) {
    auto* request = static_cast<CurlRequest*>(self);
    auto now = std::chrono::steady_clock::now();
    if (received != request->lastReceived_ || sent != request->lastSent_) {
      request->lastReceived_ = received;
      request->lastSent_ = sent;
      request->lastProgress_ = now;
      return 0;
    }
    int limitMs = sent < toSend ? request->sendMs_ : request->receiveMs_;
    if (limitMs <= 0) return 0;
    auto idle = std::chrono::duration_cast<std::chrono::milliseconds>(now - request->lastProgress_);
    return idle.count() > limitMs ? 1 : 0;
  }

  int resolveMs_ = 0, connectMs_ = kDefaultConnectMs;
  int sendMs_ = kDefaultTransferMs, receiveMs_ = kDefaultTransferMs;
  std::string proxy_;
  bool ignoreCertificateErrors_ = false;
  bool followRedirects_ = true;

  bool opened_ = false;
  std::string method_, url_;
  std::vector<std::string> headers_;

  std::string body_, headerText_;
  double status_ = 0;

  curl_off_t lastReceived_ = 0, lastSent_ = 0;
  std::chrono::steady_clock::time_point lastProgress_;
};

void CurlRequest::Exchange(const std::string& body) {
  ClearResponse();
  if (!opened_) return;
  CURL* curl = curl_easy_init();
  if (!curl) return;

  curl_slist* headers = nullptr;
  for (const std::string& h : headers_)
    headers = curl_slist_append(headers, h.c_str());
  // No headers of curl's own beyond those of the protocol: no Expect, and no form Content-Type
  // unless the caller set one.
  headers = curl_slist_append(headers, "Expect:");
  auto hasHeader = [this](std::string_view name) {
    return std::any_of(headers_.begin(), headers_.end(), [name](const std::string& h) {
      return h.size() > name.size() && (h[name.size()] == ':' || h[name.size()] == ';') &&
             std::equal(name.begin(), name.end(), h.begin(), [](unsigned char a, unsigned char b) {
               return std::tolower(a) == std::tolower(b);
             });
    });
  };
  if (!hasHeader("Content-Type")) headers = curl_slist_append(headers, "Content-Type:");
  if (!hasHeader("Accept")) headers = curl_slist_append(headers, "Accept:");

  curl_easy_setopt(curl, CURLOPT_URL, url_.c_str());
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  if (method_ == "HEAD") {
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
  } else if (method_ == "GET" && body.empty()) {
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
  } else {
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.data());
    if (method_ != "POST") curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, method_.c_str());
  }
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, followRedirects_ ? 1L : 0L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
  if (ignoreCertificateErrors_) {
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
  }
  // Resolve and connect together bound the connection; 0 means no limit, as on Windows.
  long connectMs = resolveMs_ > 0 && connectMs_ > 0 ? long{resolveMs_} + connectMs_ : connectMs_;
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, connectMs > 0 ? connectMs : 0L);
  if (!proxy_.empty()) curl_easy_setopt(curl, CURLOPT_PROXY, proxy_.c_str());

  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &CurlRequest::OnBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, this);
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &CurlRequest::OnHeader);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, this);
  lastReceived_ = lastSent_ = 0;
  lastProgress_ = std::chrono::steady_clock::now();
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &CurlRequest::OnProgress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);

  long status = 0;
  if (curl_easy_perform(curl) == CURLE_OK &&
      curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK && status > 0) {
    status_ = static_cast<double>(status);
  } else {
    ClearResponse();
  }
  curl_easy_cleanup(curl);
  curl_slist_free_all(headers);
}

}  // namespace

RequestObject CreateRequestObject() {
  return RequestObject(std::make_shared<CurlRequest>());
}
