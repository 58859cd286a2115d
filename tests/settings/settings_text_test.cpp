#include <gtest/gtest.h>

#include <string>

#include "settings/settings_text.h"

namespace pk {
namespace {

TEST(SettingsTextTest, DefaultTextRoundTripsAndGivesTheDefaultDistances) {
  const SettingsPairs pairs = SplitSettingsText(kDefaultSettingsText);
  EXPECT_EQ(pairs[0], (SettingsPair{"1", "7"}));
  EXPECT_EQ(pairs[12], (SettingsPair{"1", "0"}));
  EXPECT_EQ(pairs[13], (SettingsPair{"1", ""}));
  EXPECT_EQ(JoinSettingsText(pairs), kDefaultSettingsText);

  Settings settings;
  AlertDistances distances{};
  ApplySettingsText("", settings, distances);
  EXPECT_EQ(distances, (AlertDistances{7, 6, 5, 4, 4, 3, 2, 2, 4, 3, 2, 0}));
  EXPECT_EQ(settings.entries[0].name, "二码极限");
  EXPECT_EQ(settings.entries[11].distance, "0");
}

TEST(SettingsTextTest, StoredDistancesAsTypedCountByTheirWholeNumber) {
  Settings settings;
  AlertDistances distances{};
  ApplySettingsText("1,9,0,,1,abc,1,4.8,1,-2,1,99999999999,1,2,1,2,1,4,1,3,1,2,1,1,1,0,1,,", settings, distances);
  EXPECT_EQ(distances, (AlertDistances{9, 0, 0, 4, -2, 2147483647, 2, 2, 4, 3, 2, 1}));
  EXPECT_EQ(settings.entries[1].distance, "");
  EXPECT_EQ(settings.entries[2].distance, "abc");
  EXPECT_EQ(settings.entries[3].distance, "4.8");
}

TEST(SettingsTextTest, AShortTextKeepsTheDefaultsOfTheEntriesItDoesNotReach) {
  const SettingsPairs pairs = SplitSettingsText("0,9,1,8,1");
  EXPECT_EQ(pairs[0], (SettingsPair{"0", "9"}));
  EXPECT_EQ(pairs[1], (SettingsPair{"1", "8"}));
  EXPECT_EQ(pairs[2], (SettingsPair{"1", "5"}));  // run given, distance missing
  EXPECT_EQ(pairs[11], (SettingsPair{"1", "0"}));

  Settings settings;
  AlertDistances distances{};
  ApplySettingsText("0,9,1,8,1", settings, distances);
  EXPECT_EQ(distances, (AlertDistances{9, 8, 5, 4, 4, 3, 2, 2, 4, 3, 2, 0}));
}

}  // namespace
}  // namespace pk
