// pkcalc-cli extremes: the extremes computation of the workshop window over the draws of a
// file, against stored values given as JSON, printing the raised extremes.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>

#include <nlohmann/json.hpp>

#include "base/numbers.h"
#include "base/text.h"
#include "cli/commands.h"
#include "cli/draw_file.h"
#include "store/table_keys.h"
#include "workshop/combination_extremes.h"
#include "workshop/kill_rule_extremes.h"
#include "workshop/trend_extremes.h"

namespace pk::cli {

namespace {

struct ExtremesOptions {
  std::string draws;
  std::string kinds;
  std::string store_values;
  bool json = false;
};

enum class JobKind { kCombination, kTrend, kKillRule };

struct Job {
  JobKind kind;
  int size;  // numbers per combination, or positions per kill rule
  std::string table;
};

// The workshop's check boxes, in the order their jobs run, with the jobs each starts.
struct Choice {
  const char* caption;
  std::vector<Job> jobs;
};

const std::vector<Choice>& Choices() {
  static const std::vector<Choice> choices = [] {
    std::vector<Choice> list;
    static const char* const kCombinationCaptions[] = {"二码", "三码", "四码", "五码", "六码", "七码", "八码", "九码"};
    for (int size = kMinCombinationSize; size <= kMaxCombinationSize; ++size)
      list.push_back({kCombinationCaptions[size - kMinCombinationSize],
                      {{JobKind::kCombination, size, CombinationTableName(size)}}});
    static const char* const kTrendCaptions[] = {"走势五码", "走势六码", "走势七码"};
    for (int size = kMinTrendSize; size <= kMaxTrendSize; ++size)
      list.push_back({kTrendCaptions[size - kMinTrendSize], {{JobKind::kTrend, size, TrendTableName(size)}}});
    list.push_back({"杀一码",
                    {{JobKind::kKillRule, 3, std::string(kKillOneTable)}, {JobKind::kKillRule, 4, std::string(kKillOne4Table)}}});
    return list;
  }();
  return choices;
}

std::string Captions() {
  std::vector<std::string> captions;
  for (const Choice& choice : Choices()) captions.push_back(choice.caption);
  return Join(captions, ",");
}

// The jobs of the chosen kinds, in the workshop's order whatever the order given.
std::vector<Job> ChosenJobs(const std::string& kinds) {
  std::vector<bool> chosen(Choices().size(), false);
  for (const std::string& part : Split(ReplaceAll(kinds, "，", ","), ",")) {
    const std::string caption = Trim(part);
    if (caption.empty()) continue;
    size_t at = 0;
    while (at < Choices().size() && caption != Choices()[at].caption) ++at;
    if (at == Choices().size()) throw UsageError{"unknown kind \"" + caption + "\" in --kinds; the kinds are " + Captions()};
    chosen[at] = true;
  }
  std::vector<Job> jobs;
  for (size_t at = 0; at < Choices().size(); ++at)
    if (chosen[at]) jobs.insert(jobs.end(), Choices()[at].jobs.begin(), Choices()[at].jobs.end());
  if (jobs.empty()) throw UsageError{"--kinds names no kind; the kinds are " + Captions()};
  return jobs;
}

// table → key → column → stored text, as given; a value not given counts as empty text.
using StoredValues = std::map<std::string, std::map<std::string, std::map<std::string, std::string>>>;

std::string ValueText(const nlohmann::json& value, const std::string& where) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_null()) return "";
  if (value.is_number_integer() || value.is_number_unsigned()) return value.dump();
  if (value.is_number_float()) {
    const double number = value.get<double>();
    return std::floor(number) == number && std::fabs(number) < 1e15 ? NumberToText(number) : value.dump();
  }
  throw UsageError{where + ": a stored value must be text or a number"};
}

StoredValues ReadStoredValues(const std::string& path) {
  StoredValues values;
  if (path.empty()) return values;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UsageError{path + ": cannot read the stored values"};
  nlohmann::json document;
  try {
    document = nlohmann::json::parse(in);
  } catch (const nlohmann::json::parse_error& e) {
    throw UsageError{path + ": not JSON (" + std::string(e.what()) + ")"};
  }
  if (!document.is_object()) throw UsageError{path + ": expected an object of tables"};
  for (const auto& [table, keys] : document.items()) {
    if (!keys.is_object()) throw UsageError{path + ": table " + table + " must be an object of keys"};
    for (const auto& [key, columns] : keys.items()) {
      if (!columns.is_object())
        throw UsageError{path + ": " + table + " / " + key + " must be an object of columns"};
      for (const auto& [column, value] : columns.items())
        values[table][key][column] = ValueText(value, path + ": " + table + " / " + key + " / " + column);
    }
  }
  return values;
}

