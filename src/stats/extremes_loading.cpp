#include "stats/extremes_loading.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <mutex>
#include <string>
#include <vector>

#include "app/companion_library.h"
#include "app/draw_history.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/numbers.h"
#include "base/text.h"
#include "stats/champion_omission.h"
#include "stats/combination_omission.h"
#include "base/ini.h"
#include "settings/settings_file.h"
#include "store/database_preparation.h"
#include "store/draw_store.h"
#include "store/record_set.h"
#include "store/store_files.h"
#include "store/store_reads.h"
#include "store/table_keys.h"

namespace pk {

namespace {

constexpr size_t kTrendPatternRows = 60;
constexpr size_t kChampionOmissionRows = 10;
constexpr size_t kTrendFirstCandidateColumn = 2;  // after the row number and the pattern key

// What did not fit the in-memory shapes.
struct Surplus {
  size_t records = 0;
  size_t columns = 0;
};

// A stored number as the integer the omission rows hold: truncated, and kept inside int32
// so that an absurd stored value cannot overflow.
int32_t StoredInteger(std::string_view text) {
  const double value = std::trunc(TextToNumber(text));
  if (!std::isfinite(value)) return 0;
  return static_cast<int32_t>(std::clamp(value, double(std::numeric_limits<int32_t>::min()),
                                         double(std::numeric_limits<int32_t>::max())));
}

void LoadCombinationTables(Program& program, RecordSet& records, Surplus& surplus) {
  for (int k = kMinCombinationSize; k <= kMaxCombinationSize; ++k) {
    const TableSnapshot stored = ReadExtremeTable(records, CombinationTableName(k));
    auto& table = program.stats.CombinationTable[k - kMinCombinationSize];
    const size_t fitting = std::min(stored.RowCount(), table.size());
    surplus.records += stored.RowCount() - fitting;
    for (size_t i = 0; i < fitting; ++i) {
      table[i].combination = stored.Text(i, kCombinationKeyColumn);
      table[i].extreme = stored.Text(i, kOmissionExtremeColumn);
    }
  }
}

void LoadTrendTables(Program& program, RecordSet& records, Surplus& surplus) {
  for (int size = kMinTrendSize; size <= kMaxTrendSize; ++size) {
    const auto family = static_cast<TrendFamily>(size - kMinTrendSize);
    const TableSnapshot stored = ReadExtremeTable(records, TrendTableName(size));

    // Every column after the row number and the pattern key names a candidate.
    const size_t limit = kTrendCandidates[family];
    std::vector<std::string> names;
    for (size_t c = kTrendFirstCandidateColumn; c < stored.columns.size(); ++c) {
      if (names.size() < limit) {
        names.push_back(stored.columns[c]);
      } else {
        ++surplus.columns;
      }
    }

    const size_t rows = std::min(stored.RowCount(), kTrendPatternRows);
    surplus.records += stored.RowCount() - rows;
    auto& values = program.trend.ExtremeTables[family];
    values.assign(rows, std::vector<std::string>(names.size()));
    if (family == kFiveCodes) program.trend.Patterns.clear();
    for (size_t r = 0; r < rows; ++r) {
      for (size_t j = 0; j < names.size(); ++j) values[r][j] = stored.Cell(r, kTrendFirstCandidateColumn + j);
      if (family == kFiveCodes) program.trend.Patterns.emplace_back(stored.Text(r, kTrendKeyColumn));
    }
    SetTrendCandidates(program, family, std::move(names));
  }
}

void LoadChampionOmissionExtremes(Program& program, RecordSet& records, Surplus& surplus) {
  const TableSnapshot stored = ReadExtremeTable(records, kChampionOmissionTable);
  auto& table = program.stats.ChampionOmissionTable;
  const size_t fitting = std::min(stored.RowCount(), kChampionOmissionRows);
  surplus.records += stored.RowCount() - fitting;
  for (size_t i = 0; i < fitting; ++i) {
    table[kNumberExtreme][i] = StoredInteger(stored.Text(i, kNumberOmissionColumn));
    table[kPositionExtreme][i] = StoredInteger(stored.Text(i, kPositionOmissionColumn));
  }
}

std::string SurplusText(const Surplus& surplus) {
  std::string what = NumberToText(static_cast<double>(surplus.records)) + "条记录";
  if (surplus.columns > 0) what += "和" + NumberToText(static_cast<double>(surplus.columns)) + "列";
  return "极限数据库中超出表格容量的" + what + "已忽略！";
}

}  // namespace

std::string PositionExtremesText(const TableSnapshot& stored) {
  std::string text;
  for (size_t r = 0; r < stored.RowCount(); ++r) {
    text += stored.Text(r, kPositionKeyColumn);
    text += ' ';
    text += stored.Text(r, kRunExtremeColumn);
    text += ' ';
  }
  // Only the ends are trimmed; inner blanks stay as built, empty fields included.
  return Trim(text);
}

void LoadExtremes(Program& program) {
  std::lock_guard lock(program.drawLock);
  UiWindow& main = program.ui().Window(kMainWindow);
  StatusBarModel& status = main.Get<StatusBarModel>("状态条1");

  if (program.store && program.store->IsReadable()) {
    RecordSet records(*program.store);
    Surplus surplus;
    LoadCombinationTables(program, records, surplus);
    LoadTrendTables(program, records, surplus);
    program.companion().GetJXdate(PositionExtremesText(ReadExtremeTable(records, kPositionExtremesTable)));
    LoadChampionOmissionExtremes(program, records, surplus);
    if (surplus.records > 0 || surplus.columns > 0) status.SetPartText(0, SurplusText(surplus));
  } else {
    status.SetPartText(0, kExtremesUnreadableText);
  }

  FillExtremeLists(program);
  main.Get<ButtonModel>("按钮_获取数据").SetEnabled(true);
}

void OpenAndLoadExtremes(Program& program) {
  if (!std::filesystem::exists(DataFilePath(program.home, kExtremesFileName))) {
    PrepareDatabaseFile(program.home, BuiltInDataStamp(), IniFile(SettingsFilePath(program.home)), program.platform);
  }
  program.store = DrawStore::OpenExtremes(program.home, &program.statements());
  LoadExtremes(program);
}

}  // namespace pk
