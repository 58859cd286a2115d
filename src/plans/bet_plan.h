#pragma once
// The bet plan generator of the main window: from the numbers bought per period
// ("号数"), the periods ("期数"), the growth factor of the multiplier ("倍数框") and
// the stake per number ("单注金额框"), one row per period in "模式框" with its
// multiplier, stake, total staked so far and profit should that period win.
#include "app/program.h"

namespace pk {

// The click of "按钮_生成". An empty factor or stake is refused with a message box,
// after the list has been emptied.
void GenerateBetPlan(Program& program);

// Registers the clicks of "按钮_生成" and of the radios "单选框_推荐" (the
// recommendation box on top) and "单选框_计算" (the bet plan list uncovered).
void ConnectBetPlan(Program& program);

}  // namespace pk
