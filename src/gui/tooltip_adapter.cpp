#include "gui/tooltip_adapter.h"

#include "gui/qt_text.h"

namespace pk {

TooltipAdapter::TooltipAdapter(TooltipModel& tooltip, WidgetLookup widgets)
    : ControlAdapter(tooltip), model_(tooltip), widgets_(std::move(widgets)) {}

void TooltipAdapter::Update() {
  if (!widgets_) return;
  for (const auto& [control, text] : model_.Hints())
    if (QWidget* widget = widgets_(control)) widget->setToolTip(ToQString(text));
}

}  // namespace pk
