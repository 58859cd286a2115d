#pragma once
// Writing one new extreme into the extremes store on the main window's connection.
#include <string_view>

#include "app/program.h"

namespace pk {

// The confirmation in part 0 of "状态条1": the in-memory extremes change only at the next start.
inline constexpr const char* kExtremeUpdatedText = "极限值已更新,重新运行生效！";

// Sets column of table to value in the row whose keyColumn equals key. On success the status
// bar confirms it. A failure is silent: no store, an unreadable store, a failing statement,
// or a key or value that is not a plain digit string (nothing is run then).
void WriteStoredExtreme(Program& program, std::string_view table, std::string_view column,
                        std::string_view keyColumn, std::string_view key, std::string_view value);

}  // namespace pk
