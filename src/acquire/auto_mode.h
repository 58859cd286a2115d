#pragma once
// Automatic mode: follows the operator's draw schedule (a draw every five minutes at a
// minute ending in 2 or 7 and second 30, from 09:07:30 to 23:57:30 server time) with a
// one-second countdown that starts one live feed step 20 seconds after each draw.
#include <cstdint>

#include "app/program.h"
#include "base/time.h"

namespace pk {

// Seconds from the server time to 20 seconds after the next scheduled draw (a time
// exactly on a draw gives 20); after the last draw of a day, to the next day's first.
int32_t CountdownFor(DateTime serverTime);

// Recomputes the countdown from the server clock; withBulletin first reads the online
// bulletin, which refreshes that clock. Without any server time yet the countdown stays.
void ScheduleNextDraw(Program& program, bool withBulletin);

// The click on "按钮_自动": starts or stops automatic mode.
void ToggleAutoMode(Program& program);

// One tick of the timer "时钟_倒计时": counts down and shows the seconds, or at zero
// starts a live feed step and waits 299 seconds unless the step reads a server time.
void CountdownTick(Program& program);

// Connects the button and the timer of the main window.
void SetUpAutoMode(Program& program);

}  // namespace pk
