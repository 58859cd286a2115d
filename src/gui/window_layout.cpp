#include "gui/window_layout.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <algorithm>

#include "app/ui/grid_model.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/label_model.h"
#include "base/text.h"
#include "gui/edit_adapter.h"
#include "gui/frame_adapter.h"
#include "gui/grid_adapter.h"
#include "gui/label_adapter.h"
#include "gui/qt_text.h"
#include "gui/report_list_adapter.h"
#include "gui/tab_adapter.h"

namespace pk {

namespace {

constexpr int kPageMargin = 4;
constexpr int kSpacing = 4;
// A list at most this wide stands beside a chart rather than under it.
constexpr int kNarrowListWidth = 260;
// A grid created with more than one and at most this many rows keeps them all in sight.
constexpr int kFewRows = 12;
// An empty side column: the main window is this much wider with its partner links.
constexpr int kSideColumnWidth = kMainWidthWithPartners - kMainWidthWithoutPartners;

bool HasWidget(ControlKind kind) {
  switch (kind) {
    case ControlKind::Window:
    case ControlKind::Timer:
    case ControlKind::TrayIcon:
    case ControlKind::Balloon:
    case ControlKind::Tooltip: return false;
    default: return true;
  }
}

// The segments of a placement path; empty segments ("a//b", a trailing "/") name nothing.
std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts = Split(path, "/");
  std::erase_if(parts, [](const std::string& part) { return part.empty(); });
  return parts;
}

std::string Join(const std::string& key, const std::string& segment) { return key.empty() ? segment : key + "/" + segment; }

int StackRank(Stacking stacking) {
  switch (stacking) {
    case Stacking::Top: return 2;
    case Stacking::Default: return 1;
    case Stacking::Bottom: return 0;
  }
  return 1;
}

}  // namespace

ControlAdapter* WindowLayout::Topmost(const Stack& stack) {
  ControlAdapter* top = nullptr;
  for (ControlAdapter* member : stack.members)
    if (!top || StackRank(member->control().StackOrder()) > StackRank(top->control().StackOrder())) top = member;
  return top;
}

bool AloneInArea(const std::vector<const Control*>& controls, const Control& control) {
  if (control.Placement().empty()) return false;
  for (const Control* other : controls)
    if (other != &control && HasWidget(other->Kind()) && other->Placement() == control.Placement()) return false;
  return true;
}

struct WindowLayout::Node {
  std::string key;
  QWidget* widget = nullptr;
  bool bare = false;  // an area without a border of its own, flush with its surroundings
  std::vector<Entry> entries;
};

WindowLayout::WindowLayout(const std::vector<ControlAdapter*>& adapters, LayoutHints hints)
    : adapters_(adapters), hints_(std::move(hints)) {
  for (ControlAdapter* adapter : adapters_) by_name_[adapter->control().Name()] = adapter;
}

WindowLayout::~WindowLayout() = default;

QWidget* WindowLayout::Build() {
  auto root = std::make_unique<Node>();
  root->widget = new QWidget;
  Node& root_node = *root;
  nodes_[""] = std::move(root);
  node_order_.push_back(&root_node);

  for (ControlAdapter* adapter : adapters_) {
    if (!adapter->widget() || adapter->control().Kind() == ControlKind::StatusBar) continue;
    auto placed = hints_.placements.find(adapter->control().Name());
    const std::string& placement = placed == hints_.placements.end() ? adapter->control().Placement() : placed->second;
    Resolve(placement).entries.push_back({adapter, nullptr});
  }
  for (Node* node : node_order_) Arrange(*node);
  KeepSideColumns();
  return root_node.widget;
}

// A frame that makes a column beside the window's centre on its own (the partner-link
// column) is shown and hidden with its model even while nothing is inside it yet, at
// the width the window gives that column.
void WindowLayout::KeepSideColumns() {
  for (ControlAdapter* adapter : adapters_) {
    auto* frame = dynamic_cast<FrameAdapter*>(adapter);
    if (!frame) continue;
    const std::string& placement = frame->control().Placement();
    if (!placement.starts_with("left/") && !placement.starts_with("right/")) continue;
    frame->SetHasContent(true);
    if (frame->frame()->layout() == nullptr) frame->frame()->setFixedWidth(kSideColumnWidth);
  }
}

WindowLayout::Node& WindowLayout::AreaNode(Node& parent, const std::string& key) {
  auto found = nodes_.find(key);
  if (found != nodes_.end()) return *found->second;
  auto node = std::make_unique<Node>();
  node->key = key;
  if (hints_.framed_areas.count(key)) {
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    node->widget = frame;
  } else {
    node->widget = new QWidget;
    node->bare = true;
  }
  node->widget->setObjectName(ToQString(key));
  Node& made = *node;
  parent.entries.push_back({nullptr, &made});
  nodes_[key] = std::move(node);
  node_order_.push_back(&made);
  return made;
}

