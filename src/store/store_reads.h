#pragma once
// The reads of the two stores. None has a statement text: each opens a whole table on a
// record set and walks it.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/table_snapshot.h"

namespace pk {

class RecordSet;

// The 期号 of the last staging row, as stored (a fresh staging file frames it with line
// feeds; pk::TextToNumber reads through them). Empty when the table is empty or unreadable.
std::string ReadLastPeriod(RecordSet& records);

// Every staging row in stored order: the ten car numbers (fields 2..11, 一..十) as text.
// Returns the record count (the number of rows visited).
int64_t ReadAllDraws(RecordSet& records, const std::function<void(const std::array<std::string, 10>&)>& onDraw);

// The nine newest staging rows in stored order (fewer when the table holds fewer), each
// with fields 1 .. last (期号 and the ten car numbers): what InsertDraw writes back when the
// table is cut down to them. The table is opened afresh, so rows inserted since the
// record set was last opened are seen.
std::vector<std::vector<std::string>> ReadNewestDraws(RecordSet& records);

// The whole table in stored order, every column by name.
TableSnapshot ReadExtremeTable(RecordSet& records, std::string_view table);

}  // namespace pk
