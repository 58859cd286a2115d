#include "gui/combo_adapter.h"

#include "gui/qt_text.h"

namespace pk {

ComboAdapter::ComboAdapter(ComboModel& combo) : ControlAdapter(combo), model_(combo) {
  combo_ = new QComboBox;
  combo_->setObjectName(ToQString(combo.Name()));
  combo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  SetWidget(combo_);
  QObject::connect(combo_, &QComboBox::currentIndexChanged, combo_, [this](int index) {
    if (!applying_) model_.Select(index);
  });
}

void ComboAdapter::Update() {
  applying_ = true;
  std::vector<ComboItem> items = model_.Items();
  if (items != shown_items_) {
    combo_->clear();
    for (const ComboItem& item : items) combo_->addItem(ToQString(item.text), item.value);
    shown_items_ = std::move(items);
  }
  const int selected = model_.SelectedIndex();
  if (combo_->currentIndex() != selected) combo_->setCurrentIndex(selected);
  applying_ = false;
}

}  // namespace pk
