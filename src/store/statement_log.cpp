#include "store/statement_log.h"

namespace pk {

void StatementLog::Add(std::string text) {
  std::lock_guard lock(mutex_);
  texts_.push_back(std::move(text));
}

std::vector<std::string> StatementLog::Texts() const {
  std::lock_guard lock(mutex_);
  return texts_;
}

void StatementLog::Clear() {
  std::lock_guard lock(mutex_);
  texts_.clear();
}

}  // namespace pk
