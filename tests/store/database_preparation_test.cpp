#include "store/database_preparation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/recording_platform.h"
#include "base/ini.h"
#include "store/zip_file.h"
#include "temp_folder.h"

namespace pk {
namespace {

constexpr const char* kNewStore = "the carried store";
constexpr const char* kOldStore = "the store in place";

class DatabasePreparationTest : public testing::Test {
 protected:
  void SetUp() override {
    test::TempFolder scratch;
    ASSERT_TRUE(WriteSingleEntryZip(scratch.File("a.zip"), "date.dat", kNewStore));
    const std::string bytes = scratch.ReadFile("a.zip");
    archive.assign(bytes.begin(), bytes.end());
  }

  PreparationResult Prepare() {
    return PrepareDatabaseFile(home.Path(), BuiltInDataStamp(), ini, platform, archive);
  }

  test::TempFolder home;
  IniFile ini{home.File("UserDestop.ini")};
  RecordingPlatform platform;
  std::vector<unsigned char> archive;
};

TEST_F(DatabasePreparationTest, StampIsTheCarriedDataDate) {
  EXPECT_EQ(DateTimeText(BuiltInDataStamp()), "2015-04-05 16:24:11");
}

TEST_F(DatabasePreparationTest, ReplacesOrKeepsByLastUpdate) {
  struct Case {
    bool storeInPlace;
    std::optional<std::string> lastUpdate;  // nullopt: key missing
    PreparationResult expected;
  };
  const Case cases[] = {
      {false, std::nullopt, PreparationResult::Extracted},
      {false, "2099-01-01 00:00:00", PreparationResult::Extracted},  // nothing in place to keep
      {true, std::nullopt, PreparationResult::Extracted},            // missing counts as earliest
      {true, "", PreparationResult::Extracted},
      {true, "2015-04-05 16:24:10", PreparationResult::Extracted},
      {true, "2015-04-05 16:24:11", PreparationResult::KeptExisting},
      {true, "2016-01-01 08:00:00", PreparationResult::KeptExisting},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lastUpdate.value_or("(missing)"));
    std::filesystem::remove(home.File("date.dat"));
    std::filesystem::remove(home.File("UserDestop.ini"));
    if (c.storeInPlace) home.WriteFile("date.dat", kOldStore);
    if (c.lastUpdate) ini.Write("Date", "Last_Update", *c.lastUpdate);

    EXPECT_EQ(Prepare(), c.expected);
    const bool replaced = c.expected == PreparationResult::Extracted;
    EXPECT_EQ(home.ReadFile("date.dat"), replaced ? kNewStore : kOldStore);
    EXPECT_EQ(ini.Read("Date", "Last_Update"), replaced ? "2015-04-05 16:24:11" : c.lastUpdate.value_or(""));
    EXPECT_FALSE(home.Exists("date.zip"));
    EXPECT_FALSE(home.Exists("date.dat.part"));
  }
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(DatabasePreparationTest, StoreThatCannotBeDeletedStaysInUse) {
  // A folder with something in it cannot be deleted in place of the file.
  std::filesystem::create_directories(home.File("date.dat"));
  home.WriteFile("date.dat/inside", kOldStore);
  EXPECT_EQ(Prepare(), PreparationResult::NotDeletable);
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text, "请用管理员权限登录！");
  EXPECT_EQ(home.ReadFile("date.dat/inside"), kOldStore);
  EXPECT_EQ(ini.Read("Date", "Last_Update"), "");
  EXPECT_FALSE(home.Exists("date.zip"));
}

TEST_F(DatabasePreparationTest, DamagedArchiveLeavesNoHalfWrittenStore) {
  struct Case {
    std::string name;
    std::vector<unsigned char> bytes;
  };
  std::vector<unsigned char> corrupted = archive;
  corrupted[40] ^= 0xff;  // inside the deflated data (after the 38-byte local header): the checksum fails
  std::vector<unsigned char> wrongEntry;
  {
    test::TempFolder scratch;
    ASSERT_TRUE(WriteSingleEntryZip(scratch.File("b.zip"), "other.dat", kNewStore));
    const std::string bytes = scratch.ReadFile("b.zip");
    wrongEntry.assign(bytes.begin(), bytes.end());
  }
  const Case cases[] = {
      {"corrupted", corrupted},
      {"cut short", std::vector<unsigned char>(archive.begin(), archive.begin() + archive.size() / 2)},
      {"no date.dat in it", wrongEntry},
      {"empty", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    archive = c.bytes;
    EXPECT_EQ(Prepare(), PreparationResult::ExtractFailed);
    EXPECT_FALSE(home.Exists("date.dat"));
    EXPECT_FALSE(home.Exists("date.dat.part"));
    EXPECT_FALSE(home.Exists("date.zip"));
    EXPECT_EQ(ini.Read("Date", "Last_Update"), "");
  }
}

}  // namespace
}  // namespace pk
