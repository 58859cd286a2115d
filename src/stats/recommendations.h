#pragma once
// The recommendation box: reset at the start of a pass, rows added by the modules,
// shown with the balloon text and the tray flashing near the end of the pass.
#include <string>

#include "app/program.h"

namespace pk {

// One empty row, count 1, and an empty "推荐框".
void ResetRecommendations(Program& program);

// Appends one row (codes or buy text, stored extreme, current, distance, remark). The
// first row belongs to the hot numbers; while its codes are empty the row goes there.
void AddRecommendation(Program& program, std::string codes, std::string extreme, std::string current,
                       std::string distance, std::string remark);

// Fills "推荐框", builds the alert text and starts or stops the tray flashing.
void ShowRecommendations(Program& program);

// The column click of "推荐框": sorts the box's rows (not the table) by that column.
void SortRecommendationBox(Program& program, int column);

// Routes the column clicks of "推荐框" to SortRecommendationBox.
void SetUpRecommendationBox(Program& program);

}  // namespace pk