// The stored values of one table, checked against its keys and columns so that a
// misspelt key or column is reported rather than taken as missing.
class TableValues {
 public:
  TableValues(const StoredValues& all, const std::string& table, const std::vector<std::string>& keys,
              const std::vector<std::string>& columns, std::string_view key_column, std::string path)
      : path_(std::move(path)) {
    const auto found = all.find(table);
    if (found == all.end()) return;
    values_ = &found->second;
    for (const auto& [key, given] : *values_) {
      if (std::find(keys.begin(), keys.end(), key) == keys.end())
        throw UsageError{path_ + ": table " + table + " has no row \"" + key + "\""};
      for (const auto& [column, value] : given) {
        (void)value;
        if (column != key_column && std::find(columns.begin(), columns.end(), column) == columns.end())
          throw UsageError{path_ + ": table " + table + " has no column \"" + column + "\""};
      }
    }
  }

  std::string Get(const std::string& key, const std::string& column) const {
    if (!values_) return "";
    const auto row = values_->find(key);
    if (row == values_->end()) return "";
    const auto value = row->second.find(column);
    return value == row->second.end() ? "" : value->second;
  }

 private:
  std::string path_;
  const std::map<std::string, std::map<std::string, std::string>>* values_ = nullptr;
};

std::vector<std::string> TableKeys(const Job& job) {
  switch (job.kind) {
    case JobKind::kCombination: return CombinationKeys(job.size);
    case JobKind::kTrend: return TrendPatterns();
    case JobKind::kKillRule: return KillRuleKeys(job.size);
  }
  return {};
}

ExtremesOutcome RunJob(const Job& job, const WorkshopDraws& draws, const StoredValues& stored,
                       const std::string& stored_path) {
  const std::vector<std::string> keys = TableKeys(job);
  if (job.kind == JobKind::kTrend) {
    TrendTable table;
    table.columns = TrendColumns(job.size);
    table.patterns = keys;
    const TableValues values(stored, job.table, keys, table.columns, kTrendKeyColumn, stored_path);
    for (const std::string& pattern : table.patterns) {
      std::vector<std::string>& row = table.stored.emplace_back();
      for (const std::string& column : table.columns) row.push_back(values.Get(pattern, column));
    }
    return ComputeTrendExtremes(draws, table, {});
  }
  const bool combination = job.kind == JobKind::kCombination;
  const std::string column(combination ? kOmissionExtremeColumn : kConsecutiveOpensColumn);
  const TableValues values(stored, job.table, keys, {column},
                           combination ? kCombinationKeyColumn : kKillRuleKeyColumn, stored_path);
  std::vector<StoredExtreme> rows;
  for (const std::string& key : keys) rows.push_back({key, values.Get(key, column)});
  if (combination) return ComputeCombinationExtremes(draws, rows, {});
  // The workshop bounds the pairs by its staging table's rows − 1: here the file's draws.
  return ComputeKillRuleExtremes(draws, rows, static_cast<int64_t>(draws.size()) - 1, {});
}

void RunExtremes(const ExtremesOptions& options) {
  const std::vector<Job> jobs = ChosenJobs(options.kinds);
  const std::vector<DrawFileLine> lines = ReadDrawFile(options.draws);
  if (lines.empty()) throw UsageError{options.draws + ": no draws to compute over"};
  const StoredValues stored = ReadStoredValues(options.store_values);

  WorkshopDraws draws;
  draws.Reserve(lines.size());
  for (const DrawFileLine& line : lines) draws.AppendTexts(std::span<const std::string>(line.numbers));

  nlohmann::ordered_json results = nlohmann::ordered_json::array();
  for (const Job& job : jobs) {
    for (const ExtremeRow& row : RunJob(job, draws, stored, options.store_values).rows) {
      if (options.json) {
        results.push_back({{"table", job.table},
                           {"key", row.key},
                           {"shown_name", row.shown_name},
                           {"column", row.column},
                           {"stored", row.stored},
                           {"new", row.new_value}});
      } else {
        std::cout << job.table << "\t" << row.key << "\t" << row.shown_name << "\t" << row.column << "\t"
                  << row.stored << "\t" << row.new_value << "\n";
      }
    }
  }
  if (options.json) std::cout << results.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
}

}  // namespace

void AddExtremesCommands(CLI::App& app) {
  auto options = std::make_shared<ExtremesOptions>();
  CLI::App* command = app.add_subcommand(
      "extremes", "Recompute the stored extremes over the draws of a file and print every raised one");
  command->add_option("--draws", options->draws, "draw file: a period and the ten car numbers per line")->required();
  options->kinds = Captions();
  command->add_option("--kinds", options->kinds, "kinds to compute, comma-separated (default: all): " + Captions());
  command->add_option("--store-values", options->store_values,
                      "stored values as JSON: table → key → column → value (a value not given is empty)");
  command->add_flag("--json", options->json, "print the raised extremes as a JSON array");
  command->callback([options] { RunExtremes(*options); });
}

}  // namespace pk::cli
