#include "base/page_fetcher.h"

#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>

#include "base/numbers.h"
#include "base/text.h"

namespace pk {

namespace {

constexpr const char* kAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr size_t kBodyLimit = 64u * 1024 * 1024;
constexpr long kMaxRedirects = 10;

std::atomic<long> timeoutSeconds{18};

void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// The host part of the address: what lies between the scheme (if any) and the first
// "/" after it.
std::string_view HostPart(std::string_view url) {
  if (url.size() >= 7 && EqualsIgnoreCase(url.substr(0, 7), "http://")) {
    const std::string_view rest = url.substr(7);
    return rest.substr(0, rest.find('/'));
  }
  return url.substr(0, url.find('/'));
}

struct Transfer {
  std::string body;
  std::string headers;  // the header block of the latest response only
  bool tooLarge = false;
};

size_t OnBody(char* data, size_t size, size_t count, void* user) {
  auto& transfer = *static_cast<Transfer*>(user);
  const size_t length = size * count;
  if (transfer.body.size() + length > kBodyLimit) {
    transfer.tooLarge = true;
    return 0;  // ends the transfer with a write error
  }
  transfer.body.append(data, length);
  return length;
}

size_t OnHeader(char* data, size_t size, size_t count, void* user) {
  auto& transfer = *static_cast<Transfer*>(user);
  const size_t length = size * count;
  const std::string_view line(data, length);
  // A status line starts a new response (after a redirect or an interim 100 Continue):
  // only the final response's headers are handed back.
  if (line.starts_with("HTTP/")) transfer.headers.clear();
  if (transfer.headers.size() + length > kBodyLimit) return 0;
  transfer.headers.append(line);
  return length;
}

struct CurlDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct SlistDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// The request lines of a header text: every non-empty line, without its line end. A
// lone CR or LF inside a line would let one header smuggle another, so both end lines.
std::unique_ptr<curl_slist, SlistDeleter> HeaderList(std::string_view headers) {
  curl_slist* list = nullptr;
  const std::string unified = ReplaceAll(ReplaceAll(headers, "\r\n", "\n"), "\r", "\n");
  for (const std::string& line : Split(unified, "\n")) {
    if (Trim(line).empty()) continue;
    curl_slist* longer = curl_slist_append(list, line.c_str());
    if (!longer) break;
    list = longer;
  }
  return std::unique_ptr<curl_slist, SlistDeleter>(list);
}

// Options every request shares: the timeouts, no signals (worker threads), http only.
void CommonOptions(CURL* curl, Transfer& transfer) {
  const long seconds = timeoutSeconds.load();
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, seconds * 1000);
  // A transfer that delivers nothing for the timeout ends; a slow but steady one goes on.
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, seconds);
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_PATH_AS_IS, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, OnHeader);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);
}

// Runs the prepared request. Anything short of a complete answer (no connection, a
// stalled or cut-off transfer, a body over the limit) is a failure: nothing is returned.
bool Perform(CURL* curl, Transfer& transfer) {
  if (curl_easy_perform(curl) != CURLE_OK || transfer.tooLarge) {
    transfer.body.clear();
    transfer.headers.clear();
    return false;
  }
  return true;
}

// The address the request goes to, rebuilt from the split parts. Port 0 (none written
// after the ":") is the default port, as the system's client takes it; a port that no
// socket can have gives no address.
std::string RequestAddress(std::string_view url) {
  int port = UrlPort(url);
  if (port == 0) port = 80;
  if (port < 1 || port > 65535) return {};
  const std::string host = UrlHost(url);
  if (host.empty()) return {};
  return "http://" + host + ":" + std::to_string(port) + UrlPath(url);
}

void AppendIfAbsent(std::string& headers, std::string_view name, std::string_view line) {
  if (FindIgnoreCase(headers, name) == std::string::npos) headers += line;
}

}  // namespace

std::string UrlHost(std::string_view url) {
  const std::string_view host = HostPart(url);
  return ToLowerAscii(host.substr(0, host.find(':')));
}

int UrlPort(std::string_view url) {
  const std::string_view host = HostPart(url);
  const size_t colon = host.find(':');
  if (colon == std::string_view::npos) return 80;
  const double value = TextToNumber(host.substr(colon + 1));
  // Anything beyond an int is no port either; keep it out of range rather than wrap.
  if (value > 1e9 || value < -1e9) return -1;
  return static_cast<int>(value);
}

