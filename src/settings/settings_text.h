#pragma once
// The settings text of key "Configure": fourteen pairs of run flag and warning
// distance, every value followed by a comma. The first twelve distances govern the
// warnings; the run flags and the last two pairs only live in the file and the window.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/records.h"

namespace pk {

inline constexpr std::string_view kDefaultSettingsText = "1,7,1,6,1,5,1,4,1,4,1,3,1,2,1,2,1,4,1,3,1,2,1,0,1,0,1,,";
constexpr int kSettingsPairCount = 14;

struct SettingsPair {
  std::string run;       // "1" on, "0" off
  std::string distance;  // a whole number as typed, possibly empty
  bool operator==(const SettingsPair&) const = default;
};
using SettingsPairs = std::array<SettingsPair, kSettingsPairCount>;

// The pairs of a stored text, in order. A text with fewer pairs (an older version's)
// leaves the pairs it does not reach, or a distance it lacks, at their defaults.
SettingsPairs SplitSettingsText(std::string_view text);

// run, ",", distance, "," for every pair: the layout of the default text.
std::string JoinSettingsText(const SettingsPairs& pairs);

// The whole-number value of a distance text: its leading number cut to an integer;
// empty or non-numeric text is 0.
int32_t DistanceValue(std::string_view text);

// The twelve entries' distances (as text and as numbers) from a stored text; an empty
// text gives the defaults.
void ApplySettingsText(std::string_view text, Settings& settings, AlertDistances& distances);

}  // namespace pk
