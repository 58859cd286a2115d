#pragma once
// Tooltip: a hint text attached to controls of the window, by control name.
#include <map>
#include <string>

#include "app/ui/control.h"

namespace pk {

class TooltipModel : public Control {
 public:
  explicit TooltipModel(std::string name) : Control(std::move(name), ControlKind::Tooltip) {}

  void SetHint(const std::string& control, std::string text) { Write([&] { hints_[control] = std::move(text); }); }
  std::string Hint(const std::string& control) const {
    return Read([&] {
      auto it = hints_.find(control);
      return it == hints_.end() ? std::string() : it->second;
    });
  }
  std::map<std::string, std::string> Hints() const { return Read([&] { return hints_; }); }

 private:
  std::map<std::string, std::string> hints_;
};

}  // namespace pk
