#pragma once
// Button, radio button and check box: caption, checked state and the clicked event.
// Radios of one group uncheck each other when one is checked.
#include <functional>
#include <string>
#include <vector>

#include "app/ui/control.h"

namespace pk {

class ButtonModel : public Control {
 public:
  using ClickHandler = std::function<void()>;

  // kind: Button, Radio or CheckBox.
  ButtonModel(std::string name, ControlKind kind, std::string caption = {}, std::string placement = {})
      : Control(std::move(name), kind, std::move(placement)), caption_(std::move(caption)) {}

  std::string Caption() const { return Read([&] { return caption_; }); }
  void SetCaption(std::string caption) { Write([&] { caption_ = std::move(caption); }); }

  bool Checked() const { return Read([&] { return checked_; }); }
  // Checking a radio unchecks the other radios of its group.
  void SetChecked(bool checked) {
    Write([&] { checked_ = checked; });
    if (checked && Kind() == ControlKind::Radio) {
      for (ButtonModel* peer : Read([&] { return group_; }))
        if (peer != this) peer->SetChecked(false);
    }
  }

  // Makes these radios one group; each keeps pointers to the others, which live as
  // long as their window.
  static void Group(const std::vector<ButtonModel*>& radios) {
    for (ButtonModel* radio : radios) radio->Write([&] { radio->group_ = radios; });
  }

  void OnClick(ClickHandler handler) { Write([&] { click_handler_ = std::move(handler); }); }
  // The user clicked: a radio becomes checked, a check box toggles, then the handler
  // runs. A disabled control ignores the click.
  void Click() {
    if (!Enabled()) return;
    if (Kind() == ControlKind::Radio) SetChecked(true);
    if (Kind() == ControlKind::CheckBox) SetChecked(!Checked());
    Fire(click_handler_);
  }

 private:
  std::string caption_;
  bool checked_ = false;
  std::vector<ButtonModel*> group_;
  ClickHandler click_handler_;
};

}  // namespace pk
