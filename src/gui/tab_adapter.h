#pragma once
// Tab control: one page per caption; the window places controls on the pages. The
// page shown is kept in step with the model both ways.
#include <QTabWidget>
#include <string>
#include <vector>

#include "app/ui/tab_model.h"
#include "gui/control_adapter.h"

namespace pk {

class TabAdapter : public ControlAdapter {
 public:
  explicit TabAdapter(TabModel& tab);

  QTabWidget* tabWidget() const { return tabs_; }
  // The page with that caption (the first, should two share it); null when none has it.
  QWidget* Page(const std::string& caption) const;

 protected:
  void Update() override;

 private:
  TabModel& model_;
  QTabWidget* tabs_;
  bool applying_ = false;
};

}  // namespace pk
