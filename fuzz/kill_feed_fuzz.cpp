// The kill-number forecast: an answer the reader accepts holds at least a hundred items,
// each with ten kill codes, which the plan indexes without further checks.
#include "base/text.h"
#include "fuzz_support.h"
#include "plans/kill_feed_plan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pk;
  const std::vector<std::string> items = KillFeedItems(fuzz::Text(data, size));
  if (items.empty()) return 0;
  fuzz::Require(items.size() >= 100, "an accepted forecast has a hundred items");
  for (size_t i = 0; i < 100; ++i)
    fuzz::Require(Split(items[i], "Num").size() >= 11, "every accepted item has ten kill codes");
  return 0;
}
