#include "base/web_sources.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/ini.h"

namespace pk {
namespace {

namespace fs = std::filesystem;

std::string TempIni(const std::string& content) {
  const fs::path path = fs::temp_directory_path() / ("pkcalc-sources-" + std::to_string(::getpid()) + ".ini");
  fs::remove(path);
  if (!content.empty()) std::ofstream(path, std::ios::binary) << content;
  return path.string();
}

TEST(WebSources, MissingKeysTakeAndWriteTheDefaults) {
  const IniFile ini(TempIni(""));
  const WebSources loaded = LoadWebSources(ini);
  EXPECT_EQ(loaded.drawService, "http://127.0.0.1:8765");
  EXPECT_EQ(loaded.killFeed, "http://127.0.0.1:8765");
  EXPECT_EQ(loaded.onlineBulletin, "http://127.0.0.1:8765/pkcalc/notice.html");
  for (const char* key : {"DrawService", "Bulletin", "DrawPage", "DrawList", "KillFeed", "WebTime"}) {
    EXPECT_EQ(ini.Read("Sources", key), "http://127.0.0.1:8765") << key;
  }
  EXPECT_EQ(ini.Read("Sources", "OnlineBulletin"), "http://127.0.0.1:8765/pkcalc/notice.html");
  fs::remove(ini.Path());
}

TEST(WebSources, PresentKeysAreKeptEvenWhenEmpty) {
  const IniFile ini(TempIni("[Date]\r\nConfigure=1\r\n[Sources]\r\nDrawService=http://feed.example:9000/\r\n"
                            "KillFeed=\r\nOnlineBulletin=http://makers.example/news/\r\n"));
  const WebSources loaded = LoadWebSources(ini);
  EXPECT_EQ(loaded.drawService, "http://feed.example:9000");  // a base loses its trailing "/"
  EXPECT_EQ(loaded.killFeed, "");
  EXPECT_EQ(loaded.onlineBulletin, "http://makers.example/news/");  // a full address stays
  EXPECT_EQ(loaded.bulletin, "http://127.0.0.1:8765");
  EXPECT_EQ(ini.Read("Sources", "KillFeed", "absent"), "");
  EXPECT_EQ(ini.Read("Date", "Configure"), "1");
  fs::remove(ini.Path());
}

TEST(WebSources, AllAtOneBaseRoundTripsThroughTheFile) {
  const WebSources sim = WebSources::AllAt("http://127.0.0.1:40123/");
  EXPECT_EQ(sim.drawList, "http://127.0.0.1:40123");
  EXPECT_EQ(sim.onlineBulletin, "http://127.0.0.1:40123/pkcalc/notice.html");
  const IniFile ini(TempIni(""));
  SaveWebSources(ini, sim);
  const WebSources loaded = LoadWebSources(ini);
  EXPECT_EQ(loaded.drawService, sim.drawService);
  EXPECT_EQ(loaded.webTime, sim.webTime);
  EXPECT_EQ(loaded.onlineBulletin, sim.onlineBulletin);
  fs::remove(ini.Path());
}

}  // namespace
}  // namespace pk
