#pragma once
// The program-wide records every module shares: the draw history, the statistics
// state, the application state, the plan states and the settings. All are plain data;
// `DrawLock` guards the history, its header fields and the per-draw series.
#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "base/time.h"

namespace pk {

// One draw: 13 text cells, columns numbered from 1 as the trade writes them.
enum DrawColumn : int {
  kChampionColumn = 1,       // columns 1..10: the car at positions 1..10
  kChampionDigitColumn = 11, // last character of column 1 ("0" for car 10)
  kPeriodColumn = 12,
  kPrevPositionColumn = 13,  // where this champion stood in the previous draw
};

struct DrawRecord {
  std::array<std::string, 13> cells;

  std::string& operator[](int column) { return cells[column - 1]; }
  const std::string& operator[](int column) const { return cells[column - 1]; }
};

// Oldest draw first: row 1 of the trade is rows[0].
using DrawHistory = std::vector<DrawRecord>;

// One row of a combination table: combination, stored extreme, current omission, distance.
struct CombinationRow {
  std::string combination, extreme, current, distance;
};

constexpr int kCombinationSizes = 8;  // tables for 2..9 codes, index k - 2
constexpr std::array<int, kCombinationSizes> kCombinationRows = {45, 120, 210, 252, 210, 120, 45, 10};

// Rows of the champion omission table.
enum ChampionOmissionRow : int {
  kCurrentNumberOmission = 0,
  kCurrentPositionOmission = 1,
  kNumberExtreme = 2,
  kPositionExtreme = 3,
};

using RecommendationRowTexts = std::array<std::string, 5>;

struct HotNumberStats {
  std::array<std::array<int32_t, 2>, 10> counts{};  // (number, champion count in the window)
  std::string hotDigits;
};

struct StatsState {
  std::string LatestPeriod;
  std::string LatestChampion;
  int32_t DrawCount = 0;
  int32_t ComboWindowStart = 0;
  std::atomic<int32_t> Countdown{0};  // written by the countdown timer and by feed steps
  std::array<std::vector<CombinationRow>, kCombinationSizes> CombinationTable;
  std::array<std::array<int32_t, 10>, 4> ChampionOmissionTable{};
  std::vector<std::array<std::string, 10>> AttributeTable;
  std::array<std::array<int32_t, 2>, 30> TrendCurvePoints{};
  HotNumberStats HotNumbers;
  std::vector<RecommendationRowTexts> Recommendations;
  int32_t RecommendationRow = 1;

  StatsState();
};

struct AppState {
  std::string ProgramVersion;
  std::string DownloadUrl;
  std::string OsName;
  std::string LatestVersion;
  std::vector<std::string> UpdateNotes;
  std::vector<std::string> Tips;
  int32_t TipIndex = 0;
  ProgramClock Clock;  // ServerTime
  DateTime LastUpdate;
  DateTime BuiltInDataStamp = MakeDateTime(2015, 4, 5, 16, 24, 11);
  std::string LockPassword;
  std::atomic<int32_t> Locked{0};
  std::vector<std::string> HelpTexts;
  int32_t TrayFlashPhase = 0;
  std::string AlertText;
  std::atomic<int32_t> AutoMode{0};
};

// The three trend families, in the order of their stored tables.
enum TrendFamily : int { kFiveCodes = 0, kSixCodes = 1, kSevenCodes = 2 };
constexpr std::array<int, 3> kTrendCandidates = {120, 210, 120};

// A per-draw table of hit values: 1 when the candidate holds the draw's champion digit, 2 otherwise.
struct TrendHitTable {
  int columns = 0;
  std::vector<uint8_t> cells;  // rows * columns, row-major

  int Rows() const { return columns ? static_cast<int>(cells.size() / columns) : 0; }
  int Hit(int row, int column) const { return cells[static_cast<size_t>(row) * columns + column]; }
};

// The best record of one family for the current candidate.
struct TrendBestRecord {
  bool filled = false;
  std::string pattern, buyText, storedRecord, currentRun, distance;
};

struct TrendPlanData {
  // Stored run extremes: per family up to 60 records x candidates, as text.
  std::array<std::vector<std::vector<std::string>>, 3> ExtremeTables;
  // Candidate combinations (the trend tables' column names); fixed lengths 120, 210, 120
  // until the extremes are loaded.
  std::array<std::vector<std::string>, 3> Candidates;
  // The 60 pattern keys of the five-code table.
  std::vector<std::string> Patterns;
  std::array<TrendHitTable, 3> HitTables;
  std::array<std::array<int32_t, 9>, 60> PatternDigits{};
  std::array<TrendBestRecord, 3> Best;

  TrendPlanData();
};

// Current and longest hit and miss runs of one plan.
struct PlanTracker {
  int32_t CurrentHits = 0, CurrentMisses = 0, MaxHits = 0, MaxMisses = 0;
};

struct KillFormulaState {
  // Per draw: 11 slots of 2 cells (kill code and outcome; slot 11: hit count and predicted period).
  std::vector<std::array<std::array<std::string, 2>, 11>> KillTable;
  std::array<PlanTracker, 10> Trackers{};
  int32_t FullRun = 0;
};

struct PositionOmission {
  int32_t position = 0, omission = 0;
};

struct PlanState {
  std::vector<int32_t> ChampionGapSeries;
  // Hot numbers' position data, rebuilt by every pass.
  std::vector<std::string> PositionTrace;
  std::array<PositionOmission, 10> RecentPositionOmission{};
  std::array<PositionOmission, 10> HotRanking{};
  std::array<std::string, 2> HotGroupDigits;
  std::vector<int32_t> HotColdFlags;
  // Sky plans.
  std::vector<std::pair<std::string, std::string>> SkyBuyList;  // code text, remark
  std::vector<std::string> SkyNineList;
  int32_t SkyFullRun = 0;
  int32_t SkyGridNextRow = 1;
};

// The twelve warning distances, by position.
constexpr int kAlertDistanceCount = 12;
using AlertDistances = std::array<int32_t, kAlertDistanceCount>;

struct SettingsEntry {
  std::string name;
  std::string distance;
};

struct Settings {
  std::array<SettingsEntry, kAlertDistanceCount> entries;
  Settings();
};

// The one re-entrant lock: held by the day fetch, each live feed step, the extremes
// loading and every extremes-window job for their whole run.
using DrawLock = std::recursive_mutex;

}  // namespace pk
