// The draw list of one day: periods and balls of that day, newest first, with the sales
// column; a day without draws shows a notice instead of the table.
#include <algorithm>
#include <string>

#include "pk10sim/pages.h"

namespace pk::sim {

namespace {

std::string Row(const Draw& draw) {
  std::string balls;
  for (int number : draw.numbers) balls += "<span class=\"ball_1\">" + TwoDigits(number) + "</span>";
  // A sales figure that varies from draw to draw, as real ones do.
  const int64_t sales = 800000 + (draw.period * 7919) % 400000;
  return "  <tr>\n    <td class=\"td2\">" + std::to_string(draw.period) + "</td>\n    <td>" + DateTimeText(draw.time) +
         "</td>\n    <td class=\"balls\">" + balls + "</td>\n    <td class=\"sales\">" + std::to_string(sales) +
         "</td>\n  </tr>\n";
}

}  // namespace

std::string DrawListPage(const DrawStream& draws, DateTime day, int64_t newest) {
  const std::string date = DateText(day);
  std::string html = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>北京赛车 开奖列表 " + date +
                     "</title>\n</head>\n<body>\n<div class=\"kj_list\">\n<h3>" + date + " 开奖详情</h3>\n";
  const int64_t first = DrawStream::PeriodOf(day, 0);
  const int64_t last = std::min(DrawStream::PeriodOf(day, kDrawsPerDay - 1), newest);
  if (last < first) {
    html += "<p class=\"empty\">暂无开奖数据</p>\n";
  } else {
    html += "<table class=\"list\">\n  <tr><th>期号</th><th>开奖时间</th><th>开奖号码</th><th>本期销量</th></tr>\n";
    for (int64_t period = last; period >= first; --period) html += Row(draws.At(period));
    html += "</table>\n";
  }
  html += "</div>\n<div class=\"buybtn clear\"><a href=\"#\">立即投注</a></div>\n</body>\n</html>\n";
  return html;
}

}  // namespace pk::sim
