#include "gui/balloon_adapter.h"

#include "gui/qt_text.h"

namespace pk {

BalloonAdapter::BalloonAdapter(BalloonModel& balloon, ShowFunction show)
    : ControlAdapter(balloon), model_(balloon), show_(std::move(show)), seen_(balloon.Shown().size()) {}

void BalloonAdapter::Update() {
  const std::vector<BalloonShow> shown = model_.Shown();
  if (shown.size() <= seen_) return;
  seen_ = shown.size();
  if (show_) show_(ToDisplayText(shown.back().text));
}

}  // namespace pk
