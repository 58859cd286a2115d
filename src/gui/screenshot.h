#pragma once
// Pictures of the program's windows, for documentation and the tests.
#include <QSize>
#include <QString>
#include <functional>

namespace pk {

class GuiShell;
struct GuiOptions;
struct Program;

// The size the main window is shown at for its picture; the other windows keep the
// size their layout asks for.
inline constexpr QSize kScreenshotSize{1280, 900};

// Processes events until no change waits for its refresh and `ready` says start-up is
// done, twice in a row (or the time limit passes); false when the limit passed.
bool WaitUntilIdle(GuiShell& shell, const std::function<bool()>& ready, int limit_ms = 10000);

// Shows the window, waits until all is idle, renders it and saves the PNG. Returns the
// process exit code: 0 saved, 1 no such window or not saved.
int SaveScreenshot(GuiShell& shell, const QString& window, const QString& file, const std::function<bool()>& ready);

// The screenshot run of the program: with the demo (already started), first the day
// fetch and the asked number of live draws; then the window is opened as the user opens
// it (the extremes window also computes a few kinds) and
// pictured once the jobs have ended.
int RunScreenshot(GuiShell& shell, Program& program, const GuiOptions& options);

}  // namespace pk
