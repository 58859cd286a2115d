#pragma once
// Shared by the fuzz targets: a check that stops the run with a message the finding
// keeps, the input as text, and the split of a raw answer into headers and body.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

namespace pk::fuzz {

inline void Require(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "broken promise: %s\n", promise);
  std::abort();
}

inline std::string_view Text(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Up to the first blank line: the raw response headers; after it: the body. Without a
// blank line the whole input is the body.
inline std::pair<std::string, std::string> HeadersAndBody(std::string_view input) {
  const size_t end = input.find("\r\n\r\n");
  if (end == std::string_view::npos) return {std::string(), std::string(input)};
  return {std::string(input.substr(0, end + 2)), std::string(input.substr(end + 4))};
}

// Ten texts that name every car 1..10 once ("3", "03" and "10" are car numbers).
inline bool IsPermutation(const std::array<std::string, 10>& numbers) {
  bool seen[11] = {};
  for (const std::string& number : numbers) {
    if (number.empty() || number.size() > 2) return false;
    int car = 0;
    for (char c : number) {
      if (c < '0' || c > '9') return false;
      car = car * 10 + (c - '0');
    }
    if (car < 1 || car > 10 || seen[car]) return false;
    seen[car] = true;
  }
  return true;
}

}  // namespace pk::fuzz
