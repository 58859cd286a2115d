#pragma once
// Records shared by the three extremes computations (combination omission, trend runs,
// consecutive opens of a kill rule): what they take, how they are driven and what they give.
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <vector>

namespace pk {

// One stored extreme: a row key and its stored value as read (empty when missing).
struct StoredExtreme {
  std::string key;
  std::string stored;
};

// One raised extreme, as the workshop's result list shows it.
struct ExtremeRow {
  std::string key;         // the row key the update statement names (组合文本)
  std::string shown_name;  // the text of the list's first column (号码组合)
  std::string column;      // the column the new value goes to (数据列名)
  std::string stored;      // the stored value as read (原极限)
  int64_t new_value = 0;   // the new extreme (现极限)

  bool operator==(const ExtremeRow&) const = default;
};

struct ExtremesOutcome {
  std::vector<ExtremeRow> rows;  // in the order the computation finds them
  bool stopped = false;          // the stop token was raised before the end

  bool operator==(const ExtremesOutcome&) const = default;
};

// How a computation is driven. The progress callback gets the units done and the total
// (the figures the workshop's progress bar shows); it may be empty. Calls to it never
// overlap, but they may come from a helper thread.
struct ExtremesControl {
  std::stop_token stop;
  std::function<void(int64_t done, int64_t total)> progress;
};

// Every computation exists twice: the fast version the program runs, and a reference
// version that follows the literal step-by-step procedure, kept to check the fast one.
enum class ExtremesMethod { kFast, kReference };

}  // namespace pk
