#pragma once
// Drop-down list: items with a text and a value each, and the chosen item.
#include <optional>
#include <string>
#include <vector>

#include "app/ui/control.h"

namespace pk {

struct ComboItem {
  std::string text;
  int value = 0;
  bool operator==(const ComboItem&) const = default;
};

class ComboModel : public Control {
 public:
  explicit ComboModel(std::string name, std::string placement = {})
      : Control(std::move(name), ControlKind::Combo, std::move(placement)) {}

  std::vector<ComboItem> Items() const { return Read([&] { return items_; }); }
  void SetItems(std::vector<ComboItem> items) {
    Write([&] {
      items_ = std::move(items);
      selected_ = -1;
    });
  }

  // Index of the chosen item, -1 when none is chosen.
  int SelectedIndex() const { return Read([&] { return selected_; }); }
  // An index outside the items chooses none.
  void Select(int index) {
    Write([&] { selected_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1; });
  }
  // The value of the chosen item; nothing when no item is chosen.
  std::optional<int> SelectedValue() const {
    return Read([&]() -> std::optional<int> {
      if (selected_ < 0) return std::nullopt;
      return items_[selected_].value;
    });
  }
  std::string SelectedText() const {
    return Read([&] { return selected_ < 0 ? std::string() : items_[selected_].text; });
  }

 private:
  std::vector<ComboItem> items_;
  int selected_ = -1;
};

}  // namespace pk