WindowLayout::Node& WindowLayout::Resolve(const std::string& placement) {
  const std::vector<std::string> segments = SplitPath(placement);
  Node* current = nodes_[""].get();
  std::string key;
  for (size_t i = 0; i < segments.size(); ++i) {
    const std::string& segment = segments[i];
    auto named = by_name_.find(segment);
    ControlAdapter* control = named == by_name_.end() ? nullptr : named->second;
    auto* tab = dynamic_cast<TabAdapter*>(control);
    if (tab && i + 1 < segments.size() && tab->Page(segments[i + 1])) {
      const std::string page_key = Join(Join(key, segment), segments[i + 1]);
      auto& slot = nodes_[page_key];
      if (!slot) {
        slot = std::make_unique<Node>();
        slot->key = page_key;
        slot->widget = tab->Page(segments[i + 1]);
        node_order_.push_back(slot.get());
      }
      current = slot.get();
      key = page_key;
      ++i;
      continue;
    }
    if (auto* frame = dynamic_cast<FrameAdapter*>(control)) {
      key = Join(key, segment);
      auto& slot = nodes_[key];
      if (!slot) {
        slot = std::make_unique<Node>();
        slot->key = key;
        slot->widget = frame->frame();
        node_order_.push_back(slot.get());
        frame->SetHasContent(true);
      }
      current = slot.get();
      continue;
    }
    key = Join(key, segment);
    current = &AreaNode(*current, key);
  }
  return *current;
}

QWidget* WindowLayout::WidgetOf(const Entry& entry) const {
  return entry.adapter ? entry.adapter->widget() : entry.area->widget;
}

bool WindowLayout::IsSmall(const ControlAdapter& adapter) const {
  switch (adapter.control().Kind()) {
    case ControlKind::Label:
    case ControlKind::Button:
    case ControlKind::Radio:
    case ControlKind::CheckBox:
    case ControlKind::Combo:
    case ControlKind::ProgressBar: return true;
    case ControlKind::Edit: return dynamic_cast<const EditAdapter&>(adapter).lineEdit() != nullptr;
    default: return false;
  }
}

bool WindowLayout::AllSmall(const Node& node) const {
  if (node.entries.empty()) return false;
  for (const Entry& entry : node.entries)
    if (!entry.adapter || !IsSmall(*entry.adapter)) return false;
  return true;
}

bool WindowLayout::IsForm(const Node& node) const {
  if (node.entries.empty()) return false;
  for (const Entry& entry : node.entries)
    if (!entry.adapter || !entry.adapter->control().Geometry()) return false;
  return true;
}

WindowLayout::Fit WindowLayout::FitOf(const Entry& entry) const {
  if (entry.area && IsForm(*entry.area)) return Fit::Large;
  if (entry.area) return AllSmall(*entry.area) ? Fit::Panel : Fit::Large;
  if (IsSmall(*entry.adapter)) return Fit::Small;
  if (entry.adapter->control().Kind() == ControlKind::Animation) return Fit::FixedHeight;
  if (auto* list = dynamic_cast<ReportListAdapter*>(entry.adapter)) {
    if (list->FullWidth() <= kNarrowListWidth) return Fit::NarrowList;
  }
  if (entry.adapter->control().Kind() == ControlKind::Grid) {
    const int rows = dynamic_cast<const GridModel&>(entry.adapter->control()).RowCount();
    if (rows > 1 && rows <= kFewRows) return Fit::FewRows;
  }
  return Fit::Large;
}

void WindowLayout::Arrange(Node& node) {
  if (node.key.empty()) return ArrangeRoot(node);
  if (node.key == "top") return ArrangeStrip(node);
  if (IsForm(node)) return ArrangeForm(node);
  for (const Entry& entry : node.entries)
    if (entry.adapter && entry.adapter->control().StackOrder() != Stacking::Default && node.entries.size() > 1)
      return ArrangeStack(node);
  for (const Entry& entry : node.entries)
    if (entry.adapter && hints_.cells.count(entry.adapter->control().Name())) return ArrangeCells(node);
  bool labels_only = !node.entries.empty();
  for (const Entry& entry : node.entries)
    labels_only = labels_only && entry.adapter && dynamic_cast<LabelAdapter*>(entry.adapter);
  if (labels_only && node.entries.size() > 2) return ArrangeLabelPanel(node);
  ArrangeRows(node);
}

