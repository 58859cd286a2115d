#pragma once
// The nine-code plan from the kill-number feed ("九码一"): the forecast service's kill
// codes of ten sources over the last hundred periods, shown in "高级表格_杀一码" with the
// hit and miss runs of each source, and recommended when a source has missed four times
// or more in a row, or when all ten have hit for six periods or more.
#include <string>
#include <string_view>
#include <vector>

#include "app/program.h"

namespace pk {

inline constexpr const char* kKillFeedPath = "//ajax/shahao/PK10/100/n1";

// The forecast's items (quotes and "KillNum" removed, split at "}},"); empty when the
// answer holds no forecast, fewer than 100 items, or an item of the 100 with fewer than
// ten kill codes: such an answer adds nothing.
std::vector<std::string> KillFeedItems(std::string_view body);

// One run: fetches the forecast, fills the grid and adds the recommendations. Runs in
// the analysis pass, inside its caller's hold of the draw lock.
void RunKillFeedPlan(Program& program);

// The click on "按钮_九码一刷新": the same run on a worker thread that takes the draw
// lock, so that it never runs while a pass writes the grid and the recommendations.
void RefreshKillFeedPlan(Program& program);

// Connects "按钮_九码一刷新".
void SetUpKillFeedRefresh(Program& program);

}  // namespace pk
