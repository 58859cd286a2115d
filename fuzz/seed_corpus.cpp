// Writes the seed corpora of the fuzz targets: one answer of each kind as the simulator
// serves it (headers included where the reader takes them), plus a few hand-made texts.
// Usage: fuzz_seed_corpus <corpus folder>; each target gets a folder of its own.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "acquire/live_feed.h"
#include "acquire/web_answer.h"
#include "base/page_fetcher.h"
#include "pk10sim/sim_server.h"
#include "settings/settings_text.h"

namespace {

namespace fs = std::filesystem;

fs::path root;

void Write(const std::string& target, const std::string& name, const std::string& content) {
  fs::create_directories(root / target);
  std::ofstream(root / target / name, std::ios::binary) << content;
}

struct Answer {
  std::string headers;
  std::string body;
  std::string Whole() const { return headers + "\r\n" + body; }  // the header block ends in CR LF
};

Answer Fetch(const std::string& address) {
  Answer answer;
  answer.body = pk::FetchPage(address, &answer.headers);
  // The split used by the targets wants exactly one blank line after the headers.
  while (answer.headers.size() >= 2 && answer.headers.ends_with("\r\n\r\n")) answer.headers.resize(answer.headers.size() - 2);
  return answer;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: fuzz_seed_corpus <corpus folder>\n";
    return 2;
  }
  root = argv[1];
  pk::sim::SimServer server(pk::sim::SimOptions{.seed = 7, .start = pk::MakeDateTime(2026, 3, 1, 10, 2, 0), .speed = 0});
  server.Start();
  const std::string base = server.BaseAddress();
  const int64_t newest = server.NewestPeriod();

  const Answer json = Fetch(base + "/pk10/ajax?t=0.1");
  Write("web_answer", "json_service", json.Whole());
  Write("web_answer", "draw_line", pk::LatestDrawLine(json.body, json.headers));

  const Answer bulletin = Fetch(base + "/bulletin/trax.html?page=1");
  Write("bulletin_rows", "bulletin_page", std::to_string(newest - 3) + "\n" + bulletin.body);

  const Answer drawPage = Fetch(base + "/pk10/kaijiang/");
  const Answer dayList = Fetch(base + "/lottery/draw/list/557?d=2026-03-01");
  const Answer bulletin2 = Fetch(base + "/bulletin/trax.html?page=2");
  Write("history_scrapers", "draw_page", std::string(1, '\0') + drawPage.body);
  Write("history_scrapers", "bulletin_pages", std::string(1, '\1') + bulletin.body + "\f" + bulletin2.body);
  Write("history_scrapers", "day_list", std::string(1, '\2') + dayList.body);
  Write("history_scrapers", "newest_draw", std::string(1, '\3') + json.Whole());

  Write("kill_feed", "kill_feed", Fetch(base + "//ajax/shahao/PK10/100/n1").body);
  Write("online_bulletin", "notice", Fetch(base + "/pkcalc/notice.html").body);

  Write("server_time", "date_header", pk::HeaderDateText(json.headers));
  Write("server_time", "web_time", Fetch(base + "/special/time/").body);
  Write("server_time", "date_time", "2026-03-01 10:02:00");

  Write("settings_text", "default", std::string(pk::kDefaultSettingsText));
  Write("settings_text", "older", "1,7,0,6,1,5,1,4,");

  Write("ini_file", "settings",
        "\xEF\xBB\xBF; comment\r\n[Settings]\r\nConfigure=1,7,1,6,\r\n\r\n[Sources]\r\ndrawService = http://a\r\n");

  std::string draws;
  for (int64_t period = newest - 4; period <= newest; ++period) {
    const auto draw = server.Draws().At(period);
    draws += std::to_string(period);
    for (int car : draw.numbers) draws += (car < 10 ? " 0" : " ") + std::to_string(car);
    draws += "\n\n";
  }
  Write("draw_file", "draws", draws);

  Write("text_helpers", "number", "  -12.50abc");
  Write("text_helpers", "chinese", "冠军 第一名 ①");
  return 0;
}