// The window: the top strip above the centre, a left column and a right column beside
// both, and everything else in rows below them. Without a centre, the right column (a
// reading pane beside a list on the left) takes the spare width.
void WindowLayout::ArrangeRoot(Node& node) {
  auto* grid = new QGridLayout(node.widget);
  // A window that is one fixed form keeps the form's pixels where the form says.
  const bool one_form = node.entries.size() == 1 && node.entries[0].area && IsForm(*node.entries[0].area);
  const int margin = one_form ? 0 : kPageMargin;
  grid->setContentsMargins(margin, margin, margin, margin);
  grid->setSpacing(kSpacing);
  std::vector<Entry> rest;
  bool middle = false;
  bool sides = false;
  for (const Entry& entry : node.entries) {
    QWidget* widget = WidgetOf(entry);
    const std::string key = entry.area ? entry.area->key : std::string();
    if (entry.area && entry.area->entries.empty()) {
      widget->hide();
    } else if (key == "top") {
      grid->addWidget(widget, 0, 1);
      middle = true;
    } else if (key == "centre") {
      grid->addWidget(widget, 1, 1);
      grid->setRowStretch(1, 1);
      middle = true;
    } else if (key == "left") {
      grid->addWidget(widget, 0, 0, 2, 1);
      sides = true;
    } else if (key == "right") {
      grid->addWidget(widget, 0, 2, 2, 1);
      sides = true;
    } else {
      rest.push_back(entry);
    }
  }
  if (middle) {
    grid->setColumnStretch(1, 1);
  } else if (sides) {
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 2);
    grid->setRowStretch(1, 1);
  }
  if (!rest.empty()) {
    auto* rows = new QVBoxLayout;
    if (!ArrangeRows(rest, rows)) rows->addStretch(1);
    grid->addLayout(rows, 2, 0, 1, 3);
    if (!middle && !sides) grid->setRowStretch(2, 1);
  }
}

void WindowLayout::ArrangeStrip(Node& node) {
  auto* strip = new QHBoxLayout(node.widget);
  strip->setContentsMargins(0, 0, 0, 0);
  strip->setSpacing(kSpacing);
  // Column → (order, entry); areas without a slot get a column of their own, after the others.
  std::map<int, std::vector<std::pair<std::pair<int, int>, Entry>>> columns;
  int extra_column = 1000;
  int sequence = 0;
  for (const Entry& entry : node.entries) {
    const std::string key = entry.area ? entry.area->key : std::string();
    auto slot = hints_.strip_columns.find(key);
    if (slot == hints_.strip_columns.end())
      columns[extra_column++].push_back({{0, sequence++}, entry});
    else
      columns[slot->second.column].push_back({{slot->second.order, sequence++}, entry});
  }
  for (auto& [column, items] : columns) {
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.first.first < b.first.first; });
    auto* stack = new QVBoxLayout;
    stack->setSpacing(kSpacing);
    bool all_panels = true;
    for (const auto& [slot, entry] : items) {
      stack->addWidget(WidgetOf(entry));
      all_panels = all_panels && FitOf(entry) == Fit::Panel;
    }
    // A column of small controls keeps them at the top rather than spread out.
    if (all_panels) stack->addStretch(1);
    strip->addLayout(stack, column == hints_.stretching_column ? 1 : 0);
  }
}

void WindowLayout::ArrangeStack(Node& node) {
  auto* layout = new QStackedLayout(node.widget);
  Stack stack{layout, {}};
  for (const Entry& entry : node.entries) {
    layout->addWidget(WidgetOf(entry));
    if (entry.adapter) {
      entry.adapter->SetManageVisibility(false);
      stack.members.push_back(entry.adapter);
    }
  }
  stacks_.push_back(std::move(stack));
}

void WindowLayout::ArrangeCells(Node& node) {
  auto* grid = new QGridLayout(node.widget);
  grid->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
  grid->setSpacing(kSpacing);
  int last_row = 0;
  int last_column = 0;
  for (const Entry& entry : node.entries) {
    auto slot = entry.adapter ? hints_.cells.find(entry.adapter->control().Name()) : hints_.cells.end();
    if (slot == hints_.cells.end()) continue;
    last_row = std::max(last_row, slot->second.row);
    last_column = std::max(last_column, slot->second.column + slot->second.column_span - 1);
  }
  int free_row = last_row + 1;
  for (const Entry& entry : node.entries) {
    auto slot = entry.adapter ? hints_.cells.find(entry.adapter->control().Name()) : hints_.cells.end();
    if (slot == hints_.cells.end())
      grid->addWidget(WidgetOf(entry), free_row++, 0, 1, -1);
    else
      grid->addWidget(WidgetOf(entry), slot->second.row, slot->second.column, 1, slot->second.column_span);
  }
  grid->setRowStretch(free_row, 1);
  grid->setColumnStretch(last_column + 1, 1);
}

