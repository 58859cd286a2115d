#pragma once
// How draws enter the history and the main window, shared by the day fetch, the live
// JSON feed and the command-line front end. The caller holds the draw lock.
#include <array>
#include <string>

#include "app/program.h"

namespace pk {

// The companion library's day answer: 13 blank-separated fields per draw, oldest first.
// Rebuilds the history, fills the results box ("开奖结果框") and the animation box.
// False (and nothing changed) when the answer holds no complete draw.
bool LoadDayAnswer(Program& program, const std::string& answer);

// Appends one draw of the JSON feed, writes its result line, scrolls the results box one
// line down and shows its order in the animation box.
void AppendFeedDraw(Program& program, const std::array<std::string, 10>& numbers, const std::string& period);

// The animation box: the cars of the newest draw in position order, or cars 1..10 at start.
void ShowCarOrder(Program& program);
void ShowStartCarOrder(Program& program);

}  // namespace pk
