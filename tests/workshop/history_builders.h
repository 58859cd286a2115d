#pragma once
// Draw histories for the extremes tests: hand-made ones that spell out the champions or the
// positions of the next champion, and generated ones of several shapes.
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "workshop/extremes_records.h"
#include "workshop/workshop_draws.h"

namespace pk {

void PrintTo(const ExtremeRow& row, std::ostream* out);

namespace testing_history {

// One draw per champion car (1..10), the other cars in order after it.
WorkshopDraws FromChampions(const std::vector<int>& champions);

// Draws where the champion of draw t + 1 is the car at position next_champion_at[t]
// (1..10) of draw t; the first draw is 1..10 in order.
WorkshopDraws FollowingPositions(const std::vector<int>& next_champion_at);

// Uniformly random finishing orders.
WorkshopDraws RandomOrders(size_t count, std::mt19937_64& random);

// Champions drawn from a few cars only: long omissions, combinations that never hit.
WorkshopDraws FewChampions(size_t count, std::mt19937_64& random);

// A block of champions repeated with period 9 (or 18), with occasional random breaks: long
// trend runs.
WorkshopDraws PeriodicChampions(size_t count, std::mt19937_64& random);

// Next champions that mostly follow a random cycle of 3 or 4 positions: long kill runs.
WorkshopDraws CyclicPositions(size_t count, std::mt19937_64& random);

// Rows no sound store holds: repeated cars, cars 0 and 11, champions whose text does not
// end in a digit, empty texts.
WorkshopDraws BrokenRows(size_t count, std::mt19937_64& random);

}  // namespace testing_history
}  // namespace pk
