#pragma once
// The misbehaving answers of the failure switches, written into an httplib response.
#include <cstdint>
#include <string>

#include <httplib.h>

namespace pk::sim {

inline constexpr size_t kHugePageBytes = 50u * 1024 * 1024;

// Closes the client's connection at once, so that it receives no answer at all.
void DropConnection(const httplib::Request& request);

void ErrorAnswer(httplib::Response& response);
// Announces the whole page but sends only its first half; the connection then closes.
void TruncatedAnswer(httplib::Response& response, std::string page, const std::string& contentType);
// Random bytes (the same for the same seed) in place of the page.
void GarbageAnswer(httplib::Response& response, uint64_t seed, const std::string& contentType);
// The page followed by a comment that pads it to kHugePageBytes, streamed.
void HugeAnswer(httplib::Response& response, std::string page, const std::string& contentType);

}  // namespace pk::sim
