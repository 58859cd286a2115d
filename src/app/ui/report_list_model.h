#pragma once
// Report list view ("超级列表框"): columns with caption, width and alignment, and items
// of one text per column with optional colours. Writes outside the items are ignored
// and reads outside them give empty text.
#include <functional>
#include <string>
#include <vector>

#include "app/ui/colour.h"
#include "app/ui/control.h"

namespace pk {

struct ListColumn {
  std::string caption;
  int width = 0;
  Align align = Align::Left;
  bool operator==(const ListColumn&) const = default;
};

struct ListItem {
  std::vector<std::string> texts;  // one per column
  MaybeColour text_colour;
  MaybeColour back_colour;
  bool operator==(const ListItem&) const = default;
};

struct ReportListSnapshot {
  bool report_style = true;
  std::vector<ListColumn> columns;
  std::vector<ListItem> items;
  int selected = -1;
  int visible_item_request = -1;
};

class ReportListModel : public Control {
 public:
  using ColumnClickHandler = std::function<void(int column)>;
  // button: 1 left, 2 right.
  using ItemClickHandler = std::function<void(int item, int button)>;

  explicit ReportListModel(std::string name, std::vector<ListColumn> columns = {}, std::string placement = {});

  bool ReportStyle() const;
  void SetReportStyle(bool report_style);
  std::vector<ListColumn> Columns() const;
  void SetColumns(std::vector<ListColumn> columns);
  int ColumnCount() const;

  void DeleteAll();
  // Inserts an empty item before `index` (at the end when index is negative or past
  // the end); returns the index it got.
  int InsertItem(int index = -1);
  void DeleteItem(int index);
  int ItemCount() const;

  std::string ItemText(int item, int column) const;
  void SetItemText(int item, int column, std::string text);
  // Writes a whole item, column 0 onwards.
  void SetItemTexts(int item, std::vector<std::string> texts);
  std::vector<std::string> ItemTexts(int item) const;

  MaybeColour ItemTextColour(int item) const;
  MaybeColour ItemBackColour(int item) const;
  void SetItemTextColour(int item, Colour colour);
  void SetItemBackColour(int item, Colour colour);

  void EnsureVisible(int item);
  int SelectedItem() const;
  void SetSelectedItem(int item);

  void OnColumnClick(ColumnClickHandler handler);
  void ClickColumn(int column);
  void OnItemClick(ItemClickHandler handler);
  // Selects the item and raises the click event.
  void ClickItem(int item, int button = 1);

  std::vector<std::vector<std::string>> Rows() const;
  ReportListSnapshot Snapshot() const;

 private:
  bool Inside(int item) const { return item >= 0 && item < static_cast<int>(items_.size()); }

  bool report_style_ = true;
  std::vector<ListColumn> columns_;
  std::vector<ListItem> items_;
  int selected_ = -1;
  int visible_item_request_ = -1;
  ColumnClickHandler column_click_handler_;
  ItemClickHandler item_click_handler_;
};

}  // namespace pk
