#pragma once
// Status bar: one text per part, parts counted from 0.
#include <string>
#include <vector>

#include "app/ui/control.h"

namespace pk {

class StatusBarModel : public Control {
 public:
  StatusBarModel(std::string name, int parts, std::string placement = {})
      : Control(std::move(name), ControlKind::StatusBar, std::move(placement)), parts_(parts < 1 ? 1 : parts) {}

  int PartCount() const { return Read([&] { return static_cast<int>(parts_.size()); }); }
  std::vector<std::string> Parts() const { return Read([&] { return parts_; }); }
  std::string PartText(int part) const {
    return Read([&] { return part >= 0 && part < static_cast<int>(parts_.size()) ? parts_[part] : std::string(); });
  }
  // A part past the last adds parts up to it.
  void SetPartText(int part, std::string text) {
    if (part < 0) return;
    Write([&] {
      if (part >= static_cast<int>(parts_.size())) parts_.resize(part + 1);
      parts_[part] = std::move(text);
    });
  }

 private:
  std::vector<std::string> parts_;
};

}  // namespace pk
