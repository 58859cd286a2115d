#include "acquire/web_answer.h"

#include "base/text.h"

namespace pk {

int ResponseStatus(std::string_view headers) {
  if (!headers.starts_with("HTTP/")) return 0;
  const size_t blank = headers.find(' ');
  if (blank == std::string_view::npos || headers.size() < blank + 4) return 0;
  const std::string_view code = headers.substr(blank + 1, 3);
  if (!IsDigitString(code)) return 0;
  return (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
}

std::string UsableBody(std::string body, std::string_view headers) {
  return ResponseStatus(headers) >= 400 ? std::string() : std::move(body);
}

std::string HeaderDateText(std::string_view headers) { return Trim(TextBetween(headers, "Date:", "GMT")); }

}  // namespace pk
