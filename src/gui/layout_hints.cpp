#include "gui/layout_hints.h"

namespace pk {

LayoutHints MainWindowHints() {
  LayoutHints hints;
  hints.strip_columns = {
      {"top/results", {0, 0}}, {"top/animation", {0, 1}}, {"top/fetch", {1, 0}},
      {"top/auto", {1, 1}},    {"top/bet", {2, 0}},       {"top/recommend", {2, 1}},
  };
  hints.stretching_column = 2;
  hints.cells = {
      // Day fetch.
      {"标签_方式1", {0, 0, 3}},
      {"日期框", {1, 0, 2}},
      {"按钮_获取数据", {1, 2}},
      {"透明标签1", {2, 0, 3}},
      {"标签_方式", {3, 0}},
      {"单选框_冠军", {3, 1}},
      {"单选框_期号", {3, 2}},
      // Automatic mode and countdown.
      {"按钮_自动", {0, 0}},
      {"标签_方式2", {0, 1}},
      {"标签_倒计时", {0, 2}},
      // Bet plan generator.
      {"标签_号数", {0, 0}},
      {"号数", {0, 1}},
      {"标签_期数", {0, 2}},
      {"期数", {0, 3}},
      {"按钮_生成", {0, 4}},
      {"标签_倍数", {1, 0}},
      {"倍数框", {1, 1}},
      {"标签_单注金额", {1, 2}},
      {"单注金额框", {1, 3}},
      {"单选框_计算", {0, 5}},
      {"单选框_推荐", {1, 5}},
  };
  hints.framed_areas = {"top/fetch", "top/auto"};
  return hints;
}

}  // namespace pk
