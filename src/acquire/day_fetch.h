#pragma once
// The day fetch ("获取"): the latest draws from the companion library, which scrapes them
// from the operator's bulletin pages or, failing that, from the draw page. It rebuilds
// the history, fills the results and animation boxes and runs the full pass, on a worker
// thread that holds the draw lock for its whole run.
#include "app/program.h"

namespace pk {

inline constexpr const char* kDayFetchFailed = "获取数据失败，请重新获取！";
inline constexpr const char* kPeriodModeUnsupported = "期号方式暂不支持获取数据！";

// The click on "按钮_获取数据": refuses while automatic mode runs, disables both
// acquisition buttons, empties the results box and starts the worker.
void ClickDayFetch(Program& program);

// The worker's run (takes the draw lock): empties the history, loads the day answer and
// runs the full pass. An answer that holds no complete draw, or any malformed draw, is
// not loaded; when neither source gives a usable one the user is told.
void RunDayFetch(Program& program);

// Connects "按钮_获取数据".
void SetUpDayFetch(Program& program);

}  // namespace pk
