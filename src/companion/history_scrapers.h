#pragma once
// The web exports of the companion library: draws read from the draw page, the
// operator's bulletin pages, the draw list of one day and the JSON draw service. Texts
// are UTF-8 here; the export layer converts them. Empty text means nothing was found.
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace pk {

// Draws of the draw page: per draw the ten numbers, an empty word, the period, an
// empty word; oldest first.
std::string ScrapeDrawPage();

// Draws of the bulletin pages 1..4, in the same layout.
std::string ScrapeBulletinPages();

// Draws of one day ("2024-05-01") from the draw list by date: per draw the period and
// the ten numbers; oldest first.
std::string ScrapeDayDrawList(const std::string& date);

// The newest draw of the JSON draw service with the server date; `random` varies the
// query so that no cache answers it.
std::string ScrapeNewestDraw(std::mt19937& random);

// The readers behind the scrapers, apart from the requests so that any page text can be
// given to them. The draw page's reader says nothing (nullopt) when the page lacks the
// draw table's heading; the bulletin reader takes the pages in order; the newest-draw
// reader takes the service's answer and the raw response headers.
std::optional<std::string> DrawsOfDrawPage(const std::string& page);
std::string DrawsOfBulletinPages(const std::vector<std::string>& pages);
std::string DrawsOfDayDrawList(const std::string& page);
std::string NewestDrawOfAnswer(const std::string& answer, const std::string& headers);

}  // namespace pk
