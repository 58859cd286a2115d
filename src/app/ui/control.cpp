#include "app/ui/control.h"

namespace pk {

std::string_view KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Window: return "window";
    case ControlKind::Button: return "button";
    case ControlKind::Radio: return "radio";
    case ControlKind::CheckBox: return "check";
    case ControlKind::Label: return "label";
    case ControlKind::Edit: return "edit";
    case ControlKind::Combo: return "combo";
    case ControlKind::Tab: return "tab";
    case ControlKind::Grid: return "grid";
    case ControlKind::ReportList: return "list";
    case ControlKind::Tree: return "tree";
    case ControlKind::RichEdit: return "richedit";
    case ControlKind::Timer: return "timer";
    case ControlKind::TrayIcon: return "tray";
    case ControlKind::Balloon: return "balloon";
    case ControlKind::StatusBar: return "statusbar";
    case ControlKind::Animation: return "animation";
    case ControlKind::BarChart:
    case ControlKind::CurveChart: return "chart";
    case ControlKind::ProgressBar: return "progress";
    case ControlKind::Tooltip: return "tooltip";
    case ControlKind::Frame: return "frame";
  }
  return "unknown";
}

Control::Control(std::string name, ControlKind kind, std::string placement)
    : name_(std::move(name)), kind_(kind), placement_(std::move(placement)) {}

bool Control::Visible() const {
  return Read([&] { return visible_; });
}
void Control::SetVisible(bool visible) {
  Write([&] { visible_ = visible; });
}
bool Control::Enabled() const {
  return Read([&] { return enabled_; });
}
void Control::SetEnabled(bool enabled) {
  Write([&] { enabled_ = enabled; });
}
Stacking Control::StackOrder() const {
  return Read([&] { return stacking_; });
}
void Control::RaiseToTop() {
  Write([&] { stacking_ = Stacking::Top; });
}
void Control::LowerToBottom() {
  Write([&] { stacking_ = Stacking::Bottom; });
}
std::optional<ControlGeometry> Control::Geometry() const {
  return Read([&] { return geometry_; });
}
void Control::SetGeometry(ControlGeometry geometry) {
  Write([&] { geometry_ = geometry; });
}
void Control::MoveTo(int left, int top) {
  Write([&] {
    ControlGeometry moved = geometry_.value_or(ControlGeometry{});
    moved.left = left;
    moved.top = top;
    geometry_ = moved;
  });
}
int Control::FocusRequests() const {
  return Read([&] { return focus_requests_; });
}
void Control::RequestFocus() {
  Write([&] { ++focus_requests_; });
}

}  // namespace pk
