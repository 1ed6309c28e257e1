#include "tools/download_text.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>

#include "base/text.h"

namespace zelmora {

namespace {

struct TDownload {
  std::string Body;
  const TDownloadOptions* Options = nullptr;
};

// Keeps the first bytes only; once the cap is reached the transfer is
// ended by refusing the rest.
size_t OnBody(char* data, size_t size, size_t count, void* user) {
  auto* download = static_cast<TDownload*>(user);
  const size_t bytes = size * count;
  const size_t room = DownloadTextLimit - download->Body.size();
  download->Body.append(data, std::min(bytes, room));
  return download->Body.size() >= DownloadTextLimit ? 0 : bytes;
}

int OnProgress(void* user, curl_off_t, curl_off_t received, curl_off_t, curl_off_t) {
  auto* download = static_cast<TDownload*>(user);
  const auto& progress = download->Options->Progress;
  return progress && !progress(static_cast<int64_t>(received)) ? 1 : 0;
}

bool CurlReady() {
  // Done once, thread-safely, before the first request of the process.
  static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  return ready;
}

using CurlHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;
using HeaderList = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

void SetRequest(CURL* curl, const std::string& url, curl_slist* headers) {
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, DownloadAgent);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
}

void SetTransfer(CURL* curl, TDownload& download) {
  const TDownloadOptions& options = *download.Options;
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(options.ConnectTimeoutMs));
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(options.TotalTimeoutMs));
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &download);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &download);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
}

}  // namespace

std::string DownloadText(const std::string& url, const TDownloadOptions& options) {
  if (!CurlReady()) return {};
  CurlHandle curl(curl_easy_init(), curl_easy_cleanup);
  if (!curl) return {};
  // Always from the server, never from a cache on the way.
  curl_slist* list = nullptr;
  for (const char* header : {"Accept: */*", "Cache-Control: no-cache", "Pragma: no-cache"}) {
    curl_slist* longer = curl_slist_append(list, header);
    if (!longer) {
      curl_slist_free_all(list);
      return {};
    }
    list = longer;
  }
  HeaderList headers(list, curl_slist_free_all);
  TDownload download;
  download.Options = &options;
  SetRequest(curl.get(), url, headers.get());
  SetTransfer(curl.get(), download);
  const CURLcode code = curl_easy_perform(curl.get());
  const bool capped = code == CURLE_WRITE_ERROR && download.Body.size() >= DownloadTextLimit;
  if (code != CURLE_OK && !capped) return {};
  return SanitizeUtf8(download.Body.substr(0, download.Body.find('\0')));
}

}  // namespace zelmora
