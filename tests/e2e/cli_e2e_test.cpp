// pkcalc-cli's web commands against an in-process simulator.
#include <stdio.h>
#include <sys/wait.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "e2e_fixture.h"

namespace pk {
namespace {

struct CliRun {
  int status = -1;
  std::string output;  // standard output and standard error
};

CliRun Cli(const std::string& arguments) {
  CliRun run;
  FILE* pipe = popen((std::string(PKCALC_CLI) + " " + arguments + " 2>&1").c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  size_t read;
  while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, read);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

nlohmann::json ReadDump(const std::string& path) {
  std::ifstream in(path);
  return nlohmann::json::parse(in);
}

TEST(CliCountdown, PrintsTheCountdownForAServerTime) {
  EXPECT_EQ(Cli("countdown --time \"2014-03-01 10:03:10\"").output, "280\n");
  EXPECT_EQ(Cli("countdown --time \"2014-03-01 23:58:00\"").output, "32990\n");
  EXPECT_EQ(Cli("countdown --time \"2014-03-01 08:00:00\"").output, "4070\n");
  EXPECT_EQ(Cli("countdown --time \"2014-03-01 25:00:00\"").status, 2);
}

using CliWebE2eTest = test::SimFixture;

// The periods of a dump's draws, which must follow one another and match the simulator.
std::vector<int64_t> DumpedPeriods(const nlohmann::json& dump, const sim::SimServer& server) {
  std::vector<int64_t> periods;
  for (const auto& row : dump["records"]["draws"]) {
    const int64_t period = std::stoll(row[kPeriodColumn - 1].get<std::string>());
    if (!periods.empty()) {
      EXPECT_EQ(period, periods.back() + 1);
    }
    const sim::Draw draw = server.Draws().At(period);
    for (int p = 0; p < 10; ++p) EXPECT_EQ(std::stoi(row[p].get<std::string>()), draw.numbers[p]) << period;
    periods.push_back(period);
  }
  return periods;
}

TEST_F(CliWebE2eTest, FetchDayAndAutoDumpWhatTheyLoaded) {
  program.reset();  // the command-line program works on a data folder of its own
  const std::string cliHome = home.Path() + "/cli";
  const std::string dump = home.Path() + "/dump.json";
  const std::string common = " --home " + cliHome + " --sources " + server.BaseAddress() + " --dump " + dump;

  const CliRun fetched = Cli("fetch-day" + common);
  ASSERT_EQ(fetched.status, 0) << fetched.output;
  std::vector<int64_t> periods = DumpedPeriods(ReadDump(dump), server);
  ASSERT_EQ(periods.size(), 200u);
  EXPECT_EQ(periods.back(), server.NewestPeriod());

  // A draw every 2.5 seconds from 10:07:30 on; one countdown second is 1000 / 120 ms.
  server.SetClock(MakeDateTime(2026, 3, 1, 10, 7, 0), 120);
  const CliRun followed = Cli("auto --draws 2 --tick-ms 8 --timeout 120" + common);
  ASSERT_EQ(followed.status, 0) << followed.output;
  periods = DumpedPeriods(ReadDump(dump), server);
  EXPECT_GE(periods.size(), 202u);
  EXPECT_LE(periods.back(), server.NewestPeriod());

  server.SetFailure("/bulletin/trax.html", sim::FailMode::Refuse);
  server.SetFailure("/pk10/kaijiang/", sim::FailMode::Refuse);
  const CliRun failed = Cli("fetch-day" + common);
  EXPECT_EQ(failed.status, 2);
  EXPECT_NE(failed.output.find("获取数据失败，请重新获取！"), std::string::npos) << failed.output;
}

TEST(CliDemo, FollowsTheSimulatorUntilTheDrawsAsked) {
  const CliRun demo = Cli("demo --draws 2 --speed 300");
  ASSERT_EQ(demo.status, 0) << demo.output;
  size_t draws = 0;
  for (size_t at = demo.output.find("开奖: "); at != std::string::npos; at = demo.output.find("开奖: ", at + 1)) ++draws;
  EXPECT_GE(draws, 3u) << demo.output;  // the day's newest and the new ones
  EXPECT_NE(demo.output.find("推荐框:"), std::string::npos);
  EXPECT_NE(demo.output.find("离开奖: "), std::string::npos);
}

}  // namespace
}  // namespace pk
