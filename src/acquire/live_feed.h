#pragma once
// The live draw feeds of automatic mode: the JSON draw-results service, which gives the
// newest draw, and the operator's bulletin page, which catches up every missed draw.
// One step runs per scheduled draw on its own worker thread and holds the draw lock for
// its whole run. Answers that fail the draw checks are never appended, and a step that
// finds nothing usable changes nothing but the server clock and the countdown.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/program.h"

namespace pk {

// The JSON service's address for one request: the query's t value gains the suffix
// (1000..8000) so that no cache answers it.
std::string LatestDrawUrl(const std::string& base, int suffix);
int RandomQuerySuffix();

// The newest draw of a JSON answer as one line: the ten numbers (two digits) separated by
// blanks, the champion digit, the period, two blanks, "|" and the server date text
// ("03 07 01 10 05 02 09 04 06 08 3 123456  |Sat, 01 Mar 2014 12:34:56").
std::string LatestDrawLine(std::string_view body, std::string_view headers);

// Asks the JSON service and returns its line (an error status reads as an empty body).
std::string FetchLatestDraw(Program& program);

struct FeedDraw {
  std::array<std::string, 10> numbers;
  std::string period;
};

// The draw in the part of a line before "|": ten numbers, the champion digit matching the
// first number, the period, then nothing but blanks. Nothing when it is not such a draw.
std::optional<FeedDraw> ParseLatestDrawFields(std::string_view fields);

// One row of the bulletin page (blanks and tabs already removed): the period of its
// first cell and the numbers of its second, as the page writes them.
struct BulletinRow {
  std::string period;
  std::vector<std::string> numbers;
};
BulletinRow ReadBulletinRow(std::string_view row);

// The rows of the bulletin page newer than `latestPeriod`, oldest first, as the catch-up
// visits them; nothing when the page lacks the table header or the part after it.
std::optional<std::vector<std::string>> BulletinRowsAfter(std::string_view page, const std::string& latestPeriod);

// One automatic-mode step (takes the draw lock).
void LiveFeedStep(Program& program);
// Starts LiveFeedStep on a new worker thread of the program.
void StartLiveFeedStep(Program& program);

// Reads the bulletin page and appends every draw after the newest period that it holds
// in sequence, then starts the incremental pass on a worker of its own (which takes the
// draw lock after the caller released it). Only while "单选框_冠军" is checked. The caller
// holds the draw lock.
void CatchUpFromBulletin(Program& program);

}  // namespace pk
