#pragma once
// Animation box: objects showing a picture of the car picture list (index 0..9, car − 1)
// at a point. The pictures' transparent colour is white.
#include <string>
#include <vector>

#include "app/ui/control.h"

namespace pk {

struct AnimationObject {
  int picture = 0;
  int x = 0;
  int y = 0;
  bool operator==(const AnimationObject&) const = default;
};

class AnimationModel : public Control {
 public:
  AnimationModel(std::string name, std::string placement = {})
      : Control(std::move(name), ControlKind::Animation, std::move(placement)) {}

  void Clear() { Write([&] { objects_.clear(); }); }
  // Adds an object; returns its index.
  int AddObject(int picture, int x, int y) {
    int index = 0;
    Write([&] {
      objects_.push_back({picture, x, y});
      index = static_cast<int>(objects_.size()) - 1;
    });
    return index;
  }
  std::vector<AnimationObject> Objects() const { return Read([&] { return objects_; }); }

 private:
  std::vector<AnimationObject> objects_;
};

}  // namespace pk
