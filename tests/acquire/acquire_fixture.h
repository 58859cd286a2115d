#pragma once
// A program over a data folder of its own, with helpers to give it a history and to
// write the pages of the draw sources.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <atomic>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "acquire/draw_intake.h"
#include "app/program.h"
#include "app/recording_platform.h"
#include "app/ui/ui_models.h"
#include "support/temp_home.h"

namespace pk::test {

using Order = std::array<std::string, 10>;

// A finishing order: cars 1..10 rotated by `shift`, as two-digit texts.
inline Order Rotated(int shift) {
  Order order;
  for (int i = 0; i < 10; ++i) {
    const int car = (i + shift) % 10 + 1;
    order[i] = (car < 10 ? "0" : "") + std::to_string(car);
  }
  return order;
}

struct TestDraw {
  std::string period;
  Order numbers;
};

// The companion library's day answer for these draws, oldest first.
inline std::string DayAnswerOf(const std::vector<TestDraw>& draws) {
  std::string answer;
  for (const TestDraw& draw : draws) {
    for (const std::string& number : draw.numbers) answer += number + " ";
    answer += " " + draw.period + "  ";
  }
  return answer;
}

// The operator's bulletin page with rows of a period and a numbers cell, newest first.
inline std::string BulletinPageOfRows(const std::vector<std::pair<std::string, std::string>>& newestFirst) {
  std::string page = "<table>\n\t<tr\tclass=\"head\"><th>期号</th><th>开奖号码</th><th>开奖时间</th></tr>\n";
  for (const auto& [period, numbers] : newestFirst)
    page += "\t<tr\tclass=\"odd\">\n\t\t<td>" + period + "</td><td>" + numbers + "</td><td>2014-03-01 10:02:30</td>\n\t</tr>\n";
  return page + "</table>\n<div>共 50 条记录</div>\n";
}

inline std::string BulletinPageOf(const std::vector<TestDraw>& newestFirst) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (const TestDraw& draw : newestFirst) {
    std::string numbers;
    for (const std::string& number : draw.numbers) numbers += (numbers.empty() ? "" : ",") + number;
    rows.emplace_back(draw.period, numbers);
  }
  return BulletinPageOfRows(rows);
}

struct ProgramFixture : testing::Test {
  TempHome home;
  RecordingPlatform platform;
  Program program{platform, home.Path()};
  std::atomic<int> fullPasses{0}, incrementalPasses{0};

  ProgramFixture() {
    program.passObserver = [this](std::string_view module, PassMode mode) {
      if (module == "ResetRecommendations") ++(mode == PassMode::Full ? fullPasses : incrementalPasses);
    };
  }
  ~ProgramFixture() override { program.workers.WaitIdle(); }

  UiWindow& Main() { return program.ui().Window("MainWindow"); }
  std::string Results() { return Main().Get<EditModel>("开奖结果框").Text(); }

  void LoadDay(const std::vector<TestDraw>& draws) {
    std::lock_guard lock(program.drawLock);
    ASSERT_TRUE(LoadDayAnswer(program, DayAnswerOf(draws)));
  }

  std::vector<std::string> Periods() {
    std::vector<std::string> periods;
    for (const DrawRecord& row : program.history) periods.push_back(row[kPeriodColumn]);
    return periods;
  }

  bool Shown(const std::string& text) {
    for (const auto& message : platform.Messages())
      if (message.text == text) return true;
    return false;
  }
};

}  // namespace pk::test
