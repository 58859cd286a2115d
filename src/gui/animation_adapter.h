#pragma once
// Animation box: the objects' car pictures (index car − 1) drawn at their points.
#include <QWidget>
#include <vector>

#include "app/ui/animation_model.h"
#include "gui/control_adapter.h"

namespace pk {

// The box itself: paints the objects it was given, nothing else.
class AnimationView : public QWidget {
 public:
  AnimationView();
  void SetObjects(std::vector<AnimationObject> objects);
  const std::vector<AnimationObject>& Objects() const { return objects_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<AnimationObject> objects_;
};

class AnimationAdapter : public ControlAdapter {
 public:
  explicit AnimationAdapter(AnimationModel& animation);
  AnimationView* view() const { return view_; }

 protected:
  void Update() override;

 private:
  AnimationModel& model_;
  AnimationView* view_;
};

}  // namespace pk
