// The draw page: the newest draws, newest first, the period in a "p" paragraph and each
// car as an icon whose class names its number ("pk-no3").
#include <string>

#include "pk10sim/pages.h"

namespace pk::sim {

namespace {

std::string Row(const Draw& draw) {
  std::string icons;
  for (int number : draw.numbers) icons += "<i class=\"pk-no" + std::to_string(number) + "\"></i>";
  return "<tr>\r\n  <td><p class=\"p\">" + std::to_string(draw.period) + "</p></td>\r\n  <td>" +
         DateTimeText(draw.time) + "</td>\r\n  <td class='nums'>" + icons + "</td>\r\n</tr>\r\n";
}

}  // namespace

std::string DrawPage(const DrawStream& draws, int64_t newest) {
  std::string html =
      "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>北京赛车PK10开奖结果</title>\r\n"
      "</head>\r\n<body>\r\n<div class=\"kj_box\">\r\n<h2>北京赛车PK10 最新开奖</h2>\r\n"
      "<table class=\"kj_tab\" width=\"100%\">\r\n<tr><th>期数</th><th>时间</th><th>开奖号码</th></tr>\r\n";
  for (int i = 0; i < kDrawPageRows; ++i) html += Row(draws.At(newest - i));
  html += "</table>\r\n</div>\r\n<div class=\"foot\">数据仅供参考，以官方公布为准</div>\r\n</body>\r\n</html>\r\n";
  return html;
}

}  // namespace pk::sim