std::string UrlPath(std::string_view url) {
  // The host is looked for after the scheme: a host such as "t" would otherwise be
  // found inside "http://" itself.
  const size_t hostStart = HostPart(url).data() - url.data();
  const size_t host = FindIgnoreCase(url, UrlHost(url), hostStart);
  if (host == std::string_view::npos) return "/";
  const size_t slash = url.find('/', host);
  if (slash == std::string_view::npos) return "/";
  return std::string(url.substr(slash));
}

void SetPageFetcherTimeout(std::chrono::seconds timeout) {
  timeoutSeconds = std::max<long>(1, static_cast<long>(timeout.count()));
}

std::string PageFetcher(const std::string& url, std::string& method, const std::string& proxy, bool useProxy,
                        std::string& headers, const std::string& body, std::string& headersOut, bool wantHeaders) {
  InitCurlOnce();
  if (wantHeaders) headersOut.clear();
  method = EqualsIgnoreCase(method, "POST") ? "POST" : "GET";
  const bool post = method == "POST";

  std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
  const std::string address = RequestAddress(url);
  if (!curl || address.empty()) return {};

  AppendIfAbsent(headers, "Accept: ",
                 "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
                 "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n");
  AppendIfAbsent(headers, "Referer: ", "Referer: " + url + "\r\n");
  AppendIfAbsent(headers, "Accept-Language: ", "Accept-Language: zh-cn\r\n");
  if (post && !body.empty()) {
    headers += "Content-Type: application/x-www-form-urlencoded\r\n";
    headers += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  }

  // Always from the server, never from a cache; no "Expect: 100-continue" round trip
  // for a POST body (the system's client sends the body at once).
  std::string sent = headers;
  AppendIfAbsent(sent, "Cache-Control:", "Cache-Control: no-cache\r\n");
  AppendIfAbsent(sent, "Pragma:", "Pragma: no-cache\r\n");
  if (post) AppendIfAbsent(sent, "Expect:", "Expect:\r\n");
  // Nor a content type of curl's own for a POST without a body.
  if (post && body.empty()) AppendIfAbsent(sent, "Content-Type:", "Content-Type:\r\n");
  const auto headerList = HeaderList(sent);

  Transfer transfer;
  CURL* handle = curl.get();
  CommonOptions(handle, transfer);
  curl_easy_setopt(handle, CURLOPT_URL, address.c_str());
  curl_easy_setopt(handle, CURLOPT_USERAGENT, kAgent);
  curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headerList.get());
  if (useProxy) {
    curl_easy_setopt(handle, CURLOPT_PROXY, proxy.c_str());
  } else {
    curl_easy_setopt(handle, CURLOPT_PROXY, "");  // direct, whatever the environment says
  }
  if (post) {
    curl_easy_setopt(handle, CURLOPT_POST, 1L);
    curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(handle, CURLOPT_COPYPOSTFIELDS, body.c_str());
  }
  // A redirected POST is repeated as a GET, as browsers do.
  if (!Perform(handle, transfer)) return {};
  if (wantHeaders) headersOut = std::move(transfer.headers);
  return std::move(transfer.body);
}

std::string FetchPage(const std::string& url, std::string* headersOut) {
  std::string method = "GET";
  std::string headers;
  std::string received;
  std::string body = PageFetcher(url, method, "", false, headers, "", received, headersOut != nullptr);
  if (headersOut) *headersOut = std::move(received);
  return body;
}

std::string PlainHttpRead(const std::string& url) {
  InitCurlOnce();
  std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
  const std::string address = RequestAddress(url);
  if (!curl || address.empty()) return {};
  Transfer transfer;
  CURL* handle = curl.get();
  CommonOptions(handle, transfer);
  curl_easy_setopt(handle, CURLOPT_URL, address.c_str());
  curl_easy_setopt(handle, CURLOPT_PROXY, "");
  if (!Perform(handle, transfer)) return {};
  // An error page is no page: the plain read gives nothing for it.
  long status = 0;
  curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
  if (status >= 400) return {};
  return std::move(transfer.body);
}

}  // namespace pk
