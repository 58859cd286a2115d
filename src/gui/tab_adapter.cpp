#include "gui/tab_adapter.h"

#include "gui/qt_text.h"

namespace pk {

TabAdapter::TabAdapter(TabModel& tab) : ControlAdapter(tab), model_(tab) {
  tabs_ = new QTabWidget;
  tabs_->setObjectName(ToQString(tab.Name()));
  tabs_->setUsesScrollButtons(true);
  tabs_->setDocumentMode(false);
  for (const std::string& caption : tab.Tabs()) tabs_->addTab(new QWidget, ToQString(caption));
  SetWidget(tabs_);
  QObject::connect(tabs_, &QTabWidget::currentChanged, tabs_, [this](int index) {
    if (!applying_ && index >= 0) model_.SetCurrentTab(index);
  });
}

QWidget* TabAdapter::Page(const std::string& caption) const {
  const QString wanted = ToQString(caption);
  for (int i = 0; i < tabs_->count(); ++i)
    if (tabs_->tabText(i) == wanted) return tabs_->widget(i);
  return nullptr;
}

void TabAdapter::Update() {
  applying_ = true;
  const std::vector<std::string> captions = model_.Tabs();
  const int wanted = static_cast<int>(captions.size());
  // Pages beyond the captions go; new captions get empty pages.
  while (tabs_->count() > wanted) {
    QWidget* page = tabs_->widget(tabs_->count() - 1);
    tabs_->removeTab(tabs_->count() - 1);
    page->deleteLater();
  }
  for (int i = 0; i < wanted; ++i) {
    const QString caption = ToQString(captions[i]);
    if (i >= tabs_->count())
      tabs_->addTab(new QWidget, caption);
    else if (tabs_->tabText(i) != caption)
      tabs_->setTabText(i, caption);
  }
  const int current = model_.CurrentTab();
  if (current >= 0 && current < tabs_->count() && tabs_->currentIndex() != current) tabs_->setCurrentIndex(current);
  applying_ = false;
}

}  // namespace pk
