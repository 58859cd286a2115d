#pragma once
// Creates the adapter for a control of any kind.
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "gui/control_adapter.h"

class QMenu;

namespace pk {

// What some adapters need from the window they belong to.
struct AdapterServices {
  // The window menu of that caption (the tray's pop-up menu); null when none.
  std::function<QMenu*(const std::string& caption)> menu;
  // Puts a balloon text in front of the user.
  std::function<void(const QString& text)> show_balloon;
  // The widget of a control of the window, for tooltips; null when it has none.
  std::function<QWidget*(const std::string& control)> widget_of;
};

// multiline: an edit box shown as a box of lines rather than a one-line input.
std::unique_ptr<ControlAdapter> CreateAdapter(Control& control, bool multiline, const AdapterServices& services);

}  // namespace pk
