#pragma once
// Edit box: its text, appending at the end, and the scroll requests the GUI carries out
// (scroll to the end, one line down), whether typed text is masked (passwords), and the
// Enter key pressed in it.
#include <functional>
#include <string>
#include <string_view>

#include "app/ui/control.h"

namespace pk {

class EditModel : public Control {
 public:
  using EnterHandler = std::function<void()>;

  EditModel(std::string name, std::string text = {}, std::string placement = {})
      : Control(std::move(name), ControlKind::Edit, std::move(placement)), text_(std::move(text)) {}

  std::string Text() const { return Read([&] { return text_; }); }
  void SetText(std::string text) { Write([&] { text_ = std::move(text); }); }
  // Appends at the end and scrolls there.
  void Append(std::string_view text) {
    Write([&] {
      text_ += text;
      ++scroll_to_end_requests_;
    });
  }
  void ScrollToEnd() { Write([&] { ++scroll_to_end_requests_; }); }
  // The line-down scroll message.
  void LineDown() { Write([&] { ++line_down_count_; }); }

  // Typed text is shown masked (password echo).
  bool Masked() const { return Read([&] { return masked_; }); }
  void SetMasked(bool masked) { Write([&] { masked_ = masked; }); }

  void OnEnter(EnterHandler handler) { Write([&] { enter_handler_ = std::move(handler); }); }
  // The user pressed Enter in the box.
  void PressEnter() { Fire(enter_handler_); }

  int ScrollToEndRequests() const { return Read([&] { return scroll_to_end_requests_; }); }
  int LineDownCount() const { return Read([&] { return line_down_count_; }); }

 private:
  std::string text_;
  int scroll_to_end_requests_ = 0;
  int line_down_count_ = 0;
  bool masked_ = false;
  EnterHandler enter_handler_;
};

}  // namespace pk
