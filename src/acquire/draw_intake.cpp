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
  const std::vector<std::string> fields = Split(answer, " ");
  if (fields.size() < 13) return false;
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
