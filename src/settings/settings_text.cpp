#include "settings/settings_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "base/numbers.h"
#include "base/text.h"

namespace pk {

SettingsPairs SplitSettingsText(std::string_view text) {
  const std::vector<std::string> defaults = Split(kDefaultSettingsText, ",");
  const std::vector<std::string> words = Split(text, ",");
  SettingsPairs pairs;
  for (int k = 0; k < kSettingsPairCount; ++k) {
    const size_t run = 2 * k, distance = run + 1;
    pairs[k].run = run < words.size() ? words[run] : defaults[run];
    pairs[k].distance = distance < words.size() ? words[distance] : defaults[distance];
  }
  return pairs;
}

std::string JoinSettingsText(const SettingsPairs& pairs) {
  std::string text;
  for (const SettingsPair& pair : pairs) text += pair.run + "," + pair.distance + ",";
  return text;
}

int32_t DistanceValue(std::string_view text) {
  const double value = std::trunc(TextToNumber(text));
  if (std::isnan(value)) return 0;
  // A huge typed number stays a huge distance instead of overflowing.
  return static_cast<int32_t>(std::clamp<double>(value, std::numeric_limits<int32_t>::min(),
                                                 std::numeric_limits<int32_t>::max()));
}

void ApplySettingsText(std::string_view text, Settings& settings, AlertDistances& distances) {
  const SettingsPairs pairs = SplitSettingsText(text);
  for (int k = 0; k < kAlertDistanceCount; ++k) {
    settings.entries[k].distance = pairs[k].distance;
    distances[k] = DistanceValue(pairs[k].distance);
  }
}

}  // namespace pk
