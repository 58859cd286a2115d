#pragma once
// Places the widgets of a window's controls by their placements, with layouts rather
// than pixel positions. A placement is a path: "总选择夹/遗漏/极限选择夹/一码" is the page
// "一码" of the tab control "极限选择夹", which sits on the page "遗漏" of "总选择夹"; a
// segment naming a frame puts the control inside that frame; any other segment is an
// area of its own ("top/fetch", ".../二九码/upper"), created where it first appears.
//
// Inside an area, controls follow one another top to bottom in creation order: small
// controls (labels, buttons, inputs) share a line, a panel of small controls stands to
// the right of the list before it, narrow lists stand beside the chart before them,
// grids with a few fixed rows take their own height and the rest share the spare room.
// Controls of one area that are raised or lowered against each other form a stack that
// shows only the topmost. An area whose every control has a geometry of its own (a small
// dialog laid out as a fixed form) puts each at its place and size, in pixels.
#include <QBoxLayout>
#include <QStackedLayout>
#include <QWidget>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "gui/control_adapter.h"
#include "gui/layout_hints.h"

namespace pk {

class WindowLayout {
 public:
  struct Stack {
    QStackedLayout* layout = nullptr;
    std::vector<ControlAdapter*> members;
  };

  WindowLayout(const std::vector<ControlAdapter*>& adapters, LayoutHints hints);
  ~WindowLayout();
  WindowLayout(const WindowLayout&) = delete;
  WindowLayout& operator=(const WindowLayout&) = delete;

  // Builds the widget tree and returns its root, which the caller owns. Status bars are
  // left out: the window shows them in its own place.
  QWidget* Build();
  const std::vector<Stack>& Stacks() const { return stacks_; }
  // The member shown: raised above lowered, and the first created among equals.
  static ControlAdapter* Topmost(const Stack& stack);
  // Whether the control sits on a fixed form, where its model's geometry places it.
  bool OnForm(const ControlAdapter& adapter) const { return on_form_.count(&adapter) > 0; }

 private:
  struct Node;
  struct Entry {
    ControlAdapter* adapter = nullptr;
    Node* area = nullptr;
  };
  enum class Fit { Small, Panel, NarrowList, FewRows, FixedHeight, Large };

  Node& Resolve(const std::string& placement);
  Node& AreaNode(Node& parent, const std::string& key);
  void Arrange(Node& node);
  void ArrangeRoot(Node& node);
  void ArrangeStrip(Node& node);
  void ArrangeStack(Node& node);
  void ArrangeCells(Node& node);
  void ArrangeLabelPanel(Node& node);
  void ArrangeForm(Node& node);
  void KeepSideColumns();
  bool IsForm(const Node& node) const;
  void ArrangeRows(Node& node);
  // Lays the entries out in rows into the column; true when some row takes spare height.
  bool ArrangeRows(const std::vector<Entry>& entries, QVBoxLayout* column);
  Fit FitOf(const Entry& entry) const;
  QWidget* WidgetOf(const Entry& entry) const;
  bool IsSmall(const ControlAdapter& adapter) const;
  bool AllSmall(const Node& node) const;

  std::vector<ControlAdapter*> adapters_;
  LayoutHints hints_;
  std::map<std::string, ControlAdapter*> by_name_;
  std::map<std::string, std::unique_ptr<Node>> nodes_;
  std::vector<Node*> node_order_;
  std::vector<Stack> stacks_;
  std::set<const ControlAdapter*> on_form_;
};

// Puts a control of a fixed form at its model's place and size.
void ApplyFormGeometry(ControlAdapter& adapter);

// True when the control is the only one with a widget in its area: an edit box alone
// in its area is a box of lines (the results box), any other a one-line input.
bool AloneInArea(const std::vector<const Control*>& controls, const Control& control);

}  // namespace pk
