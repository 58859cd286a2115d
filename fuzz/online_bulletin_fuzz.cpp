// The makers' online bulletin page: its five entries and the lists inside them.
#include "acquire/online_bulletin.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view page = pk::fuzz::Text(data, size);
  pk::ReadBulletinTexts(page);
  pk::SplitBulletinList(page);
  pk::SplitHelpTexts(page);
  return 0;
}
