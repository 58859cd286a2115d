// The operator's bulletin pages: one table of draws per page, newest first. The markup
// follows the operator's own: a tab between "tr" and its class, the header row with
// "开奖时间", the record count under the table.
#include <algorithm>
#include <string>

#include "pk10sim/pages.h"

namespace pk::sim {

namespace {

constexpr int kPagesShown = 20;

std::string Row(const Draw& draw, bool odd) {
  std::string numbers;
  for (int number : draw.numbers) numbers += (numbers.empty() ? "" : ",") + TwoDigits(number);
  return std::string("\t<tr\tclass=\"") + (odd ? "odd" : "even") + "\">\n\t\t<td>" + std::to_string(draw.period) +
         "</td><td>" + numbers + "</td><td>" + DateTimeText(draw.time) + "</td>\n\t</tr>\n";
}

}  // namespace

std::string BulletinPage(const DrawStream& draws, int64_t newest, int page) {
  page = std::clamp(page, 1, kPagesShown);
  std::string html =
      "<!DOCTYPE html>\n<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
      "<title>北京赛车PK拾 - 开奖公告</title>\n"
      "<link rel=\"stylesheet\" href=\"/css/bulletin.css\">\n</head>\n<body>\n"
      "<div class=\"header\"><h1>北京赛车PK拾</h1><p>每日09:07至23:57，每5分钟一期，全天179期</p></div>\n"
      "<div class=\"bulletin\">\n<table class=\"tb_list\" width=\"100%\" border=\"0\">\n"
      "\t<tr\tclass=\"head\">\n\t\t<th>期号</th><th>开奖号码</th><th>开奖时间</th>\n\t</tr>\n";
  const int64_t first = newest - static_cast<int64_t>(page - 1) * kBulletinRowsPerPage;
  for (int i = 0; i < kBulletinRowsPerPage; ++i) html += Row(draws.At(first - i), i % 2 == 0);
  html += "</table>\n<div class=\"pager\">共 " + std::to_string(kPagesShown * kBulletinRowsPerPage) + " 条记录，每页 " +
          std::to_string(kBulletinRowsPerPage) + " 条，第 " + std::to_string(page) + "/" + std::to_string(kPagesShown) +
          " 页";
  if (page < kPagesShown) html += " <a href=\"?page=" + std::to_string(page + 1) + "\">下一页</a>";
  html += "</div>\n</div>\n</body>\n</html>\n";
  return html;
}

}  // namespace pk::sim
