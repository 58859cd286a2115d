#pragma once
// The periods of the staging table PK10date in the data folder, in table order, read
// through a connection of their own.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/numbers.h"
#include "store/draw_store.h"
#include "store/store_files.h"
#include "store/table_snapshot.h"

namespace pk::test {

inline std::vector<int64_t> StagedPeriods(const std::string& home) {
  DrawStore store(DataFilePath(home, kStagingFileName), kStagingPassword);
  TableSnapshot rows;
  EXPECT_TRUE(store.ReadTable("PK10date", rows));
  std::vector<int64_t> periods;
  for (size_t r = 0; r < rows.RowCount(); ++r) periods.push_back(static_cast<int64_t>(TextToNumber(rows.Text(r, "期号"))));
  return periods;
}

}  // namespace pk::test
