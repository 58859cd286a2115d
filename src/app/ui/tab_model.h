#pragma once
// Tab control: the tab captions in order, its width and the tab shown.
#include <string>
#include <vector>

#include "app/ui/control.h"

namespace pk {

class TabModel : public Control {
 public:
  TabModel(std::string name, std::vector<std::string> tabs, std::string placement = {})
      : Control(std::move(name), ControlKind::Tab, std::move(placement)), tabs_(std::move(tabs)) {}

  std::vector<std::string> Tabs() const { return Read([&] { return tabs_; }); }
  void SetTabs(std::vector<std::string> tabs) { Write([&] { tabs_ = std::move(tabs); }); }

  int Width() const { return Read([&] { return width_; }); }
  void SetWidth(int width) { Write([&] { width_ = width; }); }

  int CurrentTab() const { return Read([&] { return current_; }); }
  void SetCurrentTab(int index) { Write([&] { current_ = index; }); }

 private:
  std::vector<std::string> tabs_;
  int width_ = 0;
  int current_ = 0;
};

}  // namespace pk
