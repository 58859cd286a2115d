// The history scrapers read their pages with text markers, not with an HTML or JSON
// parser: each one cuts the part of the page between its markers, removes what would
// stand between a marker and its value, splits the rest into rows and visits them from
// the last to the first, so that the draws come out oldest first.
#include "companion/history_scrapers.h"

#include <optional>
#include <string_view>
#include <vector>

#include "base/page_fetcher.h"
#include "base/text.h"
#include "companion/library_context.h"

namespace pk {

namespace {

constexpr int kBulletinPages = 4;

std::string RemoveAll(std::string text, std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) text = ReplaceAll(text, piece, "");
  return text;
}

// The text before the first marker; all of it when the marker is absent.
std::string CutAt(const std::string& text, std::string_view marker) { return text.substr(0, text.find(marker)); }

// "7" -> "07"; anything else as it is.
std::string PadNumber(const std::string& number) { return number.size() == 1 ? "0" + number : number; }

}  // namespace

std::optional<std::string> DrawsOfDrawPage(const std::string& page) {
  const std::vector<std::string> pieces = Split(page, "开奖号码");
  if (pieces.size() < 2) return std::nullopt;
  const std::string table = RemoveAll(CutAt(pieces[1], "</table>"), {" ", "\r\n", "\"", "'"});
  const std::vector<std::string> rows = Split(table, "pclass=p");
  std::string draws;
  for (size_t row = rows.size(); row-- > 1;) {
    const std::vector<std::string> cells = Split(rows[row], "pk-n");
    // A row without ten numbers would shift every later draw out of its words.
    if (cells.size() < 11) continue;
    for (size_t i = 1; i <= 10; ++i) draws += PadNumber(TextBetween(cells[i], "o", ">")) + " ";
    draws += " " + TextBetween(cells[0], ">", "<") + "  ";
  }
  return draws;
}

std::string ScrapeDrawPage() {
  std::optional<std::string> draws = DrawsOfDrawPage(PlainHttpRead(ScraperSources().drawPage + "/pk10/kaijiang/"));
  if (!draws) {
    KeepLibraryMessage("获取失败，请重新获取！");
    return {};
  }
  return *draws;
}

std::string DrawsOfBulletinPages(const std::vector<std::string>& pages) {
  std::string rows;
  for (const std::string& text : pages) {
    const std::string table = RemoveAll(TextBetween(text, "开奖时间", "记录"), {"\"", "\t", "</td>"});
    rows += TextBetween(table, "<trclass=", "</table>");
  }
  std::vector<std::string> pieces = Split(rows, "</tr>");
  if (!pieces.empty()) pieces.pop_back();  // what follows the last row
  std::string draws;
  for (size_t piece = pieces.size(); piece-- > 0;) {
    const std::vector<std::string> cells = Split(pieces[piece], "td");
    if (cells.size() < 3) continue;
    const std::string numbers = ReplaceAll(TextBetween(cells[2], ">", "<"), ",", " ");
    // A row without ten numbers would shift every later draw out of its words.
    if (Split(numbers, " ").size() != 10) continue;
    draws += numbers + "  " + TextBetween(cells[1], ">", "<") + "  ";
  }
  return draws;
}

std::string ScrapeBulletinPages() {
  const std::string base = ScraperSources().bulletin;
  std::vector<std::string> pages;
  for (int page = 1; page <= kBulletinPages; ++page)
    pages.push_back(PlainHttpRead(base + "/bulletin/trax.html?page=" + std::to_string(page)));
  return DrawsOfBulletinPages(pages);
}

std::string DrawsOfDayDrawList(const std::string& page) {
  const std::vector<std::string> pieces = Split(page, "本期销量");
  if (pieces.size() < 2) return {};
  const std::string table = CutAt(RemoveAll(pieces[1], {" ", "\r\n", "\""}), "buybtnclear");
  const std::vector<std::string> rows = Split(table, "td2");
  std::string draws;
  for (size_t row = rows.size(); row-- > 1;) {
    const std::vector<std::string> cells = Split(rows[row], "ball_1");
    // The period and ten numbers, no more and no fewer: the caller reads groups of eleven.
    if (cells.size() < 11) continue;
    for (size_t i = 0; i < 11; ++i) draws += TextBetween(cells[i], ">", "<") + " ";
  }
  return Trim(draws);
}

std::string ScrapeDayDrawList(const std::string& date) {
  return DrawsOfDayDrawList(PlainHttpRead(ScraperSources().drawList + "/lottery/draw/list/557?d=" + date));
}

std::string NewestDrawOfAnswer(const std::string& answer, const std::string& headers) {
  const std::string body = ReplaceAll(answer, "\"", "");
  const std::string period = TextBetween(body, "periodNumber:", ",awardTime");
  const std::vector<std::string> numbers = Split(TextBetween(body, "awardNumbers:", "},"), ",");
  // No period or no numbers: nothing was found, which is said with empty text.
  if (period.empty() || numbers.empty()) return {};
  std::string joined;
  for (const std::string& number : numbers) joined += PadNumber(number) + " ";
  const std::string date = Trim(TextBetween(headers, "Date:", "GMT"));
  return Trim(joined) + " " + LastChar(numbers.front()) + " " + period + "  |" + date;
}

std::string ScrapeNewestDraw(std::mt19937& random) {
  const std::string url = ScraperSources().drawService + "/pk10/ajax?ajaxhandler=GetPk10AwardData&t=0.204728606677" +
                          std::to_string(std::uniform_int_distribution<int>(1000, 8000)(random));
  std::string method = "GET";
  std::string headers;
  std::string received;
  const std::string body = PageFetcher(url, method, "", false, headers, "", received, true);
  return NewestDrawOfAnswer(body, received);
}

}  // namespace pk
