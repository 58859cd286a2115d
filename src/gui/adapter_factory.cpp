#include "gui/adapter_factory.h"

#include "app/ui/ui_models.h"
#include "gui/animation_adapter.h"
#include "gui/balloon_adapter.h"
#include "gui/button_adapter.h"
#include "gui/chart_adapter.h"
#include "gui/combo_adapter.h"
#include "gui/edit_adapter.h"
#include "gui/frame_adapter.h"
#include "gui/grid_adapter.h"
#include "gui/label_adapter.h"
#include "gui/progress_bar_adapter.h"
#include "gui/report_list_adapter.h"
#include "gui/rich_edit_adapter.h"
#include "gui/status_bar_adapter.h"
#include "gui/tab_adapter.h"
#include "gui/timer_adapter.h"
#include "gui/tooltip_adapter.h"
#include "gui/tray_icon_adapter.h"
#include "gui/tree_adapter.h"

namespace pk {

namespace {

// The window's own state is the window view's business; it has no adapter.
class NoAdapter : public ControlAdapter {
 public:
  using ControlAdapter::ControlAdapter;

 protected:
  void Update() override {}
};

template <class Model>
Model& As(Control& control) {
  return dynamic_cast<Model&>(control);
}

}  // namespace

std::unique_ptr<ControlAdapter> CreateAdapter(Control& control, bool multiline, const AdapterServices& services) {
  switch (control.Kind()) {
    case ControlKind::Button:
    case ControlKind::Radio:
    case ControlKind::CheckBox: return std::make_unique<ButtonAdapter>(As<ButtonModel>(control));
    case ControlKind::Label: return std::make_unique<LabelAdapter>(As<LabelModel>(control));
    case ControlKind::Edit: return std::make_unique<EditAdapter>(As<EditModel>(control), multiline);
    case ControlKind::Combo: return std::make_unique<ComboAdapter>(As<ComboModel>(control));
    case ControlKind::Tab: return std::make_unique<TabAdapter>(As<TabModel>(control));
    case ControlKind::Grid: return std::make_unique<GridAdapter>(As<GridModel>(control));
    case ControlKind::ReportList: return std::make_unique<ReportListAdapter>(As<ReportListModel>(control));
    case ControlKind::Tree: return std::make_unique<TreeAdapter>(As<TreeModel>(control));
    case ControlKind::RichEdit: return std::make_unique<RichEditAdapter>(As<RichEditModel>(control));
    case ControlKind::Timer: return std::make_unique<TimerAdapter>(As<TimerModel>(control));
    case ControlKind::TrayIcon: return std::make_unique<TrayIconAdapter>(As<TrayIconModel>(control), services.menu);
    case ControlKind::Balloon:
      return std::make_unique<BalloonAdapter>(As<BalloonModel>(control), services.show_balloon);
    case ControlKind::StatusBar: return std::make_unique<StatusBarAdapter>(As<StatusBarModel>(control));
    case ControlKind::Animation: return std::make_unique<AnimationAdapter>(As<AnimationModel>(control));
    case ControlKind::BarChart:
    case ControlKind::CurveChart: return std::make_unique<ChartAdapter>(As<ChartModel>(control));
    case ControlKind::ProgressBar: return std::make_unique<ProgressBarAdapter>(As<ProgressBarModel>(control));
    case ControlKind::Tooltip:
      return std::make_unique<TooltipAdapter>(As<TooltipModel>(control), services.widget_of);
    case ControlKind::Frame: return std::make_unique<FrameAdapter>(As<FrameModel>(control));
    case ControlKind::Window: break;
  }
  return std::make_unique<NoAdapter>(control);
}

}  // namespace pk
