#include "acquire/live_feed.h"

#include <algorithm>
#include <mutex>
#include <random>

#include "acquire/auto_mode.h"
#include "acquire/draw_checks.h"
#include "acquire/draw_intake.h"
#include "acquire/web_answer.h"
#include "app/analysis_pass.h"
#include "app/draw_history.h"
#include "app/ui/ui_models.h"
#include "base/numbers.h"
#include "base/page_fetcher.h"
#include "base/text.h"
#include "base/time.h"

namespace pk {

namespace {

constexpr const char* kBulletinPath = "/bulletin/trax.html";

// A server date read from an answer moves the server clock and the countdown with it.
// An answer without one leaves both alone, so the countdown's 299 keeps the steps going.
void TakeServerTime(Program& program, const std::string& dateText) {
  if (!ParseHttpDate(program.app.Clock, dateText).empty()) ScheduleNextDraw(program, false);
}

std::string NextPeriodText(const Program& program) {
  return NumberToText(TextToNumber(program.stats.LatestPeriod) + 1);
}

// A bulletin row enters as the page writes it; its position trace marks the last
// position whose number equals the previous draw's number at the same position.
void AppendBulletinDraw(Program& program, const std::array<std::string, 10>& numbers, const std::string& period) {
  const bool hasPrevious = !program.history.empty();
  AppendDraw(program, numbers, period);
  DrawRecord& row = program.history.back();
  row[kPrevPositionColumn].clear();
  if (hasPrevious) {
    const DrawRecord& previous = program.history[program.history.size() - 2];
    for (int e = 1; e <= 10; ++e)
      if (NumbersEqual(TextToNumber(numbers[e - 1]), TextToNumber(previous[e]))) row[kPrevPositionColumn] = LastChar(NumberToText(e));
  }
  program.ui().Window("MainWindow").Get<EditModel>("开奖结果框").Append(ResultLine(row));
}

}  // namespace

std::string LatestDrawUrl(const std::string& base, int suffix) {
  return base + "/pk10/ajax?ajaxhandler=GetPk10AwardData&t=0.204728606677" + std::to_string(suffix);
}

int RandomQuerySuffix() {
  thread_local std::mt19937 generator{std::random_device{}()};
  return std::uniform_int_distribution<int>(1000, 8000)(generator);
}

std::string LatestDrawLine(std::string_view body, std::string_view headers) {
  const std::string text = ReplaceAll(body, "\"", "");
  const std::string period = TextBetween(text, "periodNumber:", ",awardTime");
  const std::vector<std::string> items = Split(TextBetween(text, "awardNumbers:", "},"), ",");
  std::string joined;
  for (const std::string& item : items) joined += (item.size() == 1 ? "0" + item : item) + " ";
  const std::string digit = items.empty() ? std::string() : LastChar(items.front());
  return Trim(joined) + " " + digit + " " + period + "  |" + HeaderDateText(headers);
}

std::string FetchLatestDraw(Program& program) {
  std::string headers;
  std::string body = FetchPage(LatestDrawUrl(program.sources.drawService, RandomQuerySuffix()), &headers);
  return LatestDrawLine(UsableBody(std::move(body), headers), headers);
}

std::optional<FeedDraw> ParseLatestDrawFields(std::string_view fields) {
  const std::vector<std::string> parts = Split(fields, " ");
  if (parts.size() < 12) return std::nullopt;
  FeedDraw draw;
  for (int i = 0; i < 10; ++i) draw.numbers[i] = parts[i];
  draw.period = parts[11];
  if (!IsValidDrawOrder(draw.numbers) || parts[10] != LastChar(draw.numbers[0]) || !IsPeriodText(draw.period))
    return std::nullopt;
  for (size_t i = 12; i < parts.size(); ++i)
    if (!parts[i].empty()) return std::nullopt;
  return draw;
}

BulletinRow ReadBulletinRow(std::string_view row) {
  const std::vector<std::string> cells = Split(row, "/td>");
  BulletinRow read;
  if (cells.size() < 2) return read;
  read.period = TextBetween(cells[0], "<td>", "<");
  read.numbers = Split(TextBetween(cells[1], "<td>", "<"), ",");
  return read;
}

std::optional<std::vector<std::string>> BulletinRowsAfter(std::string_view page, const std::string& latestPeriod) {
  const std::vector<std::string> parts = Split(page, "开奖时间");
  if (parts.size() < 2) return std::nullopt;
  const std::vector<std::string> newer = Split(parts[1], latestPeriod);
  if (newer.empty()) return std::nullopt;
  std::vector<std::string> rows = Split(newer.front(), "</tr>");
  std::reverse(rows.begin(), rows.end());  // the page lists the newest draw first
  return rows;
}

void CatchUpFromBulletin(Program& program) {
  UiWindow& main = program.ui().Window("MainWindow");
  if (!main.Get<ButtonModel>("单选框_冠军").Checked()) return;

  std::string headers;
  std::string body = FetchPage(program.sources.bulletin + kBulletinPath, &headers);
  body = UsableBody(std::move(body), headers);
  const std::string page = ReplaceAll(ReplaceAll(body, "\t", ""), " ", "");
  TakeServerTime(program, HeaderDateText(headers));

  const std::optional<std::vector<std::string>> rows = BulletinRowsAfter(page, program.stats.LatestPeriod);
  if (!rows) return;
  for (const std::string& row : *rows) {
    const std::string expected = NextPeriodText(program);
    if (!Contains(row, expected)) continue;
    const BulletinRow read = ReadBulletinRow(row);
    // Only the draw that continues the history enters, and only a well-formed one.
    if (read.numbers.size() != 10 || !IsPeriodText(read.period) ||
        !NumbersEqual(TextToNumber(read.period), TextToNumber(expected)))
      continue;
    std::array<std::string, 10> numbers;
    std::copy(read.numbers.begin(), read.numbers.end(), numbers.begin());
    if (!IsValidDrawOrder(numbers)) continue;
    AppendBulletinDraw(program, numbers, read.period);
  }
  main.Get<EditModel>("开奖结果框").LineDown();
  ShowCarOrder(program);
  // The pass runs on a worker of its own; it waits for the draw lock that this step
  // still holds, so it never overlaps a change of the history.
  program.workers.Start([&program] {
    std::lock_guard lock(program.drawLock);
    RunIncremental(program);
  });
}

void LiveFeedStep(Program& program) {
  std::lock_guard lock(program.drawLock);
  const std::vector<std::string> parts = Split(FetchLatestDraw(program), "|");
  if (parts.size() != 2) {
    CatchUpFromBulletin(program);
    return;
  }
  TakeServerTime(program, Trim(parts[1]));
  const std::optional<FeedDraw> draw = ParseLatestDrawFields(parts[0]);
  if (!draw || !NumbersEqual(TextToNumber(draw->period), TextToNumber(program.stats.LatestPeriod) + 1)) {
    CatchUpFromBulletin(program);
    return;
  }
  AppendFeedDraw(program, draw->numbers, draw->period);
  RunIncremental(program);
}

void StartLiveFeedStep(Program& program) {
  program.workers.Start([&program] { LiveFeedStep(program); });
}

}  // namespace pk
