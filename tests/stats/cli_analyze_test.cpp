// pkcalc-cli analyze over a data folder that holds an extremes store: the store is loaded
// before the draws go in, and the passes write the passed extremes back into it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>

#include "stats_test_support.h"
#include "store/table_keys.h"

namespace pk::test {
namespace {

// Every combination far from its extreme except 12 (extreme 3); every number and
// position far from its extreme except number 1 (extreme 8).
std::string AnalyzeStore() {
  std::string script;
  for (int k = kMinCombinationSize; k <= kMaxCombinationSize; ++k) {
    const std::string table = CombinationTableName(k);
    script += "CREATE TABLE " + table + " (号码组合 TEXT, 遗漏极限 TEXT);";
    for (const std::string& key : CombinationKeys(k)) {
      script += "INSERT INTO " + table + " VALUES ('" + key + "','" + (key == "12" ? "3" : "999") + "');";
    }
  }
  script += "CREATE TABLE 号码_位置遗漏 (号码 TEXT, 号码遗漏 TEXT, 位置遗漏 TEXT);";
  for (int n = 1; n <= 10; ++n) {
    script += "INSERT INTO 号码_位置遗漏 VALUES ('" + std::to_string(n) + "','" + (n == 1 ? "8" : "999") + "','999');";
  }
  return script;
}

// 300 draws: champions 1, 2, …, 10 in turn for 280 draws, then 3 … 10 in turn for 20.
std::string DrawFile() {
  std::string text;
  for (int i = 0; i < 300; ++i) {
    const int champion = i < 280 ? 1 + i % 10 : 3 + (i - 280) % 8;
    text += std::to_string(600001 + i);
    for (const std::string& number : Order({champion})) text += " " + number;
    text += "\n";
  }
  return text;
}

int Count(const std::vector<std::string>& texts, const std::string& text) {
  return static_cast<int>(std::count(texts.begin(), texts.end(), text));
}

TEST_F(StatsTest, AnalyzeLoadsTheStoreAndWritesPassedExtremesBack) {
  WriteExtremesStore(home.Path(), AnalyzeStore());
  const std::string draws = home.Path() + "/draws.txt";
  const std::string dumpPath = home.Path() + "/dump.json";
  std::ofstream(draws) << DrawFile();

  // 295 draws as a day fetch, the last 5 one by one.
  const std::string command = std::string(PKCALC_CLI) + " analyze --home '" + home.Path() + "' --draws '" + draws +
                              "' --then 5 --dump '" + dumpPath + "' > /dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const nlohmann::json dump = nlohmann::json::parse(std::ifstream(dumpPath));
  const auto statements = dump["statements"].get<std::vector<std::string>>();

  // Combination 12 was last hit by champion 2 at draw 272: 23 draws later the full pass
  // passes its extreme of 3, and every live draw after it writes the next value.
  for (int value = 23; value <= 28; ++value) {
    EXPECT_EQ(Count(statements, "update 二码极限 set 遗漏极限='" + std::to_string(value) + "' where 号码组合='12'"), 1)
        << value;
  }
  // Number 1 passes its extreme of 8 once in each of its 28 absences of nine draws, then
  // counts to 24 in the full pass; the live draws take it to 29 but write nothing.
  EXPECT_EQ(Count(statements, "update 号码_位置遗漏 set 号码遗漏='9' where 号码='1'"), 28);
  EXPECT_EQ(Count(statements, "update 号码_位置遗漏 set 号码遗漏='24' where 号码='1'"), 1);
  EXPECT_EQ(Count(statements, "update 号码_位置遗漏 set 号码遗漏='25' where 号码='1'"), 0);
  EXPECT_EQ(StoredText("二码极限", "号码组合", "12", "遗漏极限"), "28");
  EXPECT_EQ(StoredText("号码_位置遗漏", "号码", "1", "号码遗漏"), "24");

  const nlohmann::json& controls = dump["windows"]["MainWindow"]["controls"];
  const nlohmann::json& grid = controls["高级表格_一码遗漏"]["rows"];
  EXPECT_EQ(grid[2][1], "8");
  EXPECT_EQ(grid[3][1], "29");
  EXPECT_EQ(controls["高级表格_一码遗漏"]["bg"]["3,1"], kRed);
  EXPECT_EQ(controls["极限二码列表框"]["rows"][0], (std::vector<std::string>{"12", "3", "28", "-25"}));
  EXPECT_EQ(controls["状态条1"]["parts"][0], "极限值已更新,重新运行生效！");
  EXPECT_TRUE(controls["按钮_获取数据"]["enabled"].get<bool>());
}

}  // namespace
}  // namespace pk::test
