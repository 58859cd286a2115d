#pragma once
// Frame ("外形框"): a bordered area that holds the controls placed inside it. A frame
// with nothing inside stays hidden rather than leave an empty box on the window.
#include <QFrame>

#include "app/ui/frame_model.h"
#include "gui/control_adapter.h"

namespace pk {

class FrameAdapter : public ControlAdapter {
 public:
  explicit FrameAdapter(FrameModel& frame);
  QFrame* frame() const { return frame_; }
  void SetHasContent(bool has_content) { has_content_ = has_content; }

 protected:
  void Update() override;

 private:
  QFrame* frame_;
  bool has_content_ = false;
};

}  // namespace pk
