#include "gui/tree_adapter.h"

#include "gui/qt_text.h"

namespace pk {

TreeAdapter::TreeAdapter(TreeModel& tree) : ControlAdapter(tree), model_(tree) {
  tree_ = new QTreeWidget;
  tree_->setObjectName(ToQString(tree.Name()));
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  SetWidget(tree_);
  QObject::connect(tree_, &QTreeWidget::currentItemChanged, tree_, [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
    if (applying_ || !current) return;
    model_.Select(current->data(0, Qt::UserRole).toInt());
  });
}

void TreeAdapter::Update() {
  applying_ = true;
  std::vector<TreeItem> items = model_.Items();
  if (items != shown_items_) {
    tree_->clear();
    widget_items_.clear();
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
      const int parent = items[i].parent;
      QTreeWidgetItem* item = parent >= 0 && parent < i ? new QTreeWidgetItem(widget_items_[parent])
                                                         : new QTreeWidgetItem(tree_);
      item->setText(0, ToQString(items[i].text));
      item->setData(0, Qt::UserRole, i);
      widget_items_.push_back(item);
    }
    tree_->expandAll();
    shown_items_ = std::move(items);
  }
  const int selected = model_.SelectedItem();
  QTreeWidgetItem* wanted = selected >= 0 && selected < static_cast<int>(widget_items_.size()) ? widget_items_[selected] : nullptr;
  if (tree_->currentItem() != wanted) tree_->setCurrentItem(wanted);
  applying_ = false;
}

}  // namespace pk
