#include "app/program.h"

#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "store/draw_store.h"
#include "store/statement_log.h"

namespace pk {

Program::Program(Platform& platform_, std::string home_)
    : platform(platform_),
      home(std::move(home_)),
      ui_(std::make_unique<UiRegistry>()),
      statements_(std::make_unique<StatementLog>()) {
  CreateMainWindow(*ui_);
}

Program::~Program() = default;

}  // namespace pk
