#pragma once
// Tooltip: puts each hint text on the widget of the control it names.
#include <QWidget>
#include <functional>
#include <string>

#include "app/ui/tooltip_model.h"
#include "gui/control_adapter.h"

namespace pk {

class TooltipAdapter : public ControlAdapter {
 public:
  using WidgetLookup = std::function<QWidget*(const std::string& control)>;

  TooltipAdapter(TooltipModel& tooltip, WidgetLookup widgets);

 protected:
  void Update() override;

 private:
  TooltipModel& model_;
  WidgetLookup widgets_;
};

}  // namespace pk
