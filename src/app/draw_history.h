#pragma once
// Building and growing the draw history, and the results-box line of a draw.
#include <string>
#include <vector>

#include "app/records.h"

namespace pk {

struct Program;

// Empties the history, sets the draw count to 0 and empties the three trend hit tables.
void ResetHistory(Program& program);

// Builds the history from a flat list of texts, 13 per draw (an incomplete tail is
// dropped): completes every row, fills the hit tables and the champion gap series, and
// sets the newest period, champion and draw count.
void LoadDay(Program& program, const std::vector<std::string>& fields);

// Appends one draw (ten number texts and its period) and completes it.
void AppendDraw(Program& program, const std::array<std::string, 10>& numbers, const std::string& period);

// "123456 | 03 07 01 10 05 02 09 04 06 08 | 03\r\n"
std::string ResultLine(const DrawRecord& row);

// Champion digit, previous position, hit tables and gap of the newest row (rows before it
// are already complete). Used by the loaders and the live feeds.
void CompleteNewestRow(Program& program);

// The hit value row of the trend tables for one champion digit.
void AppendTrendHits(TrendPlanData& trend, const std::string& championDigit);

// The number of cars strictly between two champions on the circle 1..10, the shorter way.
int32_t ChampionGap(int previous, int current);

// Re-derives the hit tables for the whole history (after the candidate lists changed).
void RebuildTrendHits(Program& program);

// Sets a family's candidate list (the trend table's column names) and re-derives its hits.
void SetTrendCandidates(Program& program, TrendFamily family, std::vector<std::string> candidates);

}  // namespace pk
