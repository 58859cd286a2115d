// The kill-number forecast service: for each period (oldest first, the coming period
// last) the drawn result and the kill code of ten sources with whether it succeeded.
// Source k kills the car that finished in position k of the draw k periods before.
#include <string>

#include "pk10sim/pages.h"

namespace pk::sim {

namespace {

std::string Forecast(const DrawStream& draws, int64_t period, bool judged) {
  const Draw draw = draws.At(period);
  std::string result;
  if (judged) {
    for (int number : draw.numbers) result += (result.empty() ? "" : ",") + TwoDigits(number);
  }
  std::string text = "\"" + std::to_string(period) + "\":{\"LotteryResult\":\"" + result + "\",\"KillNum\":{";
  for (int source = 1; source <= 10; ++source) {
    const int kill = draws.At(period - source).numbers[source - 1];
    const int check = judged && kill != draw.numbers[0] ? 1 : 0;
    text += (source > 1 ? "," : "") + std::string("\"") + std::to_string(source) + "\":{\"Num\":\"" +
            std::to_string(kill) + "\",\"Check\":" + std::to_string(check) + "}";
  }
  return text + "}}";
}

}  // namespace

std::string KillFeedPage(const DrawStream& draws, int64_t newest) {
  std::string json = "{";
  for (int64_t period = newest - kKillFeedJudgedPeriods + 1; period <= newest; ++period) {
    json += Forecast(draws, period, true) + ",";
  }
  return json + Forecast(draws, newest + 1, false) + "}";
}

}  // namespace pk::sim
