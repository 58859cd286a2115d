#pragma once
// Pictures of the program's windows, for documentation and the tests.
#include <QSize>
#include <QString>
#include <functional>

namespace pk {

class GuiShell;

// The size the window is shown at for its picture.
inline constexpr QSize kScreenshotSize{1280, 900};

// Processes events until no change waits for its refresh and `ready` says start-up is
// done, twice in a row (or the time limit passes); false when the limit passed.
bool WaitUntilIdle(GuiShell& shell, const std::function<bool()>& ready, int limit_ms = 10000);

// Shows the window, waits until all is idle, renders it at kScreenshotSize and saves
// the PNG. Returns the process exit code: 0 saved, 1 no such window or not saved.
int SaveScreenshot(GuiShell& shell, const QString& window, const QString& file, const std::function<bool()>& ready);

}  // namespace pk
