#include "pk10sim/failure_answers.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <memory>
#include <random>

namespace pk::sim {

namespace {

int PortOf(const sockaddr_storage& address) {
  if (address.ss_family == AF_INET) return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
  if (address.ss_family == AF_INET6) return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
  return -1;
}

}  // namespace

void DropConnection(const httplib::Request& request) {
  // httplib does not hand out the socket of a request: find it among the process's open
  // descriptors by its two ports, and shut it down. The server's own later writes then
  // fail quietly and it closes the socket.
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
    const std::string name = entry.path().filename().string();
    int fd = -1;
    if (std::from_chars(name.data(), name.data() + name.size(), fd).ec != std::errc()) continue;
    sockaddr_storage local{}, peer{};
    socklen_t localLength = sizeof local, peerLength = sizeof peer;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localLength) != 0) continue;
    if (getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerLength) != 0) continue;
    if (PortOf(local) == request.local_port && PortOf(peer) == request.remote_port) {
      shutdown(fd, SHUT_RDWR);
      return;
    }
  }
}

void ErrorAnswer(httplib::Response& response) {
  response.status = 500;
  response.set_content(
      "<!DOCTYPE html>\n<html><head><title>500 Internal Server Error</title></head>\n"
      "<body><h1>Internal Server Error</h1><p>The server encountered an internal error.</p></body></html>\n",
      "text/html; charset=utf-8");
}

void TruncatedAnswer(httplib::Response& response, std::string page, const std::string& contentType) {
  auto shared = std::make_shared<std::string>(std::move(page));
  const size_t half = shared->size() / 2;
  response.set_content_provider(shared->size(), contentType,
                                [shared, half](size_t offset, size_t, httplib::DataSink& sink) {
                                  if (offset >= half) return false;  // breaks the connection
                                  sink.write(shared->data() + offset, half - offset);
                                  return true;
                                });
}

void GarbageAnswer(httplib::Response& response, uint64_t seed, const std::string& contentType) {
  std::mt19937_64 random(seed ^ 0x6A09E667F3BCC908ull);
  std::string bytes(16 * 1024, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  response.set_content(std::move(bytes), contentType);
}

void HugeAnswer(httplib::Response& response, std::string page, const std::string& contentType) {
  static constexpr std::string_view kOpen = "\n<!--", kClose = "-->\n";
  auto shared = std::make_shared<std::string>(std::move(page) + std::string(kOpen));
  if (shared->size() + kClose.size() > kHugePageBytes) return response.set_content(*shared, contentType);
  const size_t fillerEnd = kHugePageBytes - kClose.size();
  response.set_content_provider(
      kHugePageBytes, contentType, [shared, fillerEnd](size_t offset, size_t length, httplib::DataSink& sink) {
        static const std::string filler(64 * 1024, 'x');
        length = std::min(length, filler.size());
        if (offset < shared->size()) {
          sink.write(shared->data() + offset, std::min(length, shared->size() - offset));
        } else if (offset < fillerEnd) {
          sink.write(filler.data(), std::min(length, fillerEnd - offset));
        } else {
          sink.write(kClose.data() + (offset - fillerEnd), kHugePageBytes - offset);
        }
        return true;
      });
}

}  // namespace pk::sim
