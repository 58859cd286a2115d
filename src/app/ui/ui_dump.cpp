#include "app/ui/ui_dump.h"

#include <cmath>
#include <string>

#include "app/ui/ui_models.h"

namespace pk {

namespace {

using Json = nlohmann::ordered_json;

// Chart values are counts and spans; they read best without a decimal point.
Json Number(double value) {
  if (std::isfinite(value) && std::trunc(value) == value && std::fabs(value) < 9e15)
    return static_cast<long long>(value);
  return value;
}

Json DumpGrid(const GridModel& grid) {
  const GridSnapshot snapshot = grid.Snapshot();
  Json rows = Json::array();
  Json bg = Json::object();
  Json fg = Json::object();
  for (size_t r = 0; r < snapshot.rows.size(); ++r) {
    Json texts = Json::array();
    for (size_t c = 0; c < snapshot.rows[r].size(); ++c) {
      const GridCell& cell = snapshot.rows[r][c];
      texts.push_back(cell.text);
      const std::string key = std::to_string(r) + "," + std::to_string(c);
      if (cell.back_colour) bg[key] = *cell.back_colour;
      if (cell.text_colour) fg[key] = *cell.text_colour;
    }
    rows.push_back(std::move(texts));
  }
  return {{"kind", "grid"}, {"rows", std::move(rows)}, {"bg", std::move(bg)}, {"fg", std::move(fg)}};
}

Json DumpList(const ReportListModel& list) {
  return {{"kind", "list"}, {"rows", list.Rows()}};
}

Json DumpChart(const ChartModel& chart) {
  Json points = Json::array();
  for (const ChartPoint& point : chart.Points()) points.push_back(Json::array({point.caption, Number(point.value)}));
  return {{"kind", "chart"}, {"title", chart.Title()}, {"points", std::move(points)}};
}

Json DumpWindowState(const WindowModel& window) {
  return {{"kind", "window"},         {"caption", window.Caption()}, {"visible", window.Visible()},
          {"enabled", window.Enabled()}, {"left", window.Left()},       {"top", window.Top()},
          {"width", window.Width()},     {"height", window.Height()},   {"tag", window.Tag()},
          {"state", window.State()}};
}

}  // namespace

Json DumpControlJson(const Control& control) {
  const std::string kind(KindName(control.Kind()));
  switch (control.Kind()) {
    case ControlKind::Grid:
      return DumpGrid(static_cast<const GridModel&>(control));
    case ControlKind::ReportList:
      return DumpList(static_cast<const ReportListModel&>(control));
    case ControlKind::BarChart:
    case ControlKind::CurveChart:
      return DumpChart(static_cast<const ChartModel&>(control));
    case ControlKind::Button:
    case ControlKind::Radio:
    case ControlKind::CheckBox: {
      const auto& button = static_cast<const ButtonModel&>(control);
      return {{"kind", kind},
              {"text", button.Caption()},
              {"enabled", button.Enabled()},
              {"visible", button.Visible()},
              {"checked", button.Checked()}};
    }
    case ControlKind::Label: {
      const auto& label = static_cast<const LabelModel&>(control);
      return {{"kind", kind}, {"text", label.Text()}, {"enabled", label.Enabled()}, {"visible", label.Visible()}};
    }
    case ControlKind::Edit: {
      const auto& edit = static_cast<const EditModel&>(control);
      return {{"kind", kind}, {"text", edit.Text()}, {"enabled", edit.Enabled()}, {"visible", edit.Visible()}};
    }
    case ControlKind::Timer:
      return {{"kind", kind}, {"period", static_cast<const TimerModel&>(control).Period()}};
    case ControlKind::Balloon: {
      Json shown = Json::array();
      for (const BalloonShow& show : static_cast<const BalloonModel&>(control).Shown()) shown.push_back(show.text);
      return {{"kind", kind}, {"shown", std::move(shown)}};
    }
    case ControlKind::StatusBar:
      return {{"kind", kind}, {"parts", static_cast<const StatusBarModel&>(control).Parts()}};
    case ControlKind::TrayIcon: {
      const auto& tray = static_cast<const TrayIconModel&>(control);
      return {{"kind", kind}, {"icon", tray.Icon()}, {"tip", tray.Tip()}, {"present", tray.Present()}};
    }
    case ControlKind::Combo: {
      const auto& combo = static_cast<const ComboModel&>(control);
      Json items = Json::array();
      for (const ComboItem& item : combo.Items()) items.push_back(item.text);
      return {{"kind", kind}, {"items", std::move(items)}, {"selected", combo.SelectedIndex()}};
    }
    case ControlKind::Tab: {
      const auto& tab = static_cast<const TabModel&>(control);
      return {{"kind", kind}, {"tabs", tab.Tabs()}, {"current", tab.CurrentTab()}, {"width", tab.Width()}};
    }
    case ControlKind::Animation: {
      Json objects = Json::array();
      for (const AnimationObject& object : static_cast<const AnimationModel&>(control).Objects())
        objects.push_back(Json::array({object.picture, object.x, object.y}));
      return {{"kind", kind}, {"objects", std::move(objects)}};
    }
    case ControlKind::ProgressBar:
      return {{"kind", kind}, {"value", static_cast<const ProgressBarModel&>(control).Value()}};
    case ControlKind::Tree: {
      const auto& tree = static_cast<const TreeModel&>(control);
      Json items = Json::array();
      for (const TreeItem& item : tree.Items()) items.push_back(item.text);
      return {{"kind", kind}, {"items", std::move(items)}, {"selected", tree.SelectedItem()}};
    }
    case ControlKind::RichEdit:
      return {{"kind", kind}, {"text", static_cast<const RichEditModel&>(control).Text()}};
    case ControlKind::Tooltip: {
      Json hints = Json::object();
      for (const auto& [name, text] : static_cast<const TooltipModel&>(control).Hints()) hints[name] = text;
      return {{"kind", kind}, {"hints", std::move(hints)}};
    }
    case ControlKind::Window:
      return DumpWindowState(static_cast<const WindowModel&>(control));
    case ControlKind::Frame:
      break;
  }
  return {{"kind", kind}, {"visible", control.Visible()}};
}

Json DumpWindowsJson(const UiRegistry& registry) {
  Json windows = Json::object();
  for (const UiWindow* window : registry.Windows()) {
    Json state = DumpWindowState(window->Model());
    Json controls = Json::object();
    for (const Control* control : window->Controls()) controls[control->Name()] = DumpControlJson(*control);
    state["controls"] = std::move(controls);
    windows[window->Name()] = std::move(state);
  }
  return windows;
}

}  // namespace pk
