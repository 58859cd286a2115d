// The operator's bulletin page as the catch-up reads it: the first line is the newest
// period the program holds, the rest the page (blanks and tabs removed as the caller does).
#include "acquire/live_feed.h"
#include "base/text.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pk;
  const std::string_view input = fuzz::Text(data, size);
  const size_t lineEnd = input.find('\n');
  const std::string latest(input.substr(0, lineEnd == std::string_view::npos ? 0 : lineEnd));
  const std::string_view raw = lineEnd == std::string_view::npos ? input : input.substr(lineEnd + 1);
  const std::string page = ReplaceAll(ReplaceAll(raw, "\t", ""), " ", "");
  const std::optional<std::vector<std::string>> rows = BulletinRowsAfter(page, latest);
  if (!rows) return 0;
  for (const std::string& row : *rows) ReadBulletinRow(row);
  ReadBulletinRow(raw);
  return 0;
}
