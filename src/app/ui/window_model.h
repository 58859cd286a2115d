#pragma once
// A window's own state: caption, geometry, tag, normal or minimised, modal, and the
// requests to bring it to the front. Its may-close and state-change events go to
// handlers the owner installs; the GUI (or a test) raises them.
#include <functional>
#include <string>

#include "app/ui/control.h"

namespace pk {

constexpr int kWindowNormal = 0;
constexpr int kWindowMinimised = 2;

class WindowModel : public Control {
 public:
  // Answers whether the window may close; without a handler it may.
  using CloseHandler = std::function<bool()>;
  using StateHandler = std::function<void(int state)>;

  explicit WindowModel(std::string name, std::string caption = {})
      : Control(std::move(name), ControlKind::Window), caption_(std::move(caption)) {
    // A window is loaded hidden; its owner shows it.
    SetVisible(false);
  }

  std::string Caption() const { return Read([&] { return caption_; }); }
  void SetCaption(std::string caption) { Write([&] { caption_ = std::move(caption); }); }

  int Left() const { return Read([&] { return left_; }); }
  int Top() const { return Read([&] { return top_; }); }
  int Width() const { return Read([&] { return width_; }); }
  int Height() const { return Read([&] { return height_; }); }
  void SetLeft(int v) { Write([&] { left_ = v; }); }
  void SetTop(int v) { Write([&] { top_ = v; }); }
  void SetWidth(int v) { Write([&] { width_ = v; }); }
  void SetHeight(int v) { Write([&] { height_ = v; }); }

  std::string Tag() const { return Read([&] { return tag_; }); }
  void SetTag(std::string tag) { Write([&] { tag_ = std::move(tag); }); }

  // 0 normal, 2 minimised.
  int State() const { return Read([&] { return state_; }); }
  void SetState(int state) { Write([&] { state_ = state; }); }

  bool Modal() const { return Read([&] { return modal_; }); }
  // Shows the window, modal or not.
  void Show(bool modal = false) {
    Write([&] { modal_ = modal; });
    SetVisible(true);
  }

  // Always-on-top on and then off again: the window comes to the front once.
  // The count lets the GUI see each request.
  int FrontRequests() const { return Read([&] { return front_requests_; }); }
  void BringToFront() { Write([&] { ++front_requests_; }); }

  void OnCloseRequest(CloseHandler handler) { Write([&] { close_handler_ = std::move(handler); }); }
  // The user asks to close the window; true when it may close.
  bool RequestClose() const {
    CloseHandler copy = Read([&] { return close_handler_; });
    return copy ? copy() : true;
  }

  void OnStateChange(StateHandler handler) { Write([&] { state_handler_ = std::move(handler); }); }
  // The user minimised or restored the window.
  void ChangeState(int state) {
    SetState(state);
    Fire(state_handler_, state);
  }

 private:
  std::string caption_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  std::string tag_;
  int state_ = kWindowNormal;
  bool modal_ = false;
  int front_requests_ = 0;
  CloseHandler close_handler_;
  StateHandler state_handler_;
};

}  // namespace pk
