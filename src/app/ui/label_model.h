#pragma once
// Label and transparent label: one text.
#include <string>

#include "app/ui/control.h"

namespace pk {

class LabelModel : public Control {
 public:
  LabelModel(std::string name, std::string text = {}, std::string placement = {})
      : Control(std::move(name), ControlKind::Label, std::move(placement)), text_(std::move(text)) {}

  std::string Text() const { return Read([&] { return text_; }); }
  void SetText(std::string text) { Write([&] { text_ = std::move(text); }); }

 private:
  std::string text_;
};

}  // namespace pk
