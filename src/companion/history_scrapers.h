#pragma once
// The web exports of the companion library: draws read from the draw page, the
// operator's bulletin pages, the draw list of one day and the JSON draw service. Texts
// are UTF-8 here; the export layer converts them. Empty text means nothing was found.
#include <random>
#include <string>

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

}  // namespace pk
