#include "history_builders.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace pk {

void PrintTo(const ExtremeRow& row, std::ostream* out) {
  *out << "{" << row.key << " | " << row.shown_name << " | " << row.column << " | stored \"" << row.stored
       << "\" | new " << row.new_value << "}";
}

namespace testing_history {

namespace {

using Cars = std::array<uint8_t, 10>;

Cars WithChampion(int champion) {
  Cars cars{};
  cars[0] = static_cast<uint8_t>(champion);
  size_t at = 1;
  for (int car = 1; car <= 10; ++car)
    if (car != champion) cars[at++] = static_cast<uint8_t>(car);
  return cars;
}

Cars Shuffled(std::mt19937_64& random) {
  Cars cars{};
  std::iota(cars.begin(), cars.end(), uint8_t{1});
  std::shuffle(cars.begin(), cars.end(), random);
  return cars;
}

// A random order whose champion is the given car.
Cars ShuffledWithChampion(int champion, std::mt19937_64& random) {
  Cars cars = Shuffled(random);
  std::swap(cars[0], *std::find(cars.begin(), cars.end(), static_cast<uint8_t>(champion)));
  return cars;
}

int Uniform(std::mt19937_64& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

}  // namespace

WorkshopDraws FromChampions(const std::vector<int>& champions) {
  WorkshopDraws draws;
  for (int champion : champions) draws.AppendNumbers(WithChampion(champion));
  return draws;
}

WorkshopDraws FollowingPositions(const std::vector<int>& next_champion_at) {
  WorkshopDraws draws;
  Cars cars{};
  std::iota(cars.begin(), cars.end(), uint8_t{1});
  draws.AppendNumbers(cars);
  for (int position : next_champion_at) {
    const int champion = cars[static_cast<size_t>(position - 1)];
    // Rotate so that the order changes from draw to draw but the champion is the one asked.
    Cars next = WithChampion(champion);
    std::rotate(next.begin() + 1, next.begin() + 1 + (champion % 9), next.end());
    cars = next;
    draws.AppendNumbers(cars);
  }
  return draws;
}

WorkshopDraws RandomOrders(size_t count, std::mt19937_64& random) {
  WorkshopDraws draws;
  for (size_t i = 0; i < count; ++i) draws.AppendNumbers(Shuffled(random));
  return draws;
}

WorkshopDraws FewChampions(size_t count, std::mt19937_64& random) {
  std::vector<int> cars(10);
  std::iota(cars.begin(), cars.end(), 1);
  std::shuffle(cars.begin(), cars.end(), random);
  cars.resize(static_cast<size_t>(Uniform(random, 1, 4)));
  WorkshopDraws draws;
  for (size_t i = 0; i < count; ++i)
    draws.AppendNumbers(ShuffledWithChampion(cars[static_cast<size_t>(Uniform(random, 0, static_cast<int>(cars.size()) - 1))], random));
  return draws;
}

WorkshopDraws PeriodicChampions(size_t count, std::mt19937_64& random) {
  std::vector<int> block(Uniform(random, 0, 1) ? 9 : 18);
  for (int& champion : block) champion = Uniform(random, 1, 10);
  const int break_one_in = Uniform(random, 8, 200);
  WorkshopDraws draws;
  for (size_t i = 0; i < count; ++i) {
    int champion = block[i % block.size()];
    if (Uniform(random, 1, break_one_in) == 1) champion = Uniform(random, 1, 10);
    draws.AppendNumbers(ShuffledWithChampion(champion, random));
  }
  return draws;
}

WorkshopDraws CyclicPositions(size_t count, std::mt19937_64& random) {
  std::vector<int> cycle(static_cast<size_t>(Uniform(random, 3, 4)));
  for (int& position : cycle) position = Uniform(random, 1, 10);
  const int break_one_in = Uniform(random, 4, 100);
  WorkshopDraws draws;
  if (count == 0) return draws;
  Cars cars = Shuffled(random);
  draws.AppendNumbers(cars);
  for (size_t t = 0; t + 1 < count; ++t) {
    int position = cycle[t % cycle.size()];
    if (Uniform(random, 1, break_one_in) == 1) position = Uniform(random, 1, 10);
    cars = ShuffledWithChampion(cars[static_cast<size_t>(position - 1)], random);
    draws.AppendNumbers(cars);
  }
  return draws;
}

WorkshopDraws BrokenRows(size_t count, std::mt19937_64& random) {
  static const std::vector<std::string> kOdd = {"", "x", "0", "11", "1.5", "-3", "０1", "7a", "08"};
  WorkshopDraws draws;
  for (size_t i = 0; i < count; ++i) {
    std::vector<std::string> texts;
    for (int p = 0; p < 10; ++p) {
      if (Uniform(random, 1, 6) == 1) {
        texts.push_back(kOdd[static_cast<size_t>(Uniform(random, 0, static_cast<int>(kOdd.size()) - 1))]);
      } else {
        const int car = Uniform(random, 1, 10);  // repeats allowed
        texts.push_back((car < 10 ? "0" : "") + std::to_string(car));
      }
    }
    draws.AppendTexts(std::span<const std::string>(texts));
  }
  return draws;
}

}  // namespace testing_history
}  // namespace pk
