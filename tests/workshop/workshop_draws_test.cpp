#include "workshop/workshop_draws.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pk {
namespace {

WorkshopDraws OneDraw(const std::vector<std::string>& texts) {
  WorkshopDraws draws;
  draws.AppendTexts(std::span<const std::string>(texts));
  return draws;
}

// The champion's last character and the cars as integers, from the stored texts.
TEST(WorkshopDraws, ReadsTheStoredTexts) {
  struct Case {
    const char* champion_text;
    uint8_t digit;
    uint8_t car;
  };
  for (const Case& c : {Case{"01", 1, 1}, Case{"10", 0, 10}, Case{"7", 7, 7}, Case{" 09", 9, 9},
                        Case{"x", WorkshopDraws::kNoDigit, 0}, Case{"", WorkshopDraws::kNoDigit, 0},
                        Case{"5.9", 9, 5}, Case{"300", 0, WorkshopDraws::kOutOfRange},
                        Case{"-2", 2, WorkshopDraws::kOutOfRange}, Case{"3a", WorkshopDraws::kNoDigit, 3}}) {
    const WorkshopDraws draws = OneDraw({c.champion_text, "02", "03", "04", "05", "06", "07", "08", "09", "10"});
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws.ChampionDigit(0), c.digit) << c.champion_text;
    EXPECT_EQ(draws.Car(0, 1), c.car) << c.champion_text;
    EXPECT_EQ(draws.Car(0, 10), 10);
  }
  // Missing columns count as empty text.
  const WorkshopDraws short_row = OneDraw({"04", "05"});
  EXPECT_EQ(short_row.Car(0, 2), 5);
  EXPECT_EQ(short_row.Car(0, 3), 0);
}

TEST(WorkshopDraws, NumbersReadAsTheirTwoDigitTexts) {
  WorkshopDraws draws;
  draws.AppendNumbers({10, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_EQ(draws.ChampionDigit(0), 0);
  EXPECT_EQ(draws.Car(0, 1), 10);
  EXPECT_EQ(draws.Car(0, 2), 1);
}

// Results derived from a snapshot may be kept under its identity, so every change and every
// copy must show a new one.
TEST(WorkshopDraws, IdentityChangesWithTheDraws) {
  WorkshopDraws draws;
  draws.AppendNumbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  const uint64_t first = draws.Identity();
  EXPECT_EQ(draws.Identity(), first);
  const WorkshopDraws copy = draws;
  EXPECT_NE(copy.Identity(), first);
  draws.AppendNumbers({2, 1, 3, 4, 5, 6, 7, 8, 9, 10});
  EXPECT_NE(draws.Identity(), first);
  WorkshopDraws moved = std::move(draws);
  EXPECT_EQ(moved.size(), 2u);
  EXPECT_NE(draws.Identity(), moved.Identity());  // NOLINT: the moved-from snapshot is empty
  const uint64_t before_clear = moved.Identity();
  moved.Clear();
  EXPECT_NE(moved.Identity(), before_clear);
}

}  // namespace
}  // namespace pk
