#pragma once
// Balloon tip: every Show is kept, in order, so the GUI shows the newest and tests can
// see each one.
#include <string>
#include <vector>

#include "app/ui/control.h"

namespace pk {

struct BalloonShow {
  int x = 0;
  int y = 0;
  std::string text;
  bool operator==(const BalloonShow&) const = default;
};

class BalloonModel : public Control {
 public:
  explicit BalloonModel(std::string name) : Control(std::move(name), ControlKind::Balloon) {}

  // Shows the balloon at a screen point.
  void Show(int x, int y, std::string text) { Write([&] { shown_.push_back({x, y, std::move(text)}); }); }
  std::vector<BalloonShow> Shown() const { return Read([&] { return shown_; }); }

 private:
  std::vector<BalloonShow> shown_;
};

}  // namespace pk
