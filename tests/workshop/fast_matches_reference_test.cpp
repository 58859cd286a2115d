// The fast extremes computations hold equal to the literal ones on generated histories of
// many lengths and shapes, with stored values that expose every maximum and with stored
// values around them.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "history_builders.h"
#include "store/table_keys.h"
#include "workshop/combination_extremes.h"
#include "workshop/kill_rule_extremes.h"
#include "workshop/trend_extremes.h"

namespace pk {
namespace {

using namespace testing_history;

struct History {
  std::string name;
  WorkshopDraws draws;
};

std::vector<History> Histories(uint64_t seed) {
  std::mt19937_64 random(seed);
  std::vector<History> histories;
  for (size_t count : {0, 1, 2, 3, 8, 9, 10, 11, 16, 17, 18, 25, 60, 300, 3000}) {
    const std::string length = std::to_string(count) + " draws";
    histories.push_back({"random orders, " + length, RandomOrders(count, random)});
    histories.push_back({"few champions, " + length, FewChampions(count, random)});
    histories.push_back({"periodic champions, " + length, PeriodicChampions(count, random)});
    histories.push_back({"cyclic positions, " + length, CyclicPositions(count, random)});
    histories.push_back({"broken rows, " + length, BrokenRows(count, random)});
  }
  // Many short ones: the runs that begin near the first draws are the delicate part.
  for (int i = 0; i < 150; ++i) {
    const size_t count = std::uniform_int_distribution<size_t>(1, 40)(random);
    const std::string name = "short history " + std::to_string(i) + ", " + std::to_string(count) + " draws";
    switch (i % 4) {
      case 0: histories.push_back({name, RandomOrders(count, random)}); break;
      case 1: histories.push_back({name, FewChampions(count, random)}); break;
      case 2: histories.push_back({name, PeriodicChampions(count, random)}); break;
      default: histories.push_back({name, CyclicPositions(count, random)}); break;
    }
  }
  return histories;
}

// Stored values: "-1" so that every maximum shows as a row, or texts around small
// maxima (empty, non-numeric, equal, just below, fractions).
std::string StoredValue(bool expose_all, std::mt19937_64& random) {
  static const std::vector<std::string> kAround = {"",  "x",  "-1", "0",  "1",  "2",  "3",   "4",          "5",
                                                   "6", "7",  "8",  "9",  "10", "12", "3.5", "2.99999995", " 7",
                                                   "4abc", "-0.5", "20", "40"};
  if (expose_all) return "-1";
  return kAround[std::uniform_int_distribution<size_t>(0, kAround.size() - 1)(random)];
}

std::vector<StoredExtreme> WithStored(const std::vector<std::string>& keys, bool expose_all, std::mt19937_64& random) {
  std::vector<StoredExtreme> rows;
  for (const std::string& key : keys) rows.push_back({key, StoredValue(expose_all, random)});
  return rows;
}

void ExpectSame(const ExtremesOutcome& fast, const ExtremesOutcome& reference, const std::string& context) {
  EXPECT_FALSE(fast.stopped) << context;
  EXPECT_FALSE(reference.stopped) << context;
  ASSERT_EQ(fast.rows.size(), reference.rows.size()) << context;
  for (size_t i = 0; i < fast.rows.size(); ++i) ASSERT_EQ(fast.rows[i], reference.rows[i]) << context << ", row " << i;
}

TEST(FastMatchesReference, CombinationOmission) {
  std::vector<std::string> keys = {"", "x", "11", "0", "1x", "0123456789"};
  for (int size = kMinCombinationSize; size <= kMaxCombinationSize; ++size)
    for (const std::string& key : CombinationKeys(size)) keys.push_back(key);
  std::mt19937_64 random(11);
  for (const History& history : Histories(1)) {
    for (bool expose_all : {true, false}) {
      const auto rows = WithStored(keys, expose_all, random);
      ExpectSame(ComputeCombinationExtremes(history.draws, rows, {}, ExtremesMethod::kFast),
                 ComputeCombinationExtremes(history.draws, rows, {}, ExtremesMethod::kReference), history.name);
    }
  }
}

TEST(FastMatchesReference, TrendRuns) {
  std::mt19937_64 random(12);
  std::vector<std::string> all_columns;
  for (int size = kMinTrendSize; size <= kMaxTrendSize; ++size)
    for (const std::string& column : TrendColumns(size)) all_columns.push_back(column);
  std::vector<std::string> patterns = TrendPatterns();
  // Every nine-digit rotation is served by the index, not just the stored ones; other texts
  // are walked literally.
  for (const char* odd : {"211111111", "121212121", "", "1", "21", "1112", "1111111111", "12121212121", "1x2", "333"})
    patterns.push_back(odd);
  for (const History& history : Histories(2)) {
    TrendTable table;
    table.patterns = patterns;
    std::sample(all_columns.begin(), all_columns.end(), std::back_inserter(table.columns), 10, random);
    for (const char* odd : {"", "x", "1", "0123456789"}) table.columns.push_back(odd);
    for (bool expose_all : {true, false}) {
      table.stored.assign(patterns.size(), {});
      for (auto& row : table.stored)
        for (size_t c = 0; c + 1 < table.columns.size(); ++c) row.push_back(StoredValue(expose_all, random));
      ExpectSame(ComputeTrendExtremes(history.draws, table, {}, ExtremesMethod::kFast),
                 ComputeTrendExtremes(history.draws, table, {}, ExtremesMethod::kReference), history.name);
    }
  }
}

// Nine-digit patterns against short hit-and-miss sequences of a single column: random ones
// with every pattern, and all-hit or all-miss ones with one or two draws flipped, where a
// single short run near the start decides a row.
TEST(FastMatchesReference, TrendRunsNearTheStart) {
  TrendTable every_pattern;
  every_pattern.columns = {"1"};
  for (unsigned bits = 0; bits < 512; ++bits) {
    std::string pattern;
    for (int k = 0; k < 9; ++k) pattern += (bits >> k) & 1 ? '1' : '2';
    every_pattern.patterns.push_back(pattern);
  }
  every_pattern.stored.assign(every_pattern.patterns.size(), {"-1"});
  TrendTable stored_patterns = every_pattern;
  stored_patterns.patterns = TrendPatterns();
  const TrendTable* table = &every_pattern;
  const auto check = [&](const std::vector<int>& champions, const std::string& name) {
    const WorkshopDraws draws = FromChampions(champions);
    ExpectSame(ComputeTrendExtremes(draws, *table, {}, ExtremesMethod::kFast),
               ComputeTrendExtremes(draws, *table, {}, ExtremesMethod::kReference), name);
  };
  std::mt19937_64 random(14);
  for (int i = 0; i < 200; ++i) {
    const int count = std::uniform_int_distribution<int>(9, 30)(random);
    const double hit_rate = std::uniform_real_distribution<double>(0.1, 0.9)(random);
    std::vector<int> champions;  // car 1 is a hit of column "1", car 2 a miss
    for (int d = 0; d < count; ++d) champions.push_back(std::bernoulli_distribution(hit_rate)(random) ? 1 : 2);
    check(champions, "random sequence " + std::to_string(i));
  }
  table = &stored_patterns;  // the nine starts of a row cover every rotation
  for (int count = 9; count <= 22; ++count) {
    for (int base : {1, 2}) {
      for (int first = 0; first < count; ++first) {
        for (int second = first; second < count; ++second) {
          std::vector<int> champions(static_cast<size_t>(count), base);
          champions[first] = champions[second] = 3 - base;
          check(champions, std::to_string(count) + " draws of car " + std::to_string(base) + ", flipped at " +
                               std::to_string(first) + " and " + std::to_string(second));
        }
      }
    }
  }
}

// Every rule of three and four positions among 1, 2 and 3 against short histories whose
// next champions stood at those positions.
TEST(FastMatchesReference, KillRuleOpensNearTheStart) {
  std::mt19937_64 random(15);
  std::vector<StoredExtreme> rules;
  for (int length : {3, 4}) {
    for (int code = 0; code < (length == 3 ? 27 : 81); ++code) {
      std::string key;
      for (int k = 0, rest = code; k < length; ++k, rest /= 3) key += static_cast<char>('1' + rest % 3);
      rules.push_back({key, "-1"});
    }
  }
  for (int i = 0; i < 400; ++i) {
    const int pairs = std::uniform_int_distribution<int>(1, 24)(random);
    std::vector<int> positions;
    for (int t = 0; t < pairs; ++t) positions.push_back(std::uniform_int_distribution<int>(1, 3)(random));
    const WorkshopDraws draws = FollowingPositions(positions);
    const int64_t count = static_cast<int64_t>(draws.size());
    for (int64_t v : {count - 1, count}) {
      ExpectSame(ComputeKillRuleExtremes(draws, rules, v, {}, ExtremesMethod::kFast),
                 ComputeKillRuleExtremes(draws, rules, v, {}, ExtremesMethod::kReference),
                 "history " + std::to_string(i) + ", v " + std::to_string(v));
    }
  }
}

TEST(FastMatchesReference, KillRuleOpens) {
  std::mt19937_64 random(13);
  std::vector<std::string> keys = KillRuleKeys(3);
  for (const std::string& key : KillRuleKeys(4)) keys.push_back(key);
  for (const char* odd : {"", "1", "10", "12", "0000", "12345", "123456", "1x3", "010"}) keys.push_back(odd);
  for (const History& history : Histories(3)) {
    const int64_t count = static_cast<int64_t>(history.draws.size());
    std::vector<int64_t> bounds = {count - 1, count / 2};  // the workshop's v, and a staging table behind
    if (count <= 300) bounds.insert(bounds.end(), {count + 50, 0, -3});  // ahead of the snapshot, none
    for (int64_t v : bounds) {
      const auto rows = WithStored(keys, v == count - 1, random);
      ExpectSame(ComputeKillRuleExtremes(history.draws, rows, v, {}, ExtremesMethod::kFast),
                 ComputeKillRuleExtremes(history.draws, rows, v, {}, ExtremesMethod::kReference),
                 history.name + ", v " + std::to_string(v));
    }
  }
}

}  // namespace
}  // namespace pk
