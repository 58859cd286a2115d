#pragma once
// The common part of every window-control model: name, kind, where it sits in its
// window, visible and enabled flags, stacking, and the change notification.
//
// Every model is thread-safe: each public operation takes the model's own lock, so
// worker threads and the GUI thread may call any of them at any time. After every
// change the model calls its change hook, outside its lock, from the thread that
// made the change. A compound step (read the row count, then write) is not atomic
// across calls; the system's jobs serialise those with DrawLock.
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace pk {

enum class ControlKind {
  Window,
  Button,
  Radio,
  CheckBox,
  Label,
  Edit,
  Combo,
  Tab,
  Grid,
  ReportList,
  Tree,
  RichEdit,
  Timer,
  TrayIcon,
  Balloon,
  StatusBar,
  Animation,
  BarChart,
  CurveChart,
  ProgressBar,
  Tooltip,
  Frame,
};

// Short lower-case name of a kind ("grid", "list", "button", ...), as in the JSON dump.
std::string_view KindName(ControlKind kind);

// A control's place and size in pixels inside a window laid out as a fixed form
// (placement "form"); other controls have none and are laid out by their area.
struct ControlGeometry {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const ControlGeometry&) const = default;
};

// Where a control sits relative to its siblings that share its area
// (the recommendation box covers the bet plan list or lies under it).
enum class Stacking { Default, Top, Bottom };

class Control {
 public:
  // placement: the tab page or window area the control sits on, for instance
  // "总选择夹/遗漏/极限选择夹/一码" or "top/results"; empty for invisible parts (timers).
  Control(std::string name, ControlKind kind, std::string placement = {});
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  ControlKind Kind() const { return kind_; }
  const std::string& Placement() const { return placement_; }

  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  Stacking StackOrder() const;
  void RaiseToTop();
  void LowerToBottom();

  std::optional<ControlGeometry> Geometry() const;
  void SetGeometry(ControlGeometry geometry);
  // Moves the control, keeping its size.
  void MoveTo(int left, int top);

  // The keyboard focus goes to this control. The count lets the GUI see each request.
  int FocusRequests() const;
  void RequestFocus();

  // Installed once by the window that owns the control, before the control is shared.
  void SetChangeHook(std::function<void()> hook) { change_hook_ = std::move(hook); }

 protected:
  // Runs f under the model's lock and returns its result.
  template <class F>
  auto Read(F&& f) const {
    std::lock_guard lock(mutex_);
    return f();
  }
  // Runs f under the model's lock, then tells the listener (outside the lock).
  template <class F>
  void Write(F&& f) {
    {
      std::lock_guard lock(mutex_);
      f();
    }
    NotifyChanged();
  }
  void NotifyChanged() const {
    if (change_hook_) change_hook_();
  }

  // Calls a copy of an event handler outside the lock, so the handler may use the model.
  template <class Handler, class... Args>
  void Fire(const Handler& handler, Args&&... args) const {
    Handler copy = Read([&] { return handler; });
    if (copy) copy(std::forward<Args>(args)...);
  }

 private:
  const std::string name_;
  const ControlKind kind_;
  const std::string placement_;
  mutable std::mutex mutex_;
  std::function<void()> change_hook_;
  bool visible_ = true;
  bool enabled_ = true;
  Stacking stacking_ = Stacking::Default;
  int focus_requests_ = 0;
  std::optional<ControlGeometry> geometry_;
};

}  // namespace pk
