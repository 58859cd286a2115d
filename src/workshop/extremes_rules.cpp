#include "workshop/extremes_rules.h"

#include <cmath>
#include <limits>

#include "base/numbers.h"

namespace pk {

bool ExceedsStoredNumber(std::string_view stored, int64_t maximum) {
  return TextToNumber(stored) - static_cast<double>(maximum) < -0.0000001;
}

int64_t StoredInteger(std::string_view stored) {
  const double value = std::trunc(TextToNumber(stored));
  // Texts beyond the range of a 64-bit integer stay on their side of every maximum.
  if (value >= 9.2e18) return std::numeric_limits<int64_t>::max();
  if (value <= -9.2e18) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(value);
}

}  // namespace pk
