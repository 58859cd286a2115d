#pragma once
// The pages the simulator serves, each built the way its real source writes it, so that
// the program's text markers find what they look for. All pages are UTF-8.
#include <cstdint>
#include <string>

#include "base/time.h"
#include "pk10sim/draw_stream.h"

namespace pk::sim {

inline constexpr int kBulletinRowsPerPage = 50;
inline constexpr int kDrawPageRows = 179;
inline constexpr int kKillFeedJudgedPeriods = 99;

// "/pk10/ajax": the JSON draw-results service, `current` being the draw it reports.
std::string JsonServicePage(const DrawStream& draws, int64_t current);

// "/bulletin/trax.html?page=N": the operator's bulletin table, newest first, page N
// holding the N-th block of kBulletinRowsPerPage draws back from `newest`.
std::string BulletinPage(const DrawStream& draws, int64_t newest, int page);

// "/pk10/kaijiang/": the draw page with the newest kDrawPageRows draws, newest first.
std::string DrawPage(const DrawStream& draws, int64_t newest);

// "/lottery/draw/list/557?d=…": the draws of the day that holds `day` up to `newest`,
// newest first; a page without the sales column when the day has none.
std::string DrawListPage(const DrawStream& draws, DateTime day, int64_t newest);

// "//ajax/shahao/PK10/100/n1": the kill-number forecasts of ten sources for the
// kKillFeedJudgedPeriods periods up to `newest`, judged against their draws, and for
// the coming period.
std::string KillFeedPage(const DrawStream& draws, int64_t newest);

// "/special/time/": the current time in milliseconds since 1970 UTC.
std::string WebTimePage(DateTime operatorNow);

// "/pkcalc/notice.html": the makers' online bulletin.
struct NoticeContent {
  std::string version;
  std::string downloadAddress;
  std::string helpVideoAddress;
};
std::string NoticePage(const NoticeContent& content);
std::string DownloadPage(const std::string& version);

// "7" -> "07", "10" -> "10".
std::string TwoDigits(int number);

}  // namespace pk::sim
