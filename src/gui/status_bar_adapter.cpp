#include "gui/status_bar_adapter.h"

#include "gui/qt_text.h"

namespace pk {

namespace {
constexpr int kFirstPartWidth = 280;
}  // namespace

StatusBarAdapter::StatusBarAdapter(StatusBarModel& bar) : ControlAdapter(bar), model_(bar) {
  bar_ = new QStatusBar;
  bar_->setObjectName(ToQString(bar.Name()));
  bar_->setSizeGripEnabled(true);
  SetWidget(bar_);
}

QLabel* StatusBarAdapter::PartLabel(int part) const {
  return part >= 0 && part < static_cast<int>(parts_.size()) ? parts_[part] : nullptr;
}

void StatusBarAdapter::Update() {
  const std::vector<std::string> texts = model_.Parts();
  if (parts_.size() != texts.size()) {
    for (QLabel* label : parts_) {
      bar_->removeWidget(label);
      delete label;
    }
    parts_.clear();
    for (size_t i = 0; i < texts.size(); ++i) {
      auto* label = new QLabel;
      label->setTextFormat(Qt::PlainText);
      // Every part but the last keeps its width; the last takes the rest.
      const bool last = i + 1 == texts.size();
      if (!last) label->setMinimumWidth(kFirstPartWidth);
      bar_->addWidget(label, last ? 1 : 0);
      label->show();
      parts_.push_back(label);
    }
  }
  for (size_t i = 0; i < texts.size(); ++i) {
    const QString text = ToDisplayText(texts[i]);
    if (parts_[i]->text() != text) parts_[i]->setText(text);
  }
}

}  // namespace pk
