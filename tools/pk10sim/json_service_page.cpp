// The JSON draw-results service. Its keys come in a fixed order and the numbers without
// leading zeros, as the real service writes them.
#include <string>

#include "pk10sim/pages.h"

namespace pk::sim {

namespace {

std::string NumberList(const Draw& draw) {
  std::string text;
  for (int number : draw.numbers) text += (text.empty() ? "" : ",") + std::to_string(number);
  return text;
}

}  // namespace

std::string JsonServicePage(const DrawStream& draws, int64_t current) {
  const Draw draw = draws.At(current);
  const DateTime next = DrawStream::TimeOf(current + 1);
  return "{\"current\":{\"periodNumber\":" + std::to_string(current) + ",\"awardTime\":\"" + DateTimeText(draw.time) +
         "\",\"awardNumbers\":\"" + NumberList(draw) + "\"},\"next\":{\"periodNumber\":" + std::to_string(current + 1) +
         ",\"awardTime\":\"" + DateTimeText(next) + "\",\"awardTimeInterval\":" +
         std::to_string((next.seconds - draw.time.seconds) * 1000) + "},\"rows\":1}";
}

std::string TwoDigits(int number) { return (number < 10 ? "0" : "") + std::to_string(number); }

}  // namespace pk::sim
