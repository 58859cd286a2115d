// The page routine against a small loopback server that echoes what it received.
#include "base/page_fetcher.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>

#include "base/text.h"

namespace pk {
namespace {

// Answers "/echo" with the request it saw: the method, the path with its query, every
// header as "Name: value" lines, an empty line and the body.
class EchoServer {
 public:
  EchoServer() {
    const auto echo = [](const httplib::Request& request, httplib::Response& response) {
      std::string text = request.method + " " + request.target + "\n";
      for (const auto& [name, value] : request.headers) text += name + ": " + value + "\n";
      response.set_content(text + "\n" + request.body, "text/plain");
    };
    server_.Get("/echo", echo);
    server_.Post("/echo", echo);
    server_.Get("/long-headers", [](const httplib::Request&, httplib::Response& response) {
      response.set_header("X-Long", std::string(3000, 'h') + "end");
      response.set_content("long", "text/plain");
    });
    server_.Get("/error", [](const httplib::Request&, httplib::Response& response) {
      response.status = 500;
      response.set_content("broken page", "text/html");
    });
    server_.Get("/redirect", [](const httplib::Request&, httplib::Response& response) {
      response.set_redirect("/echo?moved=1");
    });
    server_.Get("/silent", [this](const httplib::Request&, httplib::Response& response) {
      released_.wait();
      response.set_content("too late", "text/plain");
    });
    server_.Get("/oversized", [](const httplib::Request&, httplib::Response& response) {
      constexpr size_t kSize = 65u * 1024 * 1024;
      response.set_content_provider(kSize, "text/plain", [](size_t offset, size_t length, httplib::DataSink& sink) {
        static const std::string block(64 * 1024, 'b');
        sink.write(block.data(), std::min({length, block.size(), kSize - offset}));
        return true;
      });
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
  }
  ~EchoServer() {
    Release();
    server_.stop();
    thread_.join();
  }

  std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
  void Release() {
    if (!releasedOnce_) release_.set_value();
    releasedOnce_ = true;
  }

 private:
  httplib::Server server_;
  std::thread thread_;
  int port_ = 0;
  std::promise<void> release_;
  std::shared_future<void> released_ = release_.get_future().share();
  bool releasedOnce_ = false;
};

// What the server echoed for one header, its name in any letter case ("" when it was
// not sent).
std::string Sent(const std::string& echo, const std::string& name) {
  const std::string head = echo.substr(0, echo.find("\n\n"));
  const size_t at = FindIgnoreCase(head, "\n" + name + ": ");
  if (at == std::string::npos) return {};
  const size_t start = at + name.size() + 3;
  return head.substr(start, head.find('\n', start) - start);
}

struct Reply {
  std::string body, method, headers, headersOut;
};

Reply Fetch(const std::string& url, std::string method, std::string headers = "", const std::string& body = "") {
  Reply reply;
  reply.body = PageFetcher(url, method, "", false, headers, body, reply.headersOut, true);
  reply.method = method;
  reply.headers = headers;
  return reply;
}

// A loopback port that nothing listens on.
int ClosedPort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  close(fd);
  return ntohs(address.sin_port);
}

const std::string kAccept =
    "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, application/vnd.ms-excel, "
    "application/vnd.ms-powerpoint, application/msword, */*";

TEST(UrlSplitting, HostPortAndPath) {
  const struct {
    std::string url, host;
    int port;
    std::string path;
  } cases[] = {
      {"http://WWW.Example.COM:8080/a/b?x=1", "www.example.com", 8080, "/a/b?x=1"},
      {"HTTP://Example.com", "example.com", 80, "/"},
      {"example.com/x", "example.com", 80, "/x"},
      {"example.com", "example.com", 80, "/"},
      {"http://127.0.0.1:8765//ajax/shahao/PK10/100/n1", "127.0.0.1", 8765, "//ajax/shahao/PK10/100/n1"},
      {"http://t/x", "t", 80, "/x"},  // a host that also occurs inside the scheme
      {"http://h:/x", "h", 0, "/x"},  // no number after the colon
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UrlHost(c.url), c.host) << c.url;
    EXPECT_EQ(UrlPort(c.url), c.port) << c.url;
    EXPECT_EQ(UrlPath(c.url), c.path) << c.url;
  }
}

TEST(PageFetcher, SendsTheAgentTheDefaultsAndNoCacheToTheSplitAddress) {
  EchoServer server;
  const std::string url = server.Url("/echo?q=1&t=0.2");
  const Reply reply = Fetch(url, "get");
  EXPECT_EQ(reply.method, "GET");
  EXPECT_TRUE(reply.body.starts_with("GET /echo?q=1&t=0.2\n")) << reply.body;
  EXPECT_EQ(Sent(reply.body, "User-Agent"), "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
  EXPECT_EQ(Sent(reply.body, "Accept"), kAccept);
  EXPECT_EQ(Sent(reply.body, "Referer"), url);
  EXPECT_EQ(Sent(reply.body, "Accept-Language"), "zh-cn");
  EXPECT_EQ(Sent(reply.body, "Cache-Control"), "no-cache");
  EXPECT_EQ(Sent(reply.body, "Pragma"), "no-cache");
  // The defaults are written back into the caller's header text.
  EXPECT_EQ(reply.headers, "Accept: " + kAccept + "\r\nReferer: " + url + "\r\nAccept-Language: zh-cn\r\n");
}

TEST(PageFetcher, CallerHeadersSuppressDefaultsWhateverTheirLetterCase) {
  EchoServer server;
  const std::string own = "accept-language: en-us\r\nREFERER: http://elsewhere/\r\nX-Extra: 1\r\n";
  const Reply reply = Fetch(server.Url("/echo"), "GET", own);
  EXPECT_EQ(Sent(reply.body, "Accept-Language"), "en-us");
  EXPECT_EQ(Sent(reply.body, "Referer"), "http://elsewhere/");
  EXPECT_EQ(Sent(reply.body, "X-Extra"), "1");
  EXPECT_EQ(Sent(reply.body, "Accept"), kAccept);
  EXPECT_EQ(reply.headers, own + "Accept: " + kAccept + "\r\n");
}

TEST(PageFetcher, PostCarriesItsBodyAndAnyOtherMethodIsAGet) {
  EchoServer server;
  const Reply post = Fetch(server.Url("/echo"), "post", "", "a=1&b=2");
  EXPECT_EQ(post.method, "POST");
  EXPECT_TRUE(post.body.starts_with("POST /echo\n")) << post.body;
  EXPECT_EQ(Sent(post.body, "Content-Type"), "application/x-www-form-urlencoded");
  EXPECT_EQ(Sent(post.body, "Content-Length"), "7");
  EXPECT_TRUE(post.body.ends_with("\n\na=1&b=2")) << post.body;
  EXPECT_NE(post.headers.find("Content-Length: 7\r\n"), std::string::npos);

  const Reply empty = Fetch(server.Url("/echo"), "POST");
  EXPECT_TRUE(empty.body.starts_with("POST /echo\n")) << empty.body;
  EXPECT_EQ(Sent(empty.body, "Content-Type"), "");
  EXPECT_EQ(empty.headers.find("Content-"), std::string::npos);

  const Reply put = Fetch(server.Url("/echo"), "PUT", "", "ignored");
  EXPECT_EQ(put.method, "GET");
  EXPECT_TRUE(put.body.starts_with("GET /echo\n")) << put.body;
  EXPECT_TRUE(put.body.ends_with("\n\n")) << put.body;
}

TEST(PageFetcher, ReturnsTheRawHeadersWholeAndFollowsRedirects) {
  EchoServer server;
  std::string headers;
  EXPECT_EQ(FetchPage(server.Url("/long-headers"), &headers), "long");
  EXPECT_GT(headers.size(), 3000u);
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 200")) << headers;
  EXPECT_NE(headers.find("X-Long: " + std::string(3000, 'h') + "end\r\n"), std::string::npos);
  EXPECT_TRUE(headers.ends_with("\r\n\r\n"));

  // Only the final answer's headers come back.
  const std::string body = FetchPage(server.Url("/redirect"), &headers);
  EXPECT_TRUE(body.starts_with("GET /echo?moved=1\n")) << body;
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 200")) << headers;
}

TEST(PageFetcher, ErrorStatusGivesTheBodyAsSent) {
  EchoServer server;
  std::string headers;
  EXPECT_EQ(FetchPage(server.Url("/error"), &headers), "broken page");
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 500")) << headers;
  EXPECT_EQ(PlainHttpRead(server.Url("/error")), "");
}

TEST(PageFetcher, NoAnswerGivesNothing) {
  const Reply refused = Fetch("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/x", "GET");
  EXPECT_EQ(refused.body, "");
  EXPECT_EQ(refused.headersOut, "");
  EXPECT_EQ(PlainHttpRead("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/x"), "");
  EXPECT_EQ(Fetch("http://127.0.0.1:70000/x", "GET").body, "");  // no such port
}

TEST(PageFetcher, SilentServerGivesNothingAfterTheTimeout) {
  EchoServer server;
  SetPageFetcherTimeout(std::chrono::seconds(1));
  const auto start = std::chrono::steady_clock::now();
  const Reply reply = Fetch(server.Url("/silent"), "GET");
  const auto waited = std::chrono::steady_clock::now() - start;
  SetPageFetcherTimeout(std::chrono::seconds(18));
  server.Release();
  EXPECT_EQ(reply.body, "");
  EXPECT_EQ(reply.headersOut, "");
  EXPECT_GE(waited, std::chrono::milliseconds(900));
  EXPECT_LT(waited, std::chrono::seconds(10));
}

TEST(PageFetcher, BodyOverTheLimitGivesNothing) {
  EchoServer server;
  EXPECT_EQ(FetchPage(server.Url("/oversized")), "");
  EXPECT_EQ(PlainHttpRead(server.Url("/oversized")), "");
}

TEST(PlainHttpRead, SendsNoDefaultHeaders) {
  EchoServer server;
  const std::string body = PlainHttpRead(server.Url("/echo?plain=1"));
  EXPECT_TRUE(body.starts_with("GET /echo?plain=1\n")) << body;
  EXPECT_EQ(Sent(body, "Referer"), "");
  EXPECT_EQ(Sent(body, "Accept-Language"), "");
}

}  // namespace
}  // namespace pk
