#include "pk10sim/failure_switches.h"

#include <array>
#include <utility>

namespace pk::sim {

namespace {

constexpr std::array<std::pair<std::string_view, FailMode>, 8> kNames{{
    {"none", FailMode::None},
    {"refuse", FailMode::Refuse},
    {"hang", FailMode::Hang},
    {"error500", FailMode::Error500},
    {"truncate", FailMode::Truncate},
    {"garbage", FailMode::Garbage},
    {"huge", FailMode::Huge},
    {"skip", FailMode::Skip},
}};

}  // namespace

std::optional<FailMode> ParseFailMode(std::string_view name) {
  for (const auto& [text, mode] : kNames) {
    if (text == name) return mode;
  }
  return std::nullopt;
}

std::string_view FailModeName(FailMode mode) {
  for (const auto& [text, known] : kNames) {
    if (known == mode) return text;
  }
  return "none";
}

void FailureSwitches::Set(const std::string& path, FailMode mode) {
  std::lock_guard lock(mutex_);
  if (mode == FailMode::None) {
    modes_.erase(path);
  } else {
    modes_[path] = mode;
  }
}

void FailureSwitches::Clear() {
  std::lock_guard lock(mutex_);
  modes_.clear();
}

FailMode FailureSwitches::For(const std::string& path) const {
  std::lock_guard lock(mutex_);
  const auto it = modes_.find(path);
  return it == modes_.end() ? FailMode::None : it->second;
}

std::map<std::string, FailMode> FailureSwitches::All() const {
  std::lock_guard lock(mutex_);
  return modes_;
}

}  // namespace pk::sim
