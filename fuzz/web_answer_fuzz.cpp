// The JSON draw service's answer: status, usable body, the "Date:" header and the newest
// draw's line, whose fields are read back as the live feed reads them.
#include "acquire/live_feed.h"
#include "acquire/web_answer.h"
#include "base/text.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pk;
  const auto [headers, body] = fuzz::HeadersAndBody(fuzz::Text(data, size));
  ResponseStatus(headers);
  HeaderDateText(headers);
  const std::string line = LatestDrawLine(UsableBody(body, headers), headers);
  fuzz::Require(Contains(line, "|"), "the draw line always holds its separator");
  const std::vector<std::string> parts = Split(line, "|");
  for (std::string_view fields : {std::string_view(parts.front()), fuzz::Text(data, size)}) {
    const std::optional<FeedDraw> draw = ParseLatestDrawFields(fields);
    if (!draw) continue;
    fuzz::Require(fuzz::IsPermutation(draw->numbers), "a parsed draw names every car once");
    fuzz::Require(!draw->period.empty() && draw->period.size() <= 18 &&
                      draw->period.find_first_not_of("0123456789") == std::string::npos,
                  "a parsed period is a plain number");
  }
  return 0;
}
