// The built companion library, loaded the way the program loads it: directly with
// dlopen for the raw C interface, and through the program's binding.
#include "app/companion_library.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "base/gbk.h"
#include "base/ini.h"
#include "base/web_sources.h"
#include "sky_draws.h"

namespace pk {
namespace {

using TextFunction = const char* (*)();
using TextOfTextFunction = const char* (*)(const char*);
using SkyFunction = const char* (*)(const char*, int32_t, int32_t);
using PairsFunction = void (*)(const char*);

// A settings file whose web sources sit on a loopback port where nothing listens.
std::string DeadSourcesFile() {
  const std::string path = ::testing::TempDir() + "companion_dead_sources.ini";
  SaveWebSources(IniFile(path), WebSources::AllAt("http://127.0.0.1:1"));
  return path;
}

const std::string kRepeatAndDiagonal = test::DrawsText(test::RepeatAndDiagonalDraws());
// Champion 3 in the newest five draws and nothing else to kill.
const std::string kRepeatOnly = test::DrawsText(test::ChampionDraws({1, 5, 9, 2, 6, 10, 2, 3, 3, 3, 3, 3}));

class LoadedLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    handle_ = dlopen(PKCALC_BIN_DIR "/sim/libqelmora.so", RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle_, nullptr) << dlerror();
  }
  void TearDown() override {
    if (handle_) dlclose(handle_);
  }

  template <typename Function>
  Function Export(const char* name) {
    void* symbol = dlsym(handle_, name);
    EXPECT_NE(symbol, nullptr) << name;
    return reinterpret_cast<Function>(symbol);
  }

  void* handle_ = nullptr;
};

TEST_F(LoadedLibrary, KeepsEachAnswerUntilTheSameExportIsCalledAgain) {
  const auto sky = Export<SkyFunction>("qelmora");
  const std::string draws = Utf8ToGbk(kRepeatAndDiagonal);
  const char* first = sky(draws.c_str(), 1, 0);
  const std::string firstAnswer = Utf8ToGbk("第1名杀 4|第1名杀 7|");
  ASSERT_EQ(std::string(first), firstAnswer);  // GBK bytes, not UTF-8

  // Every other export keeps its answer in a slot of its own (the web ones read from a
  // port where nothing answers).
  Export<PairsFunction>("SetSourceFile")(DeadSourcesFile().c_str());
  Export<PairsFunction>("GetJXdate")("147 6 258 9");
  for (const char* name : {"Get_olddate1", "Get_olddate2", "Updatenewdate", "UpdateMDB", "LocationMov"}) {
    EXPECT_STREQ(Export<TextFunction>(name)(), "") << name;
  }
  EXPECT_STREQ(Export<TextOfTextFunction>("Get_olddate")("2024-05-01"), "");
  EXPECT_EQ(std::string(first), firstAnswer);

  // The same export replaces it.
  EXPECT_EQ(std::string(sky(draws.c_str(), 1, 1)), Utf8ToGbk("第1名杀 7|"));
}

TEST_F(LoadedLibrary, MissingTextsAndOddPairsAreHarmless) {
  EXPECT_STREQ(Export<SkyFunction>("qelmora")(nullptr, 1, 0), "");
  EXPECT_STREQ(Export<TextOfTextFunction>("Get_olddate")(nullptr), "");
  const auto pairs = Export<PairsFunction>("GetJXdate");
  pairs(nullptr);
  pairs("");
  pairs("147");
  std::string many;
  for (int i = 0; i < 1500; ++i) many += std::to_string(100 + i) + " 9 ";
  pairs(many.c_str());
}

// Collects what the binding reports as unavailable.
struct Reports {
  std::vector<std::string> messages;
  CompanionLibrary::UnavailableCallback Callback() {
    return [this](const std::string& message) { messages.push_back(message); };
  }
};

