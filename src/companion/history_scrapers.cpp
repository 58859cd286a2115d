// The web sources are not read yet: every scraper answers that nothing was found, which
// the program handles like a failed page.
#include "companion/history_scrapers.h"

namespace pk {

std::string ScrapeDrawPage() { return {}; }

std::string ScrapeBulletinPages() { return {}; }

std::string ScrapeDayDrawList(const std::string&) { return {}; }

std::string ScrapeNewestDraw(std::mt19937&) { return {}; }

}  // namespace pk
