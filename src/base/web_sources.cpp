#include "base/web_sources.h"

#include <array>
#include <string_view>

#include "base/ini.h"

namespace pk {

namespace {

constexpr std::string_view kSection = "Sources";
constexpr std::string_view kDefaultBase = "http://127.0.0.1:8765";
constexpr std::string_view kBulletinPath = "/pkcalc/notice.html";

struct Key {
  std::string_view name;
  std::string WebSources::*field;
  bool isBase;  // a base address that paths are appended to
};

constexpr std::array<Key, 7> kKeys{{
    {"DrawService", &WebSources::drawService, true},
    {"Bulletin", &WebSources::bulletin, true},
    {"DrawPage", &WebSources::drawPage, true},
    {"DrawList", &WebSources::drawList, true},
    {"KillFeed", &WebSources::killFeed, true},
    {"WebTime", &WebSources::webTime, true},
    {"OnlineBulletin", &WebSources::onlineBulletin, false},
}};

// Callers append paths that start with "/": a base written with a trailing "/" would
// otherwise double it.
std::string WithoutTrailingSlash(std::string address) {
  while (!address.empty() && address.back() == '/') address.pop_back();
  return address;
}

}  // namespace

WebSources WebSources::AllAt(const std::string& base) {
  const std::string root = WithoutTrailingSlash(base);
  WebSources sources;
  for (const Key& key : kKeys) sources.*key.field = root;
  sources.onlineBulletin = root + std::string(kBulletinPath);
  return sources;
}

WebSources WebSources::Defaults() { return AllAt(std::string(kDefaultBase)); }

WebSources LoadWebSources(const IniFile& ini) {
  const WebSources defaults = WebSources::Defaults();
  WebSources sources;
  for (const Key& key : kKeys) {
    // A key that is there with an empty value is the user's choice; only a missing
    // key takes (and writes) the default. Two different fallbacks tell them apart.
    const std::string value = ini.Read(kSection, key.name, "\x01");
    const bool missing = value == "\x01" && ini.Read(kSection, key.name, "\x02") == "\x02";
    if (missing) {
      sources.*key.field = defaults.*key.field;
      ini.Write(kSection, key.name, defaults.*key.field);
    } else {
      sources.*key.field = key.isBase ? WithoutTrailingSlash(value) : value;
    }
  }
  return sources;
}

void SaveWebSources(const IniFile& ini, const WebSources& sources) {
  for (const Key& key : kKeys) ini.Write(kSection, key.name, sources.*key.field);
}

}  // namespace pk
