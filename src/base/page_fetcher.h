#pragma once
// The program's own HTTP request routine over libcurl: the URL split by hand, browser-like
// default headers, GET or POST, never the cache, 18-second timeouts, redirects followed,
// and the raw response headers returned whole. Re-entrant: every call has its own handle.
#include <chrono>
#include <string>
#include <string_view>

namespace pk {

std::string UrlHost(std::string_view url);  // lower case
int UrlPort(std::string_view url);          // 80 when the host part names none
std::string UrlPath(std::string_view url);  // "/" when there is none

// One request to exactly UrlHost:UrlPort and UrlPath. method: "POST" in any letter case
// sends a POST, anything else becomes "GET" (written back). headers: extra request lines
// each ending in "\r\n"; the defaults (Accept, Referer = the full url, Accept-Language)
// are appended when their names are absent, searched ignoring case, and for a POST with
// a body its Content-Type and Content-Length (written back). The result is the response
// body whatever the status; empty when no connection or request could be made, when
// the transfer stalled or was cut off, or when the body passed 64 MB. headersOut gets
// the raw header block of the final response (CR LF lines, after any redirect) when
// wantHeaders is true, and is emptied on a failure.
std::string PageFetcher(const std::string& url, std::string& method, const std::string& proxy, bool useProxy,
                        std::string& headers, const std::string& body, std::string& headersOut, bool wantHeaders);

// A direct GET with the defaults and no extra headers, the call every reader makes; the
// raw response headers go to *headersOut when it is given.
std::string FetchPage(const std::string& url, std::string* headersOut = nullptr);

// The plain HTTP read of a page (no default headers of the routine above): the body, or
// empty text when the page cannot be read or the server answers an error status.
std::string PlainHttpRead(const std::string& url);

// Both routines give up on a connection or a transfer that stays silent this long
// (18 seconds). Tests shorten it; the program never changes it.
void SetPageFetcherTimeout(std::chrono::seconds timeout);

}  // namespace pk
