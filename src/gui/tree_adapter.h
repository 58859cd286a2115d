#pragma once
// Tree view: the items under their parents; selecting one raises the model's event.
#include <QTreeWidget>

#include "app/ui/tree_model.h"
#include "gui/control_adapter.h"

namespace pk {

class TreeAdapter : public ControlAdapter {
 public:
  explicit TreeAdapter(TreeModel& tree);
  QTreeWidget* treeWidget() const { return tree_; }

 protected:
  void Update() override;

 private:
  TreeModel& model_;
  QTreeWidget* tree_;
  std::vector<TreeItem> shown_items_;
  std::vector<QTreeWidgetItem*> widget_items_;  // by model index
  bool applying_ = false;
};

}  // namespace pk
