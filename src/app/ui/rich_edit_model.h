#pragma once
// Rich edit box: one text.
#include <string>

#include "app/ui/control.h"

namespace pk {

class RichEditModel : public Control {
 public:
  explicit RichEditModel(std::string name, std::string placement = {})
      : Control(std::move(name), ControlKind::RichEdit, std::move(placement)) {}

  std::string Text() const { return Read([&] { return text_; }); }
  void SetText(std::string text) { Write([&] { text_ = std::move(text); }); }

 private:
  std::string text_;
};

}  // namespace pk