// Caption and value labels: a caption (ending in "：") starts a line, the labels after
// it stand beside it.
void WindowLayout::ArrangeLabelPanel(Node& node) {
  auto* grid = new QGridLayout(node.widget);
  grid->setContentsMargins(kPageMargin, 0, kPageMargin, 0);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);
  int row = -1;
  int column = 0;
  for (const Entry& entry : node.entries) {
    auto* label = dynamic_cast<LabelAdapter*>(entry.adapter);
    const std::string text = dynamic_cast<const LabelModel&>(label->control()).Text();
    const bool caption = text.size() >= 3 && text.compare(text.size() - 3, 3, "：") == 0;
    if (caption || row < 0) {
      ++row;
      column = 0;
    }
    grid->addWidget(label->widget(), row, column++);
  }
  grid->setRowStretch(row + 1, 1);
  grid->setColumnStretch(3, 1);
}

void ApplyFormGeometry(ControlAdapter& adapter) {
  const std::optional<ControlGeometry> geometry = adapter.control().Geometry();
  if (!geometry || !adapter.widget()) return;
  adapter.widget()->setGeometry(geometry->left, geometry->top, geometry->width, geometry->height);
}

// No layout: the widgets keep their model's places, and a control moved out of the area
// (below a dialog's visible part) is simply out of sight.
void WindowLayout::ArrangeForm(Node& node) {
  node.widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  for (const Entry& entry : node.entries) {
    entry.adapter->widget()->setParent(node.widget);
    on_form_.insert(entry.adapter);
    ApplyFormGeometry(*entry.adapter);
  }
}

void WindowLayout::ArrangeRows(Node& node) {
  auto* column = new QVBoxLayout(node.widget);
  const int margin = node.bare ? 0 : kPageMargin;
  column->setContentsMargins(margin, margin, margin, margin);
  // Pages keep their controls at the top; a bare area takes only the room they need.
  if (!ArrangeRows(node.entries, column) && !node.bare) column->addStretch(1);
}

// A label of more than this many characters is a line of text of its own.
constexpr int kShortLabel = 12;

bool WindowLayout::ArrangeRows(const std::vector<Entry>& entries, QVBoxLayout* column) {
  struct Row {
    Fit fit;
    QBoxLayout* layout;
    bool has_chart = false;
    bool closed = false;  // a line of text that nothing joins
  };
  column->setSpacing(kSpacing);
  std::vector<Row> rows;
  bool any_stretch = false;

  auto new_row = [&](Fit fit, int stretch) -> Row& {
    auto* line = new QHBoxLayout;
    line->setSpacing(kSpacing);
    column->addLayout(line, stretch);
    any_stretch = any_stretch || stretch > 0;
    rows.push_back({fit, line});
    return rows.back();
  };

  for (const Entry& entry : entries) {
    QWidget* widget = WidgetOf(entry);
    const Fit fit = FitOf(entry);
    const bool after_large = !rows.empty() && rows.back().fit != Fit::Small;
    switch (fit) {
      case Fit::Small: {
        // A long label is a line of text of its own.
        const bool long_label = entry.adapter->control().Kind() == ControlKind::Label &&
                                ToQString(dynamic_cast<const LabelModel&>(entry.adapter->control()).Text()).size() > kShortLabel;
        const bool joins = !rows.empty() && rows.back().fit == Fit::Small && !rows.back().closed && !long_label;
        Row& row = joins ? rows.back() : new_row(Fit::Small, 0);
        row.layout->addWidget(widget);
        row.closed = long_label;
        break;
      }
      case Fit::Panel:
        if (after_large)
          rows.back().layout->addWidget(widget, 0);
        else
          new_row(Fit::Panel, 0).layout->addWidget(widget);
        break;
      case Fit::NarrowList: {
        auto* list = dynamic_cast<ReportListAdapter*>(entry.adapter);
        if (after_large && rows.back().has_chart) {
          widget->setFixedWidth(list->FullWidth());
          rows.back().layout->addWidget(widget, 0);
        } else {
          new_row(Fit::Large, 1).layout->addWidget(widget, 1);
        }
        break;
      }
      case Fit::FixedHeight: {
        Row& row = new_row(Fit::FixedHeight, 0);
        row.layout->addWidget(widget, 0);
        row.layout->addStretch(1);
        break;
      }
      case Fit::FewRows: {
        auto* grid = dynamic_cast<GridAdapter*>(entry.adapter);
        widget->setFixedSize(grid->FullWidth(), grid->FullHeight());
        Row& row = new_row(Fit::FewRows, 0);
        row.layout->addWidget(widget, 0);
        row.layout->addStretch(1);
        break;
      }
      case Fit::Large: {
        Row& row = new_row(Fit::Large, 1);
        row.layout->addWidget(widget, 1);
        row.has_chart = entry.adapter && (entry.adapter->control().Kind() == ControlKind::BarChart ||
                                          entry.adapter->control().Kind() == ControlKind::CurveChart);
        break;
      }
    }
  }
  for (Row& row : rows)
    if (row.fit == Fit::Small) row.layout->addStretch(1);
  return any_stretch;
}

}  // namespace pk
