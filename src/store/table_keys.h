#pragma once
// The names, key columns and row keys of the extremes tables, written once for the store,
// the extremes computations and the tools that build or read these tables.
//
// A combination is written as one digit per number in ascending order of the numbers,
// with "0" standing for number 10 (so it comes last): {1, 10} is "10", {2, 3, 10} is "230".
// Key lists come in the tables' stored order, which is ascending text order.
#include <string>
#include <string_view>
#include <vector>

namespace pk {

// Combination omission tables, one per combination size 2..9.
inline constexpr int kMinCombinationSize = 2;
inline constexpr int kMaxCombinationSize = 9;
inline constexpr std::string_view kCombinationKeyColumn = "号码组合";
inline constexpr std::string_view kOmissionExtremeColumn = "遗漏极限";

// Trend tables, one per combination size 5..7: a row per trend pattern (key column
// 号码组合) and a column per combination.
inline constexpr int kMinTrendSize = 5;
inline constexpr int kMaxTrendSize = 7;
inline constexpr std::string_view kTrendKeyColumn = "号码组合";

// Kill-one rule tables: a row per rule of three (kill_one) or four (kill_one_4) positions.
inline constexpr std::string_view kKillOneTable = "kill_one";
inline constexpr std::string_view kKillOne4Table = "kill_one_4";
inline constexpr std::string_view kKillRuleKeyColumn = "位置组合";
inline constexpr std::string_view kConsecutiveOpensColumn = "连开极限";

// "二码极限" … "九码极限"; size must be 2..9.
std::string CombinationTableName(int size);
// "五码走势极限", "六码走势极限", "七码走势极限"; size must be 5..7.
std::string TrendTableName(int size);

// The combination text of a set of numbers 1..10 (any order, no repeats).
std::string CombinationText(std::vector<int> numbers);

// Every combination of `size` numbers (0..10), in ascending text order:
// size 2 gives "10", "12", …, "90"; size 3 begins "120", "123", "124".
std::vector<std::string> CombinationKeys(int size);

// The 60 trend patterns: nine-digit strings of "1" (hit) and "2" (miss) that are the
// smallest of their own rotations, ascending, from "111111111" to "222222222".
std::vector<std::string> TrendPatterns();

// The combination columns of a trend table (size 5..7), in field order. Size 5: the
// five-number combinations that contain number 1, except "15790", "16780", "16789",
// "16790", "16890" and "17890" (120 columns); sizes 6 and 7: every combination.
std::vector<std::string> TrendColumns(int size);

// Kill rule keys: every string of `length` position digits ("0" standing for position 10)
// that is the smallest of its own rotations, ascending. Length 3 gives the 340 keys of
// kill_one ("000", "001", …, "999"), length 4 the 2,530 keys of kill_one_4.
std::vector<std::string> KillRuleKeys(int length);

}  // namespace pk
