#pragma once
// A program with draws built from champion numbers, for the plan tests.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "app/draw_history.h"
#include "app/program.h"
#include "app/recording_platform.h"
#include "app/ui/ui_models.h"

namespace pk::test {

// "07" for 7.
inline std::string TwoDigits(int number) { return (number < 10 ? "0" : "") + std::to_string(number); }

// A draw whose order starts with `leading` and continues with the other cars ascending.
inline std::array<std::string, 10> Order(std::vector<int> leading) {
  std::array<bool, 11> used{};
  for (int car : leading) used[car] = true;
  for (int car = 1; car <= 10; ++car) {
    if (!used[car]) leading.push_back(car);
  }
  std::array<std::string, 10> numbers;
  for (int p = 0; p < 10; ++p) numbers[p] = TwoDigits(leading[p]);
  return numbers;
}

// A data folder of its own for one test, removed afterwards.
struct TemporaryHome {
  std::string path;
  TemporaryHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pkcalc-plans-XXXXXX").string();
    path = mkdtemp(pattern.data()) ? pattern : ".";
  }
  ~TemporaryHome() {
    std::error_code ignored;
    if (path != ".") std::filesystem::remove_all(path, ignored);
  }
};

struct PlansTest : testing::Test {
  TemporaryHome home;
  RecordingPlatform platform;
  Program program{platform, home.path};

  UiWindow& Main() { return program.ui().Window("MainWindow"); }
  GridModel& Grid(const std::string& name) { return Main().Get<GridModel>(name); }

  // Loads draws as a day fetch does; periods count up from firstPeriod.
  void LoadOrders(const std::vector<std::array<std::string, 10>>& orders, long firstPeriod = 1000) {
    std::vector<std::string> fields;
    for (size_t i = 0; i < orders.size(); ++i) {
      fields.insert(fields.end(), orders[i].begin(), orders[i].end());
      fields.push_back("");
      fields.push_back(std::to_string(firstPeriod + static_cast<long>(i)));
      fields.push_back("");
    }
    LoadDay(program, fields);
  }

  void LoadChampions(const std::vector<int>& champions, long firstPeriod = 1000) {
    std::vector<std::array<std::string, 10>> orders;
    for (int champion : champions) orders.push_back(Order({champion}));
    LoadOrders(orders, firstPeriod);
  }

  // Appends one draw as the live feed does.
  void Append(const std::array<std::string, 10>& numbers) {
    AppendDraw(program, numbers, std::to_string(static_cast<long>(TextToNumberOfLatestPeriod()) + 1));
  }

  double TextToNumberOfLatestPeriod() const { return std::stod(program.stats.LatestPeriod); }

  std::vector<std::vector<std::string>> GridTexts(const std::string& name) {
    std::vector<std::vector<std::string>> texts;
    for (const auto& row : Grid(name).Snapshot().rows) {
      auto& out = texts.emplace_back();
      for (const auto& cell : row) out.push_back(cell.text);
    }
    return texts;
  }

  std::vector<RecommendationRowTexts> Recommendations() const {
    auto rows = program.stats.Recommendations;
    if (!rows.empty() && rows.front()[0].empty()) rows.erase(rows.begin());
    return rows;
  }
};

}  // namespace pk::test
