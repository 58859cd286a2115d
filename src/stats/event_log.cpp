#include "stats/event_log.h"

#include <algorithm>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <vector>

#include "app/platform.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/files.h"
#include "base/gbk.h"
#include "base/numbers.h"
#include "base/time.h"
#include "stats/log_window.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace pk {

namespace {

namespace fs = std::filesystem;

constexpr int kLoggedColumns = 7;  // period, codes, extreme, current, distance, remark, time

ReportListModel& LogList(Program& program) { return program.ui().Window(kLogWindow).Get<ReportListModel>(kLogList); }

// A date box text may only name the file when it is a plain date: digits and "-".
// Anything else (a path separator, "..", control characters) never becomes a path.
bool IsPlainDate(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (!(c == '-' || (c >= '0' && c <= '9'))) return false;
  return text.find_first_of("0123456789") != std::string::npos;
}

// The server clock when a server has answered, the computer's clock (UTC+8) before.
DateTime LogClock(Program& program) {
  if (std::optional<DateTime> server = program.app.Clock.ServerTime()) return *server;
  return program.platform.ComputerClock();
}

std::optional<std::string> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// One day-file line: six fields each followed by a tab, one more tab, the time.
// A field's tabs and line breaks (a kill code from the web may carry them) become blanks,
// so that every logged row stays one line of its seven fields.
std::string DayFileField(std::string field) {
  std::replace_if(field.begin(), field.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return field;
}

std::string DayFileLine(const std::vector<std::string>& fields) {
  std::string line;
  for (int c = 0; c < kLoggedColumns - 1; ++c) line += DayFileField(fields[c]) + "\t";
  return line + "\t" + DayFileField(fields[kLoggedColumns - 1]) + "\r\n";
}

}  // namespace

std::string LogHeaderLine() { return "期号\t号码组合\t极限值\t当前值\t离散值\t备注\t\t记录时间\r\n"; }

std::string DayLogFileName(Program& program) {
  const std::string dateBox = program.ui().Window(kMainWindow).Get<EditModel>("日期框").Text();
  const std::string date = IsPlainDate(dateBox) ? dateBox : DateText(LogClock(program));
  return date + ".txt";
}

void LogRecommendations(Program& program) {
  const std::string time = DateTimeText(LogClock(program));
  const std::string period = NumberToText(TextToNumber(program.stats.LatestPeriod) + 1);

  ReportListModel& list = LogList(program);
  std::string buffer;
  const auto& rows = program.stats.Recommendations;
  for (size_t r = 1; r < rows.size(); ++r) {
    const std::vector<std::string> fields = {period, rows[r][0], rows[r][1], rows[r][2], rows[r][3], rows[r][4], time};
    list.SetItemTexts(list.InsertItem(list.ItemCount()), fields);
    buffer += DayFileLine(fields);
  }

  if (!buffer.empty()) {
    const fs::path folder = fs::path(program.home) / "log";
    std::error_code error;
    fs::create_directories(folder, error);
    const fs::path dayFile = folder / DayLogFileName(program);
    // Old lines are kept byte for byte; only the new ones are converted.
    std::optional<std::string> old = fs::exists(dayFile, error) ? ReadBytes(dayFile) : std::nullopt;
    if (fs::exists(dayFile, error) && !old) {
      // There but unreadable: leave it alone rather than replace it with a new file.
    } else {
      ReplaceFile(dayFile, old ? *old + Utf8ToGbk(buffer) : Utf8ToGbk(LogHeaderLine() + buffer));
    }
  }

  const int count = list.ItemCount();
  if (count > 0) list.EnsureVisible(count - 1);
  program.ui().Window(kLogWindow).Get<LabelModel>(kLogCountLabel).SetText("记录数：" + std::to_string(count));
}

std::string ExportText(Program& program) {
  std::string text = LogHeaderLine();
  for (const std::vector<std::string>& row : LogList(program).Rows()) {
    for (int c = 0; c < kLoggedColumns - 1; ++c) {
      const std::string& field = c < static_cast<int>(row.size()) ? row[c] : std::string();
      text += field + (GbkLength(field) <= 3 ? "    " : "") + "\t";
    }
    // The record time, after the same two tabs as in the header.
    text += "\t" + (row.size() >= kLoggedColumns ? row[kLoggedColumns - 1] : std::string()) + "\r\n";
  }
  return text;
}

void ExportLog(Program& program) {
  std::error_code error;
  const fs::path start = fs::absolute(program.home, error);
  const std::optional<std::string> path =
      program.platform.AskSavePath({"文本文件（.txt）|*.txt", error ? program.home : start.string(), ".txt"});
  if (!path) return;
  ReplaceFile(*path, Utf8ToGbk(ExportText(program)));
}

}  // namespace pk
