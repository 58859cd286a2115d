#pragma once
// The texts of the statements the program ran against its stores, in the order they ran.
// Shared by every connection of a program; the command-line dump prints it.
#include <mutex>
#include <string>
#include <vector>

namespace pk {

class StatementLog {
 public:
  void Add(std::string text);
  std::vector<std::string> Texts() const;
  void Clear();

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> texts_;
};

}  // namespace pk
