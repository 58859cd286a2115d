#include "gui/frame_adapter.h"

#include "gui/qt_text.h"

namespace pk {

FrameAdapter::FrameAdapter(FrameModel& frame) : ControlAdapter(frame) {
  frame_ = new QFrame;
  frame_->setObjectName(ToQString(frame.Name()));
  frame_->setFrameShape(QFrame::StyledPanel);
  frame_->setFrameShadow(QFrame::Sunken);
  SetWidget(frame_);
}

void FrameAdapter::Update() {
  if (!has_content_) frame_->setVisible(false);
}

}  // namespace pk
