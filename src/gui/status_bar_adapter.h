#pragma once
// Status bar: one label per part; the last part takes the remaining width. Passing
// messages (the balloon where there is no tray) show over the parts for a while.
#include <QLabel>
#include <QStatusBar>
#include <vector>

#include "app/ui/status_bar_model.h"
#include "gui/control_adapter.h"

namespace pk {

class StatusBarAdapter : public ControlAdapter {
 public:
  explicit StatusBarAdapter(StatusBarModel& bar);
  QStatusBar* statusBar() const { return bar_; }
  // The label of a part, for tests; null past the last part.
  QLabel* PartLabel(int part) const;

 protected:
  void Update() override;

 private:
  StatusBarModel& model_;
  QStatusBar* bar_;
  std::vector<QLabel*> parts_;
};

}  // namespace pk
