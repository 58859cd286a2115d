// The stored settings text: any text splits into fourteen pairs, the pairs of a text
// joined from pairs read back unchanged, and applying it never throws.
#include "fuzz_support.h"
#include "settings/settings_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pk;
  const std::string_view text = fuzz::Text(data, size);
  const SettingsPairs pairs = SplitSettingsText(text);
  const std::string joined = JoinSettingsText(pairs);
  // Pairs whose texts hold no comma survive the round trip.
  bool plain = true;
  for (const SettingsPair& pair : pairs)
    plain = plain && pair.run.find(',') == std::string::npos && pair.distance.find(',') == std::string::npos;
  if (plain) fuzz::Require(SplitSettingsText(joined) == pairs, "joined pairs split back unchanged");
  for (const SettingsPair& pair : pairs) DistanceValue(pair.distance);
  Settings settings;
  AlertDistances distances{};
  ApplySettingsText(text, settings, distances);
  return 0;
}
