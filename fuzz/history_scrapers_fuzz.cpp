// The companion library's three history scrapers and its newest-draw reader. The first
// byte picks the reader; the rest is the page (for the bulletin, up to four pages
// separated by form feeds; for the newest draw, headers, a blank line and the body).
// Draw-page and bulletin answers that pass the day-answer checks name every car once
// in each draw.
#include "acquire/draw_checks.h"
#include "base/text.h"
#include "companion/history_scrapers.h"
#include "fuzz_support.h"

namespace {

// Thirteen fields per draw: ten numbers, an empty field, the period, an empty field.
void CheckDayAnswer(const std::string& answer) {
  if (!pk::IsValidDayAnswer(answer)) return;
  const std::vector<std::string> fields = pk::Split(answer, " ");
  for (size_t d = 0; d + 13 <= fields.size(); d += 13) {
    std::array<std::string, 10> numbers;
    for (int i = 0; i < 10; ++i) numbers[i] = fields[d + i];
    pk::fuzz::Require(pk::fuzz::IsPermutation(numbers), "an accepted day answer names every car once");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pk;
  if (size == 0) return 0;
  const std::string page(fuzz::Text(data + 1, size - 1));
  switch (data[0] % 4) {
    case 0:
      if (const std::optional<std::string> draws = DrawsOfDrawPage(page)) CheckDayAnswer(*draws);
      break;
    case 1: {
      std::vector<std::string> pages = Split(page, "\f");
      if (pages.size() > 4) pages.resize(4);
      CheckDayAnswer(DrawsOfBulletinPages(pages));
      break;
    }
    case 2:
      DrawsOfDayDrawList(page);
      break;
    default: {
      const auto [headers, body] = fuzz::HeadersAndBody(page);
      const std::string line = NewestDrawOfAnswer(body, headers);
      fuzz::Require(line.empty() || Contains(line, "|"), "a found newest draw holds its separator");
    }
  }
  return 0;
}
