#pragma once
// The fresh history staging store, written when PK10date_new.dll is missing: table
// PK10date with nine draws, periods 472538 to 472546 (编号 472773 to 472781), each
// period framed by line feeds, encrypted with the staging password.
#include <array>
#include <string>
#include <string_view>

namespace pk {

struct FreshStagingRow {
  std::string_view period;
  std::array<std::string_view, 10> numbers;
};

// The nine rows of a fresh staging file, oldest first.
extern const std::array<FreshStagingRow, 9> kFreshStagingRows;
// 编号 of the first of them; the others follow one by one.
inline constexpr long long kFreshStagingFirstId = 472773;

// Writes the fresh staging file at path. It is written under a temporary name and renamed
// into place, so a crash never leaves a half-written file. False when it cannot be written
// or the path is taken.
bool WriteFreshStagingFile(const std::string& path);

// PK10date_new.dll in the data folder: written fresh when missing. False only when it was
// missing and could not be written.
bool EnsureStagingFile(const std::string& home);

}  // namespace pk
