#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace zelmora {

inline constexpr const char* DownloadAgent = "Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1)";
inline constexpr size_t DownloadTextLimit = 1024;

struct TDownloadOptions {
  // Together they keep one request under 15 seconds, whatever the network does.
  int ConnectTimeoutMs = 10000;
  int TotalTimeoutMs = 15000;
  // Called now and then from the thread doing the request, with the bytes
  // received so far; returning false cancels the request (the result is
  // then empty). May be empty.
  std::function<bool(int64_t received)> Progress;
};

// One HTTP(S) GET: the agent string above, "Accept: */*", caches bypassed,
// redirects followed, the system's proxy settings. The result is the first
// 1,024 bytes of the body up to the first zero byte, as UTF-8 text
// (invalid bytes replaced); empty on any failure. The HTTP status is not
// examined: an error page is text like any other. Blocks until done; safe
// to call from a worker thread.
std::string DownloadText(const std::string& url, const TDownloadOptions& options = {});

}  // namespace zelmora
