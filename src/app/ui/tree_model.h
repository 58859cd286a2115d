#pragma once
// Tree view: items with a text and a parent, and the selected item with its event.
#include <functional>
#include <string>
#include <vector>

#include "app/ui/control.h"

namespace pk {

struct TreeItem {
  std::string text;
  int parent = -1;  // -1 for a top-level item
  bool operator==(const TreeItem&) const = default;
};

class TreeModel : public Control {
 public:
  using SelectHandler = std::function<void(int item)>;

  explicit TreeModel(std::string name, std::string placement = {})
      : Control(std::move(name), ControlKind::Tree, std::move(placement)) {}

  std::vector<TreeItem> Items() const { return Read([&] { return items_; }); }
  int AddItem(std::string text, int parent = -1) {
    int index = 0;
    Write([&] {
      items_.push_back({std::move(text), parent});
      index = static_cast<int>(items_.size()) - 1;
    });
    return index;
  }
  void Clear() {
    Write([&] {
      items_.clear();
      selected_ = -1;
    });
  }
  std::string ItemText(int item) const {
    return Read([&] { return item >= 0 && item < static_cast<int>(items_.size()) ? items_[item].text : std::string(); });
  }

  int SelectedItem() const { return Read([&] { return selected_; }); }
  void OnSelect(SelectHandler handler) { Write([&] { select_handler_ = std::move(handler); }); }
  // The user selected an item: records it and raises the selection event.
  void Select(int item) {
    Write([&] { selected_ = item; });
    Fire(select_handler_, item);
  }

 private:
  std::vector<TreeItem> items_;
  int selected_ = -1;
  SelectHandler select_handler_;
};

}  // namespace pk
