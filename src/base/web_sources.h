#pragma once
// The web sources the program and its companion library read. Their addresses are
// configuration: section [Sources] of UserDestop.ini, one key per source holding a base
// address such as http://127.0.0.1:8765 (the online bulletin: its full page address),
// written with the defaults when missing. The demo replaces them for one run.
#include <string>

namespace pk {

class IniFile;

struct WebSources {
  std::string drawService;     // JSON draw-results service: base of "/pk10/ajax"
  std::string bulletin;        // operator's bulletin pages: base of "/bulletin/trax.html"
  std::string drawPage;        // draw page: base of "/pk10/kaijiang/"
  std::string drawList;        // draw list by date: base of "/lottery/draw/list/557"
  std::string killFeed;        // kill-number forecasts: base of "//ajax/shahao/PK10/100/n1"
  std::string webTime;         // web time page: base of "/special/time/"
  std::string onlineBulletin;  // the makers' online bulletin page: full address

  // Every source at one base address (the simulator's); the online bulletin at its path
  // there ("/pkcalc/notice.html"). A trailing "/" of base is dropped.
  static WebSources AllAt(const std::string& base);
  // What a settings file without [Sources] gives: everything at http://127.0.0.1:8765.
  static WebSources Defaults();
};

// Reads [Sources], writing the default of every missing key back to the file. A key
// present with an empty value stays empty; a trailing "/" of a base address is dropped.
WebSources LoadWebSources(const IniFile& ini);

// Writes all of them to [Sources].
void SaveWebSources(const IniFile& ini, const WebSources& sources);

}  // namespace pk
