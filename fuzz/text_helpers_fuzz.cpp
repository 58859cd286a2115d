// The number and GBK helpers every reader goes through: TextToNumber never fails and its
// whole numbers print back as themselves; GBK conversion never fails, GBK made from
// UTF-8 converts back, and GbkLength is the converted length.
#include <cmath>

#include "base/gbk.h"
#include "base/numbers.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pk;
  const std::string_view text = fuzz::Text(data, size);

  const double value = TextToNumber(text);
  if (std::isfinite(value) && std::fabs(value) < 1e15 && value == std::trunc(value))
    fuzz::Require(TextToNumber(NumberToText(value)) == value, "a whole number prints back as itself");

  const std::string gbk = Utf8ToGbk(text);
  fuzz::Require(GbkLength(text) == gbk.size(), "GbkLength is the length of the GBK text");
  const std::string utf8 = GbkToUtf8(gbk);
  fuzz::Require(Utf8ToGbk(utf8) == gbk, "GBK made from UTF-8 converts back to the same bytes");
  GbkToUtf8(text);
  GbkCompare(text, utf8);
  return 0;
}
