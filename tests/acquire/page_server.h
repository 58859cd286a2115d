#pragma once
// A loopback HTTP server for tests that answers each path with a body, a status and a
// "Date:" header the test sets, and counts the requests. Paths not set answer 404.
#include <httplib.h>

#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pk::test {

class PageServer {
 public:
  struct Answer {
    std::string body;
    int status = 200;
    std::string date = "Sat, 01 Mar 2014 02:03:10 GMT";  // 10:03:10 operator time
  };

  PageServer() {
    server_.Get(R"(/.*)", [this](const httplib::Request& request, httplib::Response& response) {
      std::lock_guard lock(mutex_);
      requests_.push_back(request.target);
      const auto it = answers_.find(request.path);
      if (it == answers_.end()) {
        response.status = 404;
        return;
      }
      response.status = it->second.status;
      if (!it->second.date.empty()) response.set_header("Date", it->second.date);
      response.set_content(it->second.body, "text/html; charset=utf-8");
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    // The socket listens from the bind on, so requests wait for the loop below.
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    // A stop before the loop runs would be lost, and the loop would never end.
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ~PageServer() {
    server_.stop();
    thread_.join();
  }

  std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_); }

  void Set(const std::string& path, Answer answer) {
    std::lock_guard lock(mutex_);
    answers_[path] = std::move(answer);
  }
  void Remove(const std::string& path) {
    std::lock_guard lock(mutex_);
    answers_.erase(path);
  }
  // Request targets (path and query) in arrival order.
  std::vector<std::string> Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
  }

 private:
  httplib::Server server_;
  std::thread thread_;
  int port_ = 0;
  mutable std::mutex mutex_;
  std::map<std::string, Answer> answers_;
  std::vector<std::string> requests_;
};

}  // namespace pk::test
