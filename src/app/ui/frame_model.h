#pragma once
// Frame ("外形框"): a plain area that groups other controls; only shown or hidden.
#include <string>

#include "app/ui/control.h"

namespace pk {

class FrameModel : public Control {
 public:
  FrameModel(std::string name, std::string placement = {})
      : Control(std::move(name), ControlKind::Frame, std::move(placement)) {}
};

}  // namespace pk
