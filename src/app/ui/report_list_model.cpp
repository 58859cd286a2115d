#include "app/ui/report_list_model.h"

namespace pk {

ReportListModel::ReportListModel(std::string name, std::vector<ListColumn> columns, std::string placement)
    : Control(std::move(name), ControlKind::ReportList, std::move(placement)), columns_(std::move(columns)) {}

bool ReportListModel::ReportStyle() const {
  return Read([&] { return report_style_; });
}

void ReportListModel::SetReportStyle(bool report_style) {
  Write([&] { report_style_ = report_style; });
}

std::vector<ListColumn> ReportListModel::Columns() const {
  return Read([&] { return columns_; });
}

void ReportListModel::SetColumns(std::vector<ListColumn> columns) {
  Write([&] {
    columns_ = std::move(columns);
    for (auto& item : items_) item.texts.resize(columns_.size());
  });
}

int ReportListModel::ColumnCount() const {
  return Read([&] { return static_cast<int>(columns_.size()); });
}

void ReportListModel::DeleteAll() {
  Write([&] {
    items_.clear();
    selected_ = -1;
    visible_item_request_ = -1;
  });
}

int ReportListModel::InsertItem(int index) {
  int at = 0;
  Write([&] {
    int count = static_cast<int>(items_.size());
    at = index < 0 || index > count ? count : index;
    items_.insert(items_.begin() + at, ListItem{std::vector<std::string>(columns_.size()), {}, {}});
    if (selected_ >= at) ++selected_;
  });
  return at;
}

void ReportListModel::DeleteItem(int index) {
  Write([&] {
    if (!Inside(index)) return;
    items_.erase(items_.begin() + index);
    if (selected_ == index) selected_ = -1;
    else if (selected_ > index) --selected_;
  });
}

int ReportListModel::ItemCount() const {
  return Read([&] { return static_cast<int>(items_.size()); });
}

std::string ReportListModel::ItemText(int item, int column) const {
  return Read([&] {
    if (!Inside(item) || column < 0 || column >= static_cast<int>(items_[item].texts.size())) return std::string();
    return items_[item].texts[column];
  });
}

void ReportListModel::SetItemText(int item, int column, std::string text) {
  Write([&] {
    if (!Inside(item) || column < 0 || column >= static_cast<int>(columns_.size())) return;
    auto& texts = items_[item].texts;
    if (column >= static_cast<int>(texts.size())) texts.resize(column + 1);
    texts[column] = std::move(text);
  });
}

void ReportListModel::SetItemTexts(int item, std::vector<std::string> texts) {
  Write([&] {
    if (!Inside(item)) return;
    texts.resize(columns_.size());
    items_[item].texts = std::move(texts);
  });
}

std::vector<std::string> ReportListModel::ItemTexts(int item) const {
  return Read([&] { return Inside(item) ? items_[item].texts : std::vector<std::string>(); });
}

MaybeColour ReportListModel::ItemTextColour(int item) const {
  return Read([&] { return Inside(item) ? items_[item].text_colour : MaybeColour(); });
}

MaybeColour ReportListModel::ItemBackColour(int item) const {
  return Read([&] { return Inside(item) ? items_[item].back_colour : MaybeColour(); });
}

void ReportListModel::SetItemTextColour(int item, Colour colour) {
  Write([&] {
    if (Inside(item)) items_[item].text_colour = colour;
  });
}

void ReportListModel::SetItemBackColour(int item, Colour colour) {
  Write([&] {
    if (Inside(item)) items_[item].back_colour = colour;
  });
}

void ReportListModel::EnsureVisible(int item) {
  Write([&] { visible_item_request_ = item; });
}

int ReportListModel::SelectedItem() const {
  return Read([&] { return selected_; });
}

void ReportListModel::SetSelectedItem(int item) {
  Write([&] { selected_ = Inside(item) ? item : -1; });
}

void ReportListModel::OnColumnClick(ColumnClickHandler handler) {
  Write([&] { column_click_handler_ = std::move(handler); });
}

void ReportListModel::ClickColumn(int column) {
  Fire(column_click_handler_, column);
}

void ReportListModel::OnItemClick(ItemClickHandler handler) {
  Write([&] { item_click_handler_ = std::move(handler); });
}

void ReportListModel::ClickItem(int item, int button) {
  SetSelectedItem(item);
  Fire(item_click_handler_, item, button);
}

std::vector<std::vector<std::string>> ReportListModel::Rows() const {
  return Read([&] {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(items_.size());
    for (const auto& item : items_) rows.push_back(item.texts);
    return rows;
  });
}

ReportListSnapshot ReportListModel::Snapshot() const {
  return Read([&] { return ReportListSnapshot{report_style_, columns_, items_, selected_, visible_item_request_}; });
}

}  // namespace pk
