#include "acquire/draw_intake.h"

#include "app/draw_history.h"
#include "app/ui/ui_models.h"
#include "base/numbers.h"
#include "base/text.h"

namespace pk {

namespace {

void PlaceCars(AnimationModel& box, const std::array<int, 10>& cars) {
  box.Clear();
  for (int i = 1; i <= 10; ++i) box.AddObject(cars[i - 1] - 1, (i - 1) * 29 + 4, 5);
}

constexpr size_t kDayFields = 13;
constexpr size_t kDayPeriodField = 11;

// The bulletin pages of a day answer are read one after another; when a draw is published
// meanwhile, the pages shift by one and the draw at their seam comes twice in a row. Such a
// repeat (the same period as the draw before it) is left out, so no draw is held twice.
std::vector<std::string> WithoutRepeatedDraws(const std::vector<std::string>& fields) {
  std::vector<std::string> kept;
  kept.reserve(fields.size());
  std::string previous;
  const size_t whole = fields.size() / kDayFields * kDayFields;
  for (size_t at = 0; at < whole; at += kDayFields) {
    const std::string& period = fields[at + kDayPeriodField];
    if (!period.empty() && period == previous) continue;
    kept.insert(kept.end(), fields.begin() + at, fields.begin() + at + kDayFields);
    previous = period;
  }
  kept.insert(kept.end(), fields.begin() + whole, fields.end());  // an incomplete tail, which the loader drops
  return kept;
}

}  // namespace

void ShowStartCarOrder(Program& program) {
  PlaceCars(program.ui().Window("MainWindow").Get<AnimationModel>("动画框1"), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
}

void ShowCarOrder(Program& program) {
  if (program.history.empty()) return;
  const DrawRecord& newest = program.history.back();
  std::array<int, 10> cars{};
  for (int i = 1; i <= 10; ++i) {
    const int car = static_cast<int>(TextToNumber(newest[i]));
    cars[i - 1] = car >= 1 && car <= 10 ? car : 1;  // a malformed cell never indexes outside the pictures
  }
  PlaceCars(program.ui().Window("MainWindow").Get<AnimationModel>("动画框1"), cars);
}

bool LoadDayAnswer(Program& program, const std::string& answer) {
  const std::vector<std::string> fields = WithoutRepeatedDraws(Split(answer, " "));
  if (fields.size() < kDayFields) return false;
  LoadDay(program, fields);
  std::string lines;
  for (const DrawRecord& row : program.history) lines += ResultLine(row);
  auto& results = program.ui().Window("MainWindow").Get<EditModel>("开奖结果框");
  results.SetText(lines);
  results.ScrollToEnd();
  ShowCarOrder(program);
  return true;
}

void AppendFeedDraw(Program& program, const std::array<std::string, 10>& numbers, const std::string& period) {
  AppendDraw(program, numbers, period);
  auto& results = program.ui().Window("MainWindow").Get<EditModel>("开奖结果框");
  results.Append(ResultLine(program.history.back()));
  results.LineDown();
  ShowCarOrder(program);
}

}  // namespace pk
