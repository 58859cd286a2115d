#include "stats/stored_extreme.h"

#include "app/ui/ui_models.h"
#include "app/ui/main_window_controls.h"
#include "store/draw_store.h"
#include "store/statements.h"

namespace pk {

void WriteStoredExtreme(Program& program, std::string_view table, std::string_view column,
                        std::string_view keyColumn, std::string_view key, std::string_view value) {
  if (!program.store) return;
  if (program.store->Run(UpdateExtreme(table, column, keyColumn, key, value)) != StatementResult::Succeeded) return;
  program.ui().Window(kMainWindow).Get<StatusBarModel>("状态条1").SetPartText(0, kExtremeUpdatedText);
}

}  // namespace pk
