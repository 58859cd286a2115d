#pragma once
// The small rules the three extremes computations share: how a stored value is compared
// with a computed maximum, and how progress and stopping are handled.
#include <cstdint>
#include <string_view>

#include "workshop/extremes_records.h"

namespace pk {

// Combination omission and trend runs: the maximum is new when the stored value (as a
// number; empty or non-numeric text is 0) minus the maximum is below -0.0000001.
bool ExceedsStoredNumber(std::string_view stored, int64_t maximum);

// Kill rules compare as integers: the stored value's integer part (toward zero).
int64_t StoredInteger(std::string_view stored);

// Counts the units of one computation and passes them to the control's callback.
class ExtremesProgress {
 public:
  ExtremesProgress(const ExtremesControl& control, int64_t total) : control_(control), total_(total) {}
  // Sets the units done so far.
  void Report(int64_t done) const {
    if (control_.progress) control_.progress(done, total_);
  }
  bool StopRequested() const { return control_.stop.stop_requested(); }

 private:
  const ExtremesControl& control_;
  int64_t total_;
};

}  // namespace pk
