// HEAD requests to a loopback server: WebRequest beside a bare libcurl loop that also makes
// a fresh handle per request and sends the same headers. Compare the medians per request.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <string>
#include <vector>

#include "web/testing/test_http_server.h"
#include "web/web_request.h"

namespace {

// 1,000 requests each, in 20 repetitions of 50.
constexpr int kRequestsPerRepetition = 50;
constexpr int kRepetitions = 20;

TestHttpServer& Server() {
  static TestHttpServer server;
  static bool answered = [] {
    server.Answer("/", {.headers = {"Date: Tue, 09 Dec 2025 06:51:00 GMT", "Server: loopback"}});
    return true;
  }();
  (void)answered;
  return server;
}

void WebRequestHead(benchmark::State& state) {
  Text url(Server().Url());
  for (auto _ : state) {
    Text headers;
    benchmark::DoNotOptimize(WebRequest(url, {.method = 2, .responseHeaders = &headers}));
    if (headers.empty()) state.SkipWithError("no response");
  }
}
BENCHMARK(WebRequestHead)
    ->Iterations(kRequestsPerRepetition)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

size_t KeepHeader(char* data, size_t size, size_t count, void* headers) {
  static_cast<std::string*>(headers)->append(data, size * count);
  return size * count;
}

void BareCurlHead(benchmark::State& state) {
  std::string url = Server().Url();
  curl_slist* list = nullptr;
  for (const char* h : {"Accept: */*", "Referer: http://127.0.0.1/", "Accept-Language: zh-cn",
                        "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"}) {
    list = curl_slist_append(list, h);
  }
  for (auto _ : state) {
    std::string headers;
    CURL* curl = curl_easy_init();
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, list);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &KeepHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &headers);
    if (curl_easy_perform(curl) != CURLE_OK) state.SkipWithError("no response");
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    benchmark::DoNotOptimize(status);
    curl_easy_cleanup(curl);
  }
  curl_slist_free_all(list);
}
BENCHMARK(BareCurlHead)
    ->Iterations(kRequestsPerRepetition)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

// Repetitions of the two run interleaved in random order, so that load from elsewhere on
// the machine falls on both alike.
int main(int argc, char** argv) {
  std::vector<char*> args(argv, argv + argc);
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
