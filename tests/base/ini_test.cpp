#include "base/ini.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace pk {
namespace {

namespace fs = std::filesystem;

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / ("pkcalc-ini-" + std::to_string(::getpid()) + "-" + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "UserDestop.ini").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Put(const std::string& content) const { std::ofstream(path_, std::ios::binary) << content; }
  std::string Get() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
  }

  fs::path dir_;
  std::string path_;
};

const std::string kFresh =
    "\xEF\xBB\xBF\r\n[Date]\r\nLast_Update=2015-04-05 16:24:11\r\n"
    "Configure=1,7,1,6,1,5,1,4,1,4,1,3,1,2,1,2,1,4,1,3,1,2,1,0,1,0,1,,\r\nFlink=1\r\n";

TEST_F(IniFileTest, MissingFileGivesFallbackAndIsCreatedOnWrite) {
  IniFile ini(path_);
  EXPECT_EQ(ini.Read("Date", "Flink", "1"), "1");
  ASSERT_TRUE(ini.Write("Date", "Last_Update", "2015-04-05 16:24:11"));
  EXPECT_EQ(Get(), "[Date]\r\nLast_Update=2015-04-05 16:24:11\r\n");
  EXPECT_EQ(ini.Read("Date", "Last_Update"), "2015-04-05 16:24:11");
}

TEST_F(IniFileTest, ReadsTheFreshFileIgnoringCaseAndTheByteOrderMark) {
  Put(kFresh);
  IniFile ini(path_);
  EXPECT_EQ(ini.Read("Date", "Configure"), "1,7,1,6,1,5,1,4,1,4,1,3,1,2,1,2,1,4,1,3,1,2,1,0,1,0,1,,");
  EXPECT_EQ(ini.Read("DATE", "flink"), "1");
  EXPECT_EQ(ini.Read(" date ", " LAST_UPDATE "), "2015-04-05 16:24:11");
  EXPECT_EQ(ini.Read("Date", "Missing", "fallback"), "fallback");
  EXPECT_EQ(ini.Read("Other", "Flink", "fallback"), "fallback");

  Put("\xEF\xBB\xBF[Date]\r\nA=1\r\n");  // byte-order mark right before the first section
  EXPECT_EQ(ini.Read("Date", "A"), "1");
}

TEST_F(IniFileTest, ValuesAreTrimmedAndAnEmptyValueIsNotMissing) {
  Put("[S]\n  Key =  a value \t\nEmpty=\nEq=a=b\n");
  IniFile ini(path_);
  EXPECT_EQ(ini.Read("S", "key"), "a value");
  EXPECT_EQ(ini.Read("S", "Empty", "fallback"), "");
  EXPECT_EQ(ini.Read("S", "Eq"), "a=b");
}

TEST_F(IniFileTest, ReplacingAValueKeepsEveryOtherByte) {
  Put(kFresh);
  IniFile ini(path_);
  ASSERT_TRUE(ini.Write("date", "FLINK", "0"));
  std::string expected = kFresh;
  expected.replace(expected.find("Flink=1"), 7, "Flink=0");
  EXPECT_EQ(Get(), expected);
}

TEST_F(IniFileTest, AddsKeysAtTheirSectionsEndAndSectionsAtTheFileEnd) {
  // Mixed line ends, comments, a blank line before the next section and no final line end.
  const std::string original =
      "; settings\n[Date]\r\nConfigure=1,7\n; note\r\n\r\n[Sources]\nJson = http://127.0.0.1:8765\nLast";
  Put(original);
  IniFile ini(path_);

  ASSERT_TRUE(ini.Write("Date", "Flink", "1"));
  EXPECT_EQ(Get(),
            "; settings\n[Date]\r\nConfigure=1,7\n; note\r\nFlink=1\r\n\r\n[Sources]\nJson = http://127.0.0.1:8765\nLast");

  ASSERT_TRUE(ini.Write("sources", "JSON", "http://127.0.0.1:9000"));
  EXPECT_EQ(Get(),
            "; settings\n[Date]\r\nConfigure=1,7\n; note\r\nFlink=1\r\n\r\n[Sources]\nJson=http://127.0.0.1:9000\nLast");

  ASSERT_TRUE(ini.Write("Lock", "Password", "x"));
  EXPECT_EQ(Get(),
            "; settings\n[Date]\r\nConfigure=1,7\n; note\r\nFlink=1\r\n\r\n[Sources]\nJson=http://127.0.0.1:9000\nLast\r\n"
            "[Lock]\r\nPassword=x\r\n");

  ASSERT_TRUE(ini.Write("Lock", "Tries", "3"));  // the section now at the end of the file
  EXPECT_EQ(Get().substr(Get().find("[Lock]")), "[Lock]\r\nPassword=x\r\nTries=3\r\n");
}

TEST_F(IniFileTest, OnlyTheFirstSectionOfANameCounts) {
  Put("[A]\r\nk=1\r\n[B]\r\nk=2\r\n[a]\r\nk=3\r\nj=4\r\n");
  IniFile ini(path_);
  EXPECT_EQ(ini.Read("A", "k"), "1");
  EXPECT_EQ(ini.Read("A", "j", "none"), "none");
  ASSERT_TRUE(ini.Write("A", "k", "9"));
  EXPECT_EQ(Get(), "[A]\r\nk=9\r\n[B]\r\nk=2\r\n[a]\r\nk=3\r\nj=4\r\n");
}

TEST_F(IniFileTest, RefusesNamesAndValuesThatWouldBreakTheFile) {
  Put(kFresh);
  IniFile ini(path_);
  EXPECT_FALSE(ini.Write("Date", "Flink", "0\r\nConfigure=0"));
  EXPECT_FALSE(ini.Write("Date", "Fl=ink", "0"));
  EXPECT_FALSE(ini.Write("Da]te", "Flink", "0"));
  EXPECT_FALSE(ini.Write("Date", "[Flink", "0"));
  EXPECT_FALSE(ini.Write("Date", "", "0"));
  EXPECT_FALSE(ini.Write("", "Flink", "0"));
  EXPECT_EQ(Get(), kFresh);
}

TEST_F(IniFileTest, ReportsAFileThatCannotBeWritten) {
  IniFile ini((dir_ / "no-such-folder" / "UserDestop.ini").string());
  EXPECT_FALSE(ini.Write("Date", "Flink", "1"));
}

TEST_F(IniFileTest, WritesLeaveNoTemporaryFilesAndKeepPermissions) {
  Put(kFresh);
  fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  IniFile ini(path_);
  ASSERT_TRUE(ini.Write("Date", "Flink", "0"));
  ASSERT_TRUE(ini.Write("Date", "New", "1"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
  EXPECT_EQ(fs::status(path_).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(IniFileTest, WritesFromSeveralThreadsAreNotLost) {
  Put(kFresh);
  IniFile ini(path_);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&ini, t] {
      for (int i = 0; i < 20; ++i) ini.Write("Date", "Key" + std::to_string(t * 20 + i), std::to_string(i));
    });
  }
  for (auto& thread : threads) thread.join();
  for (int k = 0; k < 80; ++k) EXPECT_EQ(ini.Read("Date", "Key" + std::to_string(k)), std::to_string(k % 20));
  EXPECT_EQ(ini.Read("Date", "Flink"), "1");
}

}  // namespace
}  // namespace pk
