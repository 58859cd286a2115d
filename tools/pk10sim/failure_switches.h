#pragma once
// Failure switches, one per served path: how the simulator misbehaves on that path
// until the switch is cleared. Thread-safe.
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace pk::sim {

enum class FailMode {
  None,      // answer normally
  Refuse,    // close the connection without an answer
  Hang,      // answer nothing for longer than a client waits, then close
  Error500,  // HTTP 500 with an error page
  Truncate,  // announce the whole page, send half of it, close
  Garbage,   // random bytes instead of the page
  Huge,      // the page padded to 50 MB
  Skip,      // the JSON service answers one period ahead of the newest draw
};

// "none", "refuse", "hang", "error500", "truncate", "garbage", "huge", "skip".
std::optional<FailMode> ParseFailMode(std::string_view name);
std::string_view FailModeName(FailMode mode);

class FailureSwitches {
 public:
  void Set(const std::string& path, FailMode mode);  // FailMode::None clears the path
  void Clear();
  FailMode For(const std::string& path) const;
  std::map<std::string, FailMode> All() const;

 private:
  mutable std::mutex mutex_;
  std::map<std::string, FailMode> modes_;
};

}  // namespace pk::sim
