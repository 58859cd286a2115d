#pragma once
// Loading the stored extremes into memory at start-up.
#include <string>

#include "app/program.h"
#include "store/table_snapshot.h"

namespace pk {

inline constexpr const char* kPositionExtremesTable = "九码位置极限";
inline constexpr const char* kPositionKeyColumn = "位置组合";
inline constexpr const char* kRunExtremeColumn = "连开极限";
inline constexpr const char* kExtremesUnreadableText = "极限数据库无法读取！";

// What the companion library's position-extremes table is built from: the position
// combination and run extreme of every record, joined by single blanks, no blank at
// either end ("147 6 258 9").
std::string PositionExtremesText(const TableSnapshot& stored);

// The body of the start-up worker. Holds DrawLock throughout: reads the combination
// tables, the trend tables, the nine-code position extremes (handed to the companion
// library) and the champion omission extremes from program.store, fills the extreme
// lists and enables the fetch button. Records that do not fit the in-memory shapes are
// left out and counted in the status bar; a store that cannot be read leaves every
// table as it was and says so in the status bar.
void LoadExtremes(Program& program);

// Start-up's store steps in one: a data folder without date.dat gets the delivered store
// (a store already there is used as it is), the main connection opens on it with the
// program's statement log, and the extremes are loaded.
void OpenAndLoadExtremes(Program& program);

}  // namespace pk
