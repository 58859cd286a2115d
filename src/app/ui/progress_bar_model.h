#pragma once
// Progress bar: a value from 0 to 100.
#include <algorithm>
#include <string>

#include "app/ui/control.h"

namespace pk {

class ProgressBarModel : public Control {
 public:
  explicit ProgressBarModel(std::string name, std::string placement = {})
      : Control(std::move(name), ControlKind::ProgressBar, std::move(placement)) {}

  int Value() const { return Read([&] { return value_; }); }
  // Values outside 0..100 are held at the nearer end.
  void SetValue(int value) { Write([&] { value_ = std::clamp(value, 0, 100); }); }

 private:
  int value_ = 0;
};

}  // namespace pk