TEST(CompanionLibrary, CallsEveryExportOfTheBuiltLibraryInUtf8) {
  Reports reports;
  CompanionLibrary library(PKCALC_BIN_DIR, reports.Callback());
  library.SetSourceFile(DeadSourcesFile());
  library.GetJXdate("147 6 258 9");
  EXPECT_EQ(library.Qelmora(kRepeatOnly, 1, 0), "第1名杀 3|");
  EXPECT_EQ(library.Qelmora(kRepeatOnly, 1, 1), "");
  EXPECT_EQ(library.GetOldDate("2024-05-01"), "");
  EXPECT_EQ(library.GetOldDate1(), "");
  EXPECT_EQ(library.GetOldDate2(), "");
  EXPECT_EQ(library.UpdateNewDate(), "");
  EXPECT_EQ(library.LocationMov(), "");
  EXPECT_EQ(library.UpdateMDB(), "");
  // The one message is the library's own, for the draw page it could not read.
  EXPECT_EQ(reports.messages, std::vector<std::string>{"获取失败，请重新获取！"});
}

TEST(CompanionLibrary, LibraryMessagesAndMissingPartsGoToTheirOwnCallbacks) {
  Reports unavailable, raised;
  CompanionLibrary library(PKCALC_BIN_DIR, unavailable.Callback(), raised.Callback());
  library.SetSourceFile(DeadSourcesFile());
  EXPECT_EQ(library.GetOldDate1(), "");
  EXPECT_TRUE(unavailable.messages.empty());
  EXPECT_EQ(raised.messages, std::vector<std::string>{"获取失败，请重新获取！"});

  Reports missing, none;
  CompanionLibrary absent("/nonexistent/program", missing.Callback(), none.Callback());
  EXPECT_EQ(absent.GetOldDate1(), "");
  EXPECT_EQ(absent.Qelmora(kRepeatOnly, 1, 0), "");
  EXPECT_EQ(missing.messages.size(), 1u);
  EXPECT_TRUE(none.messages.empty());
}

TEST(CompanionLibrary, MissingLibraryAnswersEmptyAndIsReportedOnce) {
  Reports reports;
  CompanionLibrary library("/nonexistent/program", reports.Callback());
  EXPECT_EQ(library.Qelmora(kRepeatOnly, 1, 0), "");
  EXPECT_EQ(library.GetOldDate1(), "");
  library.GetJXdate("147 6");
  EXPECT_EQ(library.Qelmora(kRepeatOnly, 1, 0), "");
  ASSERT_EQ(reports.messages.size(), 1u);
  EXPECT_NE(reports.messages[0].find("/nonexistent/program/sim/libqelmora.so"), std::string::npos) << reports.messages[0];
}

TEST(CompanionLibrary, MissingExportAnswersEmptyAndIsReportedOncePerExport) {
  Reports reports;
  CompanionLibrary library(PKCALC_PARTIAL_PROGRAM_DIR, reports.Callback());
  EXPECT_EQ(library.LocationMov(), "stand-in");
  EXPECT_EQ(library.Qelmora(kRepeatOnly, 1, 0), "");
  EXPECT_EQ(library.Qelmora(kRepeatOnly, 1, 0), "");
  ASSERT_EQ(reports.messages.size(), 1u);
  EXPECT_NE(reports.messages[0].find("qelmora"), std::string::npos) << reports.messages[0];
  EXPECT_EQ(library.GetOldDate2(), "");
  ASSERT_EQ(reports.messages.size(), 2u);
  EXPECT_NE(reports.messages[1].find("Get_olddate2"), std::string::npos) << reports.messages[1];
}

TEST(CompanionLibrary, CallsFromSeveralThreadsNeverOverlap) {
  CompanionLibrary library(PKCALC_PARTIAL_PROGRAM_DIR);
  std::vector<std::string> answers(4, "stand-in");
  {
    std::vector<std::jthread> threads;
    for (std::string& answer : answers) {
      threads.emplace_back([&library, &answer] {
        for (int i = 0; i < 20; ++i) {
          if (const std::string got = library.LocationMov(); got != "stand-in") answer = got;
        }
      });
    }
  }
  EXPECT_EQ(answers, std::vector<std::string>(4, "stand-in"));
}

}  // namespace
}  // namespace pk
