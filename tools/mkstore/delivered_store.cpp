#include "delivered_store.h"

#include <map>
#include <utility>

#include "champion_extremes.h"
#include "store/statements.h"
#include "store/table_keys.h"
#include "store_script.h"
#include "workshop/combination_extremes.h"
#include "workshop/kill_rule_extremes.h"
#include "workshop/trend_extremes.h"

namespace pk::mkstore {

namespace {

// The two tables that only the start-up loading reads.
constexpr std::string_view kNinePositionTable = "九码位置极限";
constexpr std::string_view kNinePositionKeyColumn = "位置组合";
constexpr std::string_view kNinePositionValueColumn = "连开极限";
constexpr std::string_view kChampionOmissionTable = "号码_位置遗漏";
constexpr std::string_view kChampionOmissionKeyColumn = "号码";
constexpr std::string_view kNumberOmissionColumn = "号码遗漏";
constexpr std::string_view kPositionOmissionColumn = "位置遗漏";

// Every extreme starts from an empty stored value, so each computed maximum comes back as
// a raised extreme; keys without one (never hit) start at 0.
std::vector<StoredExtreme> EmptyStored(const std::vector<std::string>& keys) {
  std::vector<StoredExtreme> rows;
  for (const std::string& key : keys) rows.push_back({key, ""});
  return rows;
}

std::string ValueOf(const std::map<std::string, int64_t>& values, const std::string& key) {
  const auto found = values.find(key);
  return std::to_string(found == values.end() ? 0 : found->second);
}

std::map<std::string, int64_t> ByKey(const ExtremesOutcome& outcome) {
  std::map<std::string, int64_t> values;
  for (const ExtremeRow& row : outcome.rows) values[row.key] = row.new_value;
  return values;
}

void AddKeyValueTable(StoreScript& script, std::string_view table, std::string_view keyColumn,
                      std::string_view valueColumn, const std::vector<std::string>& keys,
                      const std::map<std::string, int64_t>& values) {
  script.CreateTable(table, {SqlIdentifier(keyColumn) + " TEXT PRIMARY KEY", SqlIdentifier(valueColumn) + " TEXT"});
  for (const std::string& key : keys) script.InsertRow(table, {key, ValueOf(values, key)});
}

void AddCombinationTables(StoreScript& script, const WorkshopDraws& draws) {
  for (int size = kMinCombinationSize; size <= kMaxCombinationSize; ++size) {
    const std::vector<std::string> keys = CombinationKeys(size);
    const ExtremesOutcome outcome = ComputeCombinationExtremes(draws, EmptyStored(keys), {});
    AddKeyValueTable(script, CombinationTableName(size), kCombinationKeyColumn, kOmissionExtremeColumn, keys,
                     ByKey(outcome));
  }
}

// A row number, the pattern, then one column per combination.
void AddTrendTables(StoreScript& script, const WorkshopDraws& draws) {
  for (int size = kMinTrendSize; size <= kMaxTrendSize; ++size) {
    TrendTable table;
    table.columns = TrendColumns(size);
    table.patterns = TrendPatterns();
    table.stored.assign(table.patterns.size(), std::vector<std::string>(table.columns.size()));
    std::map<std::pair<std::string, std::string>, int64_t> values;  // (pattern, column)
    for (const ExtremeRow& row : ComputeTrendExtremes(draws, table, {}).rows) {
      values[{row.key, row.column}] = row.new_value;
    }

    const std::string name = TrendTableName(size);
    std::vector<std::string> definitions = {"编号 INTEGER PRIMARY KEY",
                                            SqlIdentifier(kTrendKeyColumn) + " TEXT UNIQUE"};
    for (const std::string& column : table.columns) definitions.push_back(SqlIdentifier(column) + " TEXT");
    script.CreateTable(name, definitions);
    for (size_t r = 0; r < table.patterns.size(); ++r) {
      const std::string& pattern = table.patterns[r];
      std::vector<std::string> row = {std::to_string(r + 1), pattern};
      for (const std::string& column : table.columns) {
        const auto found = values.find({pattern, column});
        row.push_back(std::to_string(found == values.end() ? 0 : found->second));
      }
      script.InsertRow(name, row);
    }
  }
}

void AddKillRuleTables(StoreScript& script, const WorkshopDraws& draws) {
  const std::pair<std::string_view, int> tables[] = {{kKillOneTable, 3}, {kKillOne4Table, 4}};
  for (const auto& [table, length] : tables) {
    const std::vector<std::string> keys = KillRuleKeys(length);
    const int64_t pairBound = static_cast<int64_t>(draws.size()) - 1;
    const ExtremesOutcome outcome = ComputeKillRuleExtremes(draws, EmptyStored(keys), pairBound, {});
    AddKeyValueTable(script, table, kKillRuleKeyColumn, kConsecutiveOpensColumn, keys, ByKey(outcome));
  }
}

// One row per nine of the ten positions (keyed like the nine-code combinations): the
// longest run of draws whose champion stood at one of those nine positions in the draw
// before. Only the companion library receives these values.
void AddNinePositionTable(StoreScript& script, std::span<const SimulatedDraw> draws) {
  const std::vector<std::string> keys = CombinationKeys(9);
  std::map<std::string, int64_t> values;
  for (const std::string& key : keys) {
    std::vector<int> positions;
    for (char digit : key) positions.push_back(digit == '0' ? 10 : digit - '0');
    values[key] = LongestPositionRun(draws, positions);
  }
  AddKeyValueTable(script, kNinePositionTable, kNinePositionKeyColumn, kNinePositionValueColumn, keys, values);
}

void AddChampionOmissionTable(StoreScript& script, std::span<const SimulatedDraw> draws) {
  const ChampionExtremes extremes = ComputeChampionExtremes(draws);
  script.CreateTable(kChampionOmissionTable, {SqlIdentifier(kChampionOmissionKeyColumn) + " TEXT PRIMARY KEY",
                                              SqlIdentifier(kNumberOmissionColumn) + " TEXT",
                                              SqlIdentifier(kPositionOmissionColumn) + " TEXT"});
  for (int k = 1; k <= 10; ++k) {
    script.InsertRow(kChampionOmissionTable, {std::to_string(k), std::to_string(extremes.number[k - 1]),
                                              std::to_string(extremes.position[k - 1])});
  }
}

}  // namespace

std::string DeliveredStoreScript(std::span<const SimulatedDraw> draws) {
  WorkshopDraws snapshot;
  snapshot.Reserve(draws.size());
  for (const SimulatedDraw& draw : draws) snapshot.AppendNumbers(draw);

  StoreScript script;
  AddCombinationTables(script, snapshot);
  AddTrendTables(script, snapshot);
  AddNinePositionTable(script, draws);
  AddChampionOmissionTable(script, draws);
  AddKillRuleTables(script, snapshot);
  return script.Text();
}

}  // namespace pk::mkstore
