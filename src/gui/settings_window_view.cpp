#include "gui/settings_window_view.h"

#include "app/program.h"
#include "gui/grid_adapter.h"
#include "gui/window_view.h"
#include "settings/settings_window.h"

namespace pk {

void ConnectSettingsWindow(WindowView& view, Program& program) {
  auto* grid = view.AdapterAs<GridAdapter>(kSettingsGrid);
  if (!grid) return;
  GridInteraction interaction;
  interaction.editable = [](int row, int column) { return SettingsCellEditable(row, column); };
  // The run columns hold "1" or "0" where a check box is; other cells there are empty.
  interaction.check_box = [](int row, int column, const std::string& text) {
    return row >= 1 && (column == 0 || column == 3 || column == 6) && (text == kTicked || text == kUnticked);
  };
  interaction.toggle = [&program](int row, int column) { ClickSettingsCheckBox(program, row, column); };
  grid->SetInteraction(std::move(interaction));
}

}  // namespace pk
