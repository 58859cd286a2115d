#pragma once
// Champion omission by number and by position, against the stored extremes.
//
// A number hits when it is the champion; a position hits when the champion is the number
// that stood at that position in the draw before. Current omissions are never reset: a
// second full pass continues from where the first one left them.
#include "app/program.h"

namespace pk {

inline constexpr const char* kChampionOmissionGrid = "高级表格_一码遗漏";
inline constexpr const char* kChampionOmissionTable = "号码_位置遗漏";
inline constexpr const char* kNumberOmissionColumn = "号码遗漏";
inline constexpr const char* kPositionOmissionColumn = "位置遗漏";
inline constexpr const char* kChampionOmissionKeyColumn = "号码";

// Full: counts over the whole history and writes every omission that rises above its
// stored extreme. Incremental: counts the newest draw only and writes nothing.
// Shows the result in the grid.
void UpdateChampionOmission(Program& program, PassMode mode);

// The two current rows into the grid, red where the extreme is 30 or fewer draws away.
void ShowChampionOmission(Program& program);

}  // namespace pk
