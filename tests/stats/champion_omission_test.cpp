#include "stats/champion_omission.h"

#include <gtest/gtest.h>

#include <fstream>

#include "stats_test_support.h"

namespace pk::test {
namespace {

constexpr const char* kChampionTableScript =
    "CREATE TABLE 号码_位置遗漏 (号码 TEXT, 号码遗漏 TEXT, 位置遗漏 TEXT);"
    "INSERT INTO 号码_位置遗漏 VALUES ('1','9','9'),('2','9','9'),('3','9','9'),('4','9','9'),('5','20','9'),"
    "('6','9','9'),('7','9','9'),('8','9','9'),('9','9','9'),('10','9','1');";

struct ChampionOmissionTest : StatsTest {
  std::array<int32_t, 10>& Numbers() { return program.stats.ChampionOmissionTable[kCurrentNumberOmission]; }
  std::array<int32_t, 10>& Positions() { return program.stats.ChampionOmissionTable[kCurrentPositionOmission]; }
  GridModel& Grid() { return Main().Get<GridModel>(kChampionOmissionGrid); }

  // Extremes far away, so that only what a test lowers can be passed.
  void SetUp() override {
    program.stats.ChampionOmissionTable[kNumberExtreme].fill(1000);
    program.stats.ChampionOmissionTable[kPositionExtreme].fill(1000);
  }
};

TEST_F(ChampionOmissionTest, NumbersCountSinceTheirLastChampionshipAcrossPasses) {
  Numbers()[9] = 5;  // left by an earlier pass: counting continues from it
  AddChampion(7);
  for (int champion : {1, 2, 3, 4, 5, 6, 8, 9, 1, 2, 3, 4}) AddChampion(champion);
  AddChampion(7);  // 12 draws after its previous win

  UpdateChampionOmission(program, PassMode::Full);
  EXPECT_EQ(Numbers()[6], 0);
  EXPECT_EQ(Numbers()[0], 4);
  EXPECT_EQ(Numbers()[9], 5 + 14);  // never champion: its starting value plus N
  EXPECT_EQ(Grid().CellText(3, 7), "0");
  EXPECT_EQ(Grid().CellText(3, 10), "19");

  AddChampion(3);
  UpdateChampionOmission(program, PassMode::Incremental);
  EXPECT_EQ(Numbers()[6], 1);
  EXPECT_EQ(Numbers()[2], 0);
  EXPECT_EQ(Numbers()[9], 20);
}

TEST_F(ChampionOmissionTest, PositionsAreJudgedByTheNextDrawsChampion) {
  AddDraw(Order({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  AddDraw(Order({3, 1, 2}));  // 3 stood at position 3 of the draw before
  AddDraw(Order({1, 2, 3}));  // 1 stood at position 2 of the draw before
  UpdateChampionOmission(program, PassMode::Full);
  // Draws 1 and 2 were judged; the newest has no next draw and adds nothing.
  EXPECT_EQ(Positions(), (std::array<int32_t, 10>{2, 0, 1, 2, 2, 2, 2, 2, 2, 2}));
  EXPECT_EQ(Grid().CellText(8, 2), "0");
  EXPECT_EQ(Grid().CellText(8, 1), "2");

  AddDraw(Order({5}));  // 5 stood at position 5 of the draw before
  UpdateChampionOmission(program, PassMode::Incremental);
  EXPECT_EQ(Positions(), (std::array<int32_t, 10>{3, 1, 2, 3, 0, 3, 3, 3, 3, 3}));
}

TEST_F(ChampionOmissionTest, IncrementalPassOnASingleDrawLeavesThePositionsAlone) {
  Positions().fill(4);
  AddChampion(2);
  UpdateChampionOmission(program, PassMode::Incremental);
  EXPECT_EQ(Numbers()[1], 0);
  EXPECT_EQ(Numbers()[0], 1);
  EXPECT_EQ(Positions(), (std::array<int32_t, 10>{4, 4, 4, 4, 4, 4, 4, 4, 4, 4}));
}

TEST_F(ChampionOmissionTest, FullPassWritesEveryValueAboveTheStoredExtremeAndIncrementalWritesNone) {
  OpenStore(kChampionTableScript);
  program.stats.ChampionOmissionTable[kNumberExtreme][4] = 20;
  for (int i = 0; i < 24; ++i) AddChampion(1 + i % 2);  // 5 misses 24 draws

  UpdateChampionOmission(program, PassMode::Full);
  EXPECT_EQ(Statements(), (std::vector<std::string>{
                              "update 号码_位置遗漏 set 号码遗漏='21' where 号码='5'",
                              "update 号码_位置遗漏 set 号码遗漏='22' where 号码='5'",
                              "update 号码_位置遗漏 set 号码遗漏='23' where 号码='5'",
                              "update 号码_位置遗漏 set 号码遗漏='24' where 号码='5'",
                          }));
  EXPECT_EQ(StoredText("号码_位置遗漏", "号码", "5", "号码遗漏"), "24");
  EXPECT_EQ(Status(), "极限值已更新,重新运行生效！");
  // The in-memory extreme waits for the next start.
  EXPECT_EQ(program.stats.ChampionOmissionTable[kNumberExtreme][4], 20);

  program.stats.ChampionOmissionTable[kPositionExtreme].fill(0);
  AddChampion(1);
  UpdateChampionOmission(program, PassMode::Incremental);
  EXPECT_EQ(Numbers()[4], 25);
  EXPECT_EQ(Statements().size(), 4u);
}

TEST_F(ChampionOmissionTest, PositionExtremesAreWrittenUnderTheirPositionKey) {
  OpenStore(kChampionTableScript);
  program.stats.ChampionOmissionTable[kPositionExtreme][9] = 1;
  // Position 10 holds 10, which never wins: it misses in draws 1 and 2 and passes 1 at the second.
  for (int i = 0; i < 3; ++i) AddChampion(1);
  UpdateChampionOmission(program, PassMode::Full);
  EXPECT_EQ(Statements(), (std::vector<std::string>{"update 号码_位置遗漏 set 位置遗漏='2' where 号码='10'"}));
  EXPECT_EQ(StoredText("号码_位置遗漏", "号码", "10", "位置遗漏"), "2");
}

TEST_F(ChampionOmissionTest, ANewExtremeWithoutAReadableStoreIsSilent) {
  program.stats.ChampionOmissionTable[kNumberExtreme].fill(0);
  AddChampion(1);
  AddChampion(2);
  UpdateChampionOmission(program, PassMode::Full);  // no store at all
  EXPECT_EQ(Status(), "");

  std::ofstream(DataFilePath(home.Path(), kExtremesFileName), std::ios::binary) << "not a store";
  program.store = DrawStore::OpenExtremes(home.Path(), &program.statements());
  UpdateChampionOmission(program, PassMode::Full);
  EXPECT_FALSE(Statements().empty());  // tried ...
  EXPECT_EQ(Status(), "");             // ... and failed without a word
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(ChampionOmissionTest, CellsTurnRedWithinThirtyDrawsOfTheExtreme) {
  struct Case {
    int32_t extreme, current;
    Colour colour;
  };
  const Case cases[] = {{60, 30, kRed}, {61, 30, kWhite}, {10, 11, kRed}, {0, 0, kRed}};
  for (size_t i = 0; i < std::size(cases); ++i) {
    program.stats.ChampionOmissionTable[kNumberExtreme][i] = cases[i].extreme;
    Numbers()[i] = cases[i].current;
    program.stats.ChampionOmissionTable[kPositionExtreme][9 - i] = cases[i].extreme;
    Positions()[9 - i] = cases[i].current;
  }
  ShowChampionOmission(program);
  for (size_t i = 0; i < std::size(cases); ++i) {
    const int column = static_cast<int>(i) + 1;
    EXPECT_EQ(Grid().BackColour(3, column), cases[i].colour) << i;
    EXPECT_EQ(Grid().CellText(3, column), NumberToText(cases[i].current)) << i;
    EXPECT_EQ(Grid().BackColour(8, 10 - static_cast<int>(i)), cases[i].colour) << i;
  }
}

}  // namespace
}  // namespace pk::test
